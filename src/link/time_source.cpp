#include "link/time_source.h"

#include <QTimer>

namespace smscfg {
namespace {

class PreciseTimer : public OneShotTimer {
public:
    PreciseTimer()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (onTimeout)
                onTimeout();
        });
    }
    void start(std::chrono::milliseconds interval) override { m_timer.start(interval); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

class SystemTime : public TimeSource {
public:
    Clock::time_point now() const override { return Clock::now(); }
    std::unique_ptr<OneShotTimer> createTimer() override { return std::make_unique<PreciseTimer>(); }
};

}  // namespace

TimeSource &TimeSource::system()
{
    static SystemTime time;
    return time;
}

}  // namespace smscfg
