#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace smscfg {

// A command code as the log shows it: "0x4C".
QString codeText(quint8 code);

// The seven weekday names, Monday first; their codes are 1..7.
const QStringList &weekdayNames();

// A request frame in words, for the communication log, the command line's
// trace and the simulator: "0x4C 第3个电话 = 13912345678". A frame whose
// payload does not fit its command says so.
QString describeRequest(const QByteArray &frame);

// Received bytes in words: a reply frame's command and status, or nothing
// for bytes that are no reply frame.
QString describeReply(const QByteArray &bytes);

// Text that can go to a log or a terminal: control characters and other
// characters that do not print become \xHH (or \uHHHH).
QString escapeForLog(const QString &text);

}  // namespace smscfg
