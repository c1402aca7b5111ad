#pragma once

#include "protocol/bytes.h"

#include <optional>
#include <string_view>

namespace smscfg {

// The value of a hex digit (0-9, A-F, a-f), or nullopt for any other
// character, blanks and non-ASCII included.
std::optional<std::uint8_t> hexDigitValue(char16_t c);

// A list of bytes typed as hex digit pairs, in text order. Spaces anywhere
// are ignored ("01 0A 1F" is 01 0A 1F); what is left must be whole pairs of
// hex digits. nullopt for an odd number of digits or any other character.
std::optional<Bytes> hexListToBytes(std::u16string_view text);

}  // namespace smscfg
