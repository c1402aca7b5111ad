#pragma once

#include <QByteArray>
#include <QList>

namespace smscfg {

// What a reply says about the request it answers.
enum class Verdict {
    Accepted,  // status byte 06
    Refused,   // status byte 09
    None,      // fewer than six bytes, or another status
};

// The verdict a status byte gives.
Verdict verdictOfStatus(quint8 status);

// The sixth-byte rule for bytes that hold no reply frame: the byte at index
// 5 is the status; nothing else is examined.
Verdict judgeBySixthByte(const QByteArray &reply);

// A well-formed reply frame found in received bytes:
// 7E FE LEN 00 code status ... checksum 16.
struct ReplyFrame {
    qsizetype offset;  // where it starts in the bytes searched
    QByteArray bytes;
    quint8 code() const { return quint8(bytes[4]); }
    quint8 status() const { return quint8(bytes[5]); }
};

// Every well-formed reply frame in `bytes`, in order, wherever it starts;
// bytes between them are skipped.
QList<ReplyFrame> findReplyFrames(const QByteArray &bytes);

// True when `bytes` is exactly one well-formed reply frame.
bool isReplyFrame(const QByteArray &bytes);

// `received` without the copies of `sent` that an echoing adapter or a
// loopback returns (one copy of each frame sent); the copies found go to
// `echoes`.
QByteArray withoutEchoes(QByteArray received, const QList<QByteArray> &sent, QList<QByteArray> *echoes = nullptr);

// The controller's reply to a request with code `code`:
// 7E FE 08 00 code status checksum 16, the status at index 5.
QByteArray replyFrame(quint8 code, quint8 status);

}  // namespace smscfg
