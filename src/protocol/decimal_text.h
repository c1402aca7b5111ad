#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace smscfg {

// The floor of a decimal number, clamped to +-Limit so that any length of
// digits is safe to compare.
struct DecimalFloor {
    static constexpr long long Limit = 1'000'000'000;
    long long value;
};

// Reads an optional sign, digits and an optional fraction ("12", "-0.5",
// "+3.", ".5"), nothing else: no spaces, exponents or non-ASCII digits.
// Returns the floor (-0.5 -> -1), or nullopt when the text is not a number.
std::optional<DecimalFloor> parseDecimalFloor(std::u16string_view text);

// Removes U+0020 at both ends; other white space is kept.
std::u16string trimSpaces(std::u16string_view text);

// The decimal-number rule for byte-valued boxes: trim spaces, read a decimal
// number, take its floor; a byte if that lies in 0..255, else nullopt.
std::optional<std::uint8_t> decimalTextToByte(std::u16string_view text);

}  // namespace smscfg
