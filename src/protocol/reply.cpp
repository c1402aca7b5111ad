#include "protocol/reply.h"

#include "protocol/frame.h"
#include "protocol/wire.h"

namespace smscfg {

Verdict judgeReply(const QByteArray &reply)
{
    if (reply.size() < 6)
        return Verdict::None;
    switch (quint8(reply[5])) {
    case wire::StatusAccepted: return Verdict::Accepted;
    case wire::StatusRefused: return Verdict::Refused;
    default: return Verdict::None;
    }
}

QByteArray replyFrame(quint8 code, quint8 status)
{
    return CommandFrame::build(code, QByteArray(1, char(status)))->bytes();
}

}  // namespace smscfg
