#include "sim/line_pacer.h"

#include <algorithm>
#include <utility>

namespace smscfg::sim {
namespace {

// Ten bits a byte at 8N1.
qint64 byteNanoseconds(int baud)
{
    return 10'000'000'000LL / baud;
}

}  // namespace

LinePacer::LinePacer(int baud, TimeSource &time, QObject *parent)
    : QObject(parent), m_byteNs(byteNanoseconds(baud)), m_time(time), m_timer(time.createTimer())
{
    m_timer->onTimeout = [this] { release(); };
}

qint64 LinePacer::nowNs() const
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(m_time.now().time_since_epoch()).count();
}

void LinePacer::push(const QByteArray &bytes)
{
    m_busyUntil = std::max(m_busyUntil, nowNs());
    const qsizetype room = MaxBacklog - backlog();
    for (const char byte : bytes.first(std::min(room, bytes.size()))) {
        m_busyUntil += m_byteNs;
        m_pending.emplace_back(m_busyUntil, byte);
    }
    m_dropped += std::max<qsizetype>(bytes.size() - room, 0);
    if (!m_timer->isActive())
        release();
}

void LinePacer::release()
{
    const qint64 now = nowNs();
    QByteArray due;
    while (!m_pending.empty() && m_pending.front().first <= now) {
        due += m_pending.front().second;
        m_pending.pop_front();
    }
    if (!m_pending.empty()) {
        // Timers count whole milliseconds: round up, never fire early; a
        // timer that does is simply set again.
        const qint64 wait = (m_pending.front().first - now + 999'999) / 1'000'000;
        m_timer->start(std::chrono::milliseconds(std::max<qint64>(wait, 1)));
    }
    if (!due.isEmpty())
        emit crossed(due);
    if (m_pending.empty() && m_dropped > 0)
        emit dropped(std::exchange(m_dropped, 0));
}

}  // namespace smscfg::sim
