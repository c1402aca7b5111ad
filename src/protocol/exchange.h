#pragma once

#include "protocol/message_sink.h"
#include "protocol/serial_link.h"

#include <QTimer>

namespace smscfg {

struct ExchangeTimings {
    int responseTimeoutMs = 3000;  // no reply within this: "设备无响应"
    int settleMs = 100;            // wait after the first reply bytes for the rest
};

// Texts the exchange shows.
namespace verdict {
inline const QString Accepted = QStringLiteral("设置成功");
inline const QString Refused = QStringLiteral("设置失败");
inline const QString NoResponse = QStringLiteral("设备无响应");
inline const QString PortUnusable = QStringLiteral("串口不可用，请重新设置");
}  // namespace verdict

// Sends request frames and judges replies by their sixth byte.
//
// One response timer guards the line; it is the only state. A send starts
// (or restarts) it and writes the frame. The first data event stops it and,
// after the settle wait, every waiting byte is read and judged: 06 at index
// 5 is accepted, 09 refused, anything else (or fewer than six bytes) gives
// no message. When the timer runs out first, "设备无响应" is shown once; a
// reply that comes later is still judged. Nothing guards against a second
// send while a reply is awaited: the replies are judged as they come.
class Exchange : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Accepted, Refused, NoVerdict, NoResponse, PortUnusable };
    Q_ENUM(Outcome)

    Exchange(SerialLink &link, MessageSink &sink, ExchangeTimings timings = {}, QObject *parent = nullptr);

    // Starts the response timer and writes `frame`. When the write fails the
    // timer is stopped again and "串口不可用，请重新设置" is shown.
    void FS(const QByteArray &frame);

    // True while a reply is awaited (the response timer runs).
    bool awaitingReply() const { return m_responseTimer.isActive(); }

    // The judgement of a reply: its bytes as hex pairs without separators,
    // and the pair at characters 11-12 (the sixth byte).
    static Outcome judge(const QByteArray &reply);

signals:
    // Emitted after the message (if any) has been shown.
    void finished(smscfg::Exchange::Outcome outcome, const QByteArray &reply);

private:
    void onDataReceived();
    void onSettled();
    void onResponseTimeout();

    SerialLink &m_link;
    MessageSink &m_sink;
    QTimer m_responseTimer;
    QTimer m_settleTimer;
};

}  // namespace smscfg
