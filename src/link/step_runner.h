#pragma once

#include "link/exchange.h"

#include <QObject>

namespace smscfg {

// Sends a list of request frames through one exchange, one at a time: each
// waits for the verdict of the one before. Stops at the first step that is
// not accepted unless told to keep going (and always when the port cannot
// be written), and can be cancelled between steps.
class StepRunner : public QObject {
    Q_OBJECT
public:
    StepRunner(Exchange &exchange, QList<QByteArray> frames, bool keepGoing, QObject *parent = nullptr);

    void start();
    // No further step is sent; the one under way still gets its verdict.
    void cancel();

    bool isRunning() const { return m_running; }

signals:
    void stepStarted(qsizetype index);
    void stepFinished(qsizetype index, const smscfg::Exchange::Result &result);
    // After the last step, a stop or a cancel.
    void done(bool cancelled);

private:
    void sendNext();
    void onFinished(const Exchange::Result &result);

    Exchange &m_exchange;
    QList<QByteArray> m_frames;
    bool m_keepGoing;
    qsizetype m_next = 0;
    quint64 m_current = 0;
    bool m_running = false;
    bool m_cancelled = false;
};

}  // namespace smscfg
