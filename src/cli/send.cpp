#include "cli/send.h"

#include "protocol/exchange.h"
#include "protocol/qt_serial_link.h"

#include <QEventLoop>

namespace smscfg::cli {
namespace {

class StreamSink : public MessageSink {
public:
    explicit StreamSink(QTextStream &out) : m_out(out) {}
    void show(const QString &text) override { m_out << text << Qt::endl; }

private:
    QTextStream &m_out;
};

}  // namespace

int sendOverSerial(const Invocation &inv, const CommandFrame &frame, QTextStream &out, QTextStream &err)
{
    QtSerialLink link;
    QString reason;
    if (!link.open(inv.port, &reason)) {
        err << QStringLiteral("COM") << inv.port << QStringLiteral("不能用,请换到另一个串口。") << '\n'
            << reason << '\n';
        return PortUnusable;
    }
    StreamSink sink(out);
    Exchange exchange(link, sink, {inv.timeoutMs, 100});
    QEventLoop loop;
    int code = NoVerdict;
    QObject::connect(&exchange, &Exchange::finished, &loop,
                     [&](Exchange::Outcome outcome, const QByteArray &reply) {
                         switch (outcome) {
                         case Exchange::Outcome::Accepted: code = Accepted; break;
                         case Exchange::Outcome::Refused: code = Refused; break;
                         case Exchange::Outcome::PortUnusable: code = PortUnusable; break;
                         case Exchange::Outcome::NoResponse: code = NoVerdict; break;
                         case Exchange::Outcome::NoVerdict:
                             code = NoVerdict;
                             err << "reply without a verdict: " << hexText(reply) << '\n';
                             break;
                         }
                         loop.quit();
                     });
    exchange.FS(frame.bytes());
    // The exchange always finishes: by a reply, the time-out or a failed write.
    if (exchange.awaitingReply())
        loop.exec();
    return code;
}

}  // namespace smscfg::cli
