#pragma once

#include "exchange/exchange_machine.h"
#include "link/serial_link.h"
#include "link/time_source.h"

#include <QObject>
#include <deque>

namespace smscfg {

// Drives an ExchangeMachine with a serial link and a timer: writes the
// frames, feeds it what is read and the time, wakes it when it asks, and
// turns what it says into signals. Shows nothing itself. See
// ExchangeMachine for the rules by which replies are judged.
class Exchange : public QObject {
    Q_OBJECT
public:
    using Outcome = smscfg::Outcome;
    using Ignored = smscfg::Ignored;

    using Result = ExchangeMachine::Result;

    Exchange(SerialLink &link, ExchangeTimings timings = {}, TimeSource &time = TimeSource::system(),
             QObject *parent = nullptr);

    // Writes `frame` and waits for its verdict. When the write fails,
    // finishes at once with PortUnusable. Returns the request's id, which
    // its result carries.
    quint64 send(const QByteArray &frame);

    // The id the next send() will return.
    quint64 nextRequestId() const { return m_machine.nextRequestId(); }

    // True while a request waits for its reply within the time-out.
    bool awaitingReply() const { return m_machine.awaitingReply(); }

    // The line is about to be closed on purpose (to open another port): no
    // reply can reach the requests waiting on it, and one that comes on the
    // next port answers a request sent there. They end as on a lost line.
    void lineClosing();

signals:
    // Each event as the machine said it, before its own signal below.
    void happened(const smscfg::ExchangeMachine::Event &event);
    void sent(const QByteArray &frame);
    // Bytes read and judged together: one reply that came in pieces is one.
    void received(const QByteArray &bytes);
    void finished(const smscfg::Exchange::Result &result);
    void ignored(const QByteArray &bytes, smscfg::Exchange::Ignored why);

private:
    Millis now() const;
    void onDataReceived();
    // Emits what the machine said and sets the timer for its next wake-up.
    void dispatch();

    SerialLink &m_link;
    TimeSource &m_time;
    ExchangeMachine m_machine;
    std::unique_ptr<OneShotTimer> m_timer;
    std::deque<ExchangeMachine::Event> m_pending;  // taken from the machine, not yet emitted
};

}  // namespace smscfg
