#pragma once

#include "link/serial_link.h"
#include "link/time_source.h"

#include <QObject>
#include <chrono>

namespace smscfg {

struct ExchangeTimings {
    // No reply within this: "设备无响应".
    std::chrono::milliseconds responseTimeout{3000};
    // After the first bytes of a reply, wait this long for the rest.
    std::chrono::milliseconds settle{100};
};

// Sends request frames and judges the replies; shows nothing itself.
//
// One response timer guards the line. A send starts (or restarts) it and
// writes the frame. The first data event stops it and, after the settle wait,
// every waiting byte is read and judged by its sixth byte. When the timer
// runs out first, the outcome is NoResponse; a reply that comes later is
// still judged. Nothing guards against a second send while a reply is
// awaited: the replies are judged as they come.
class Exchange : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Accepted,      // status 06
        Refused,       // status 09
        NoVerdict,     // a reply without a verdict: too short, or another status
        NoResponse,    // nothing came within the time-out
        PortUnusable,  // the frame could not be written
    };
    Q_ENUM(Outcome)

    Exchange(SerialLink &link, ExchangeTimings timings = {}, TimeSource &time = TimeSource::system(),
             QObject *parent = nullptr);

    // Writes `frame` and starts the response timer. When the write fails,
    // finishes at once with PortUnusable.
    void send(const QByteArray &frame);

    // True while a reply is awaited (the response timer runs).
    bool awaitingReply() const { return m_responseTimer->isActive(); }

signals:
    void finished(smscfg::Exchange::Outcome outcome, const QByteArray &reply);

private:
    void onDataReceived();
    void onSettled();
    void onResponseTimeout();

    SerialLink &m_link;
    ExchangeTimings m_timings;
    std::unique_ptr<OneShotTimer> m_responseTimer;
    std::unique_ptr<OneShotTimer> m_settleTimer;
};

}  // namespace smscfg
