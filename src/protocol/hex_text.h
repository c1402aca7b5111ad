#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace smscfg {

// The value of a hex digit (0-9, A-F, a-f), or nullopt for any other
// character, blanks and non-ASCII included.
std::optional<quint8> hexDigitValue(QChar c);

// A list of bytes typed as hex digit pairs, in text order. Spaces anywhere
// are ignored ("01 0A 1F" is 01 0A 1F); what is left must be whole pairs of
// hex digits. nullopt for an odd number of digits or any other character.
std::optional<QByteArray> hexListToBytes(const QString &text);

}  // namespace smscfg
