#include "protocol/reply.h"

#include "protocol/frame.h"
#include "protocol/wire.h"

namespace smscfg {

Verdict verdictOfStatus(quint8 status)
{
    switch (status) {
    case wire::StatusAccepted: return Verdict::Accepted;
    case wire::StatusRefused: return Verdict::Refused;
    default: return Verdict::None;
    }
}

Verdict judgeBySixthByte(const QByteArray &reply)
{
    return reply.size() < 6 ? Verdict::None : verdictOfStatus(quint8(reply[5]));
}

bool isReplyFrame(const QByteArray &bytes)
{
    // A reply carries at least its status byte.
    return bytes.size() > CommandFrame::MinSize && isWellFormedFrame(bytes);
}

QList<ReplyFrame> findReplyFrames(const QByteArray &bytes)
{
    QList<ReplyFrame> frames;
    qsizetype at = 0;
    while ((at = bytes.indexOf("\x7E\xFE", at)) >= 0) {
        if (at + 2 >= bytes.size())
            break;
        const QByteArray candidate = bytes.mid(at, quint8(bytes[at + 2]));
        if (isReplyFrame(candidate)) {
            frames.append({at, candidate});
            at += candidate.size();
        } else {
            ++at;
        }
    }
    return frames;
}

QByteArray withoutEchoes(QByteArray received, const QList<QByteArray> &sent, QList<QByteArray> *echoes)
{
    for (const QByteArray &frame : sent) {
        const qsizetype at = received.indexOf(frame);
        if (at < 0)
            continue;
        received.remove(at, frame.size());
        if (echoes)
            echoes->append(frame);
    }
    return received;
}

QByteArray replyFrame(quint8 code, quint8 status)
{
    return CommandFrame::build(code, QByteArray(1, char(status)))->bytes();
}

}  // namespace smscfg
