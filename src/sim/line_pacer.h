#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>

namespace smscfg::sim {

// One direction of a serial line at `baud`: bytes cross it one after
// another, each taking 10 bit times (start bit, 8 data bits, stop bit), so
// at 9600 baud a byte takes 1.04 ms. A byte pushed while the line is free
// has crossed one byte time later; one pushed behind others, one byte time
// after the last of them.
class LinePacer : public QObject {
    Q_OBJECT
public:
    explicit LinePacer(int baud, QObject *parent = nullptr);

    void push(const QByteArray &bytes);

signals:
    // Bytes whose last bit has crossed, never before their time.
    void crossed(const QByteArray &bytes);

private:
    void release();

    const qint64 m_byteNs;
    QElapsedTimer m_clock;
    qint64 m_busyUntil = 0;
    std::deque<std::pair<qint64, char>> m_pending;  // when each byte has crossed
    QTimer m_timer;
};

}  // namespace smscfg::sim
