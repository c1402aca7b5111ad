#include "cli/send.h"

#include "link/exchange.h"
#include "link/outcome_text.h"
#include "link/qt_serial_link.h"

#include <QEventLoop>

namespace smscfg::cli {
namespace {

int exitCodeOf(Exchange::Outcome outcome)
{
    switch (outcome) {
    case Exchange::Outcome::Accepted: return Accepted;
    case Exchange::Outcome::Refused: return Refused;
    case Exchange::Outcome::PortUnusable: return PortUnusable;
    case Exchange::Outcome::NoResponse:
    case Exchange::Outcome::NoVerdict: return NoVerdict;
    }
    return NoVerdict;
}

}  // namespace

int sendOverSerial(const Invocation &inv, const CommandFrame &frame, QTextStream &out, QTextStream &err)
{
    QtSerialLink link;
    OpenError error;
    if (!link.open(inv.port, &error)) {
        err << unusablePortMessage(inv.port, error) << '\n';
        return PortUnusable;
    }
    Exchange exchange(link, inv.timings);
    QEventLoop loop;
    int code = NoVerdict;
    QObject::connect(&exchange, &Exchange::finished, &loop,
                     [&](const Exchange::Result &result) {
                         const QString message = outcomeMessage(result.outcome);
                         if (!message.isEmpty())
                             out << message << Qt::endl;
                         if (result.outcome == Exchange::Outcome::NoVerdict)
                             err << "reply without a verdict: " << hexText(result.reply) << '\n';
                         code = exitCodeOf(result.outcome);
                         loop.quit();
                     });
    exchange.send(frame.bytes());
    // The exchange always finishes: by a reply, the time-out or a failed write.
    if (exchange.awaitingReply())
        loop.exec();
    return code;
}

}  // namespace smscfg::cli
