#pragma once

#include "link/serial_link.h"
#include "link/time_source.h"

#include <QList>
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
// Each request sent waits for its verdict. Received bytes are read as they
// come. Bytes that form exactly one complete reply frame are judged at once;
// anything else is judged when the settle wait after its first bytes is over.
// Judging drops echoes of the requests sent, then takes each well-formed
// reply frame as the verdict of the oldest waiting request with its command
// code (its status byte: 06 accepted, 09 refused); a frame with another code
// answers no request and the wait goes on. Bytes that hold no reply frame at
// all are judged by their sixth byte. Bytes that arrive while no request
// waits are only reported.
//
// One response timer runs while a request waits: a send starts (or
// restarts) it, every data event stops it, and it resumes after a judgement
// that leaves requests waiting. When it runs out, the waiting requests have
// timed out (one NoResponse); a reply that comes later is still judged.
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

    // What became of one request.
    struct Result {
        quint64 id;  // what send() returned for it
        Outcome outcome;
        QByteArray request;  // the frame sent
        QByteArray reply;    // the bytes judged; empty without a reply
        std::chrono::milliseconds roundTrip{0};  // from the send to the outcome
    };

    // Bytes that gave no verdict, and why.
    enum class Ignored {
        OtherRequest,  // a well-formed reply frame with a code no waiting request has
        Unsolicited,   // bytes while no request waits
        Echo,          // a copy of a request sent
    };
    Q_ENUM(Ignored)

    Exchange(SerialLink &link, ExchangeTimings timings = {}, TimeSource &time = TimeSource::system(),
             QObject *parent = nullptr);

    // Writes `frame` and starts the response timer. When the write fails,
    // finishes at once with PortUnusable. Returns the request's id, which
    // its result carries.
    quint64 send(const QByteArray &frame);

    // The id the next send() will return.
    quint64 nextRequestId() const { return m_lastId + 1; }

    // True while a request waits for its reply within the time-out.
    bool awaitingReply() const;

signals:
    void sent(const QByteArray &frame);
    void received(const QByteArray &chunk);
    void finished(const smscfg::Exchange::Result &result);
    void ignored(const QByteArray &bytes, smscfg::Exchange::Ignored why);

private:
    struct Request {
        quint64 id;
        QByteArray frame;
        TimeSource::Clock::time_point sentAt;
        bool timedOut = false;
    };

    void onDataReceived();
    void judge();
    void onResponseTimeout();
    void finish(qsizetype index, Outcome outcome, const QByteArray &reply);
    QList<QByteArray> waitingFrames() const;
    void resumeResponseTimer();

    SerialLink &m_link;
    ExchangeTimings m_timings;
    TimeSource &m_time;
    std::unique_ptr<OneShotTimer> m_responseTimer;
    std::unique_ptr<OneShotTimer> m_settleTimer;
    QList<Request> m_waiting;  // in the order sent
    QByteArray m_received;     // read since the last judgement
    TimeSource::Clock::time_point m_deadline{};
    quint64 m_lastId = 0;
};

}  // namespace smscfg
