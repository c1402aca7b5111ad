#pragma once

#include "protocol/codec_result.h"

#include <QString>

namespace smscfg {

// A hex character is one of the ASCII characters 0-9, A-F, a-f.
bool isHexCharacter(QChar c);

// Value of a hex digit text. Empty: InvalidArgument. A first character that
// is not a hex character: 0. "A".."F"/"a".."f": 10..15. Otherwise the text is
// read as a decimal number (TypeMismatch if it is not one, Overflow past 255).
CodecResult<quint8> HexDigitValue(const QString &text);

// First two characters as a hex pair, returned as decimal text ("4C" -> "76").
// Characters that are not hex count as 0; later characters are ignored.
// Fewer than two characters: InvalidArgument.
CodecResult<QString> HexPairToByteText(const QString &text);

// First and last character as a hex pair ("4C" -> 0x4C, "7" -> 0x77,
// "123" -> 0x13). Empty: InvalidArgument.
CodecResult<quint8> Hex_S(const QString &text);

// Digits, most significant first, each weighted by its power of two ("21" -> 5).
// A non-digit: TypeMismatch. A running value above 255: Overflow. Empty: 0.
CodecResult<quint8> BitsToByte(const QString &text);

}  // namespace smscfg
