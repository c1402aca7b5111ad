#pragma once

#include <QByteArray>

namespace smscfg {

// What a reply says about the request it answers.
enum class Verdict {
    Accepted,  // status byte 06
    Refused,   // status byte 09
    None,      // fewer than six bytes, or another status
};

// The judgement of the bytes read after a request: the sixth byte (index 5)
// is the status; nothing else of the reply is examined.
Verdict judgeReply(const QByteArray &reply);

// The controller's reply to a request with code `code`:
// 7E FE 08 00 code status checksum 16, the status at index 5.
QByteArray replyFrame(quint8 code, quint8 status);

}  // namespace smscfg
