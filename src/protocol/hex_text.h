#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace smscfg {

// The value of a hex digit (0-9, A-F, a-f), or nullopt for any other
// character, blanks and non-ASCII included.
std::optional<quint8> hexDigitValue(QChar c);

// Hex digit pairs to bytes: spaces trimmed at both ends, byte count L/2
// rounded half to even, each slice of up to two characters read as a pair
// (a single character counts as both digits). Never fails; characters that
// are not hex digits count as 0.
QByteArray hexTextToBytes(const QString &text);

// The number of bytes hexTextToBytes yields for `text`, without building them.
qsizetype hexTextByteCount(const QString &text);

}  // namespace smscfg
