#pragma once

#include "link/time_source.h"

#include <QByteArray>
#include <QObject>

#include <deque>
#include <memory>

namespace smscfg::sim {

// One direction of a serial line at `baud`: bytes cross it one after
// another, each taking 10 bit times (start bit, 8 data bits, stop bit), so
// at 9600 baud a byte takes 1.04 ms. A byte pushed while the line is free
// has crossed one byte time later; one pushed behind others, one byte time
// after the last of them.
//
// Like a real port's buffer it holds at most MaxBacklog bytes: a writer that
// is faster than the line (a pseudo-terminal takes megabytes at once) loses
// what does not fit, and how much is told once the line has caught up.
class LinePacer : public QObject {
    Q_OBJECT
public:
    explicit LinePacer(int baud, TimeSource &time = TimeSource::system(), QObject *parent = nullptr);

    void push(const QByteArray &bytes);

    // Bytes waiting to cross.
    qsizetype backlog() const { return qsizetype(m_pending.size()); }

    static constexpr qsizetype MaxBacklog = 4096;

signals:
    // Bytes whose last bit has crossed, never before their time.
    void crossed(const QByteArray &bytes);
    // `count` bytes did not fit behind the others and were dropped; told
    // once the backlog has crossed.
    void dropped(qint64 count);

private:
    void release();

    qint64 nowNs() const;

    const qint64 m_byteNs;
    TimeSource &m_time;
    qint64 m_busyUntil = 0;
    std::deque<std::pair<qint64, char>> m_pending;  // when each byte has crossed
    qint64 m_dropped = 0;                            // since last told
    std::unique_ptr<OneShotTimer> m_timer;
};

}  // namespace smscfg::sim
