#pragma once

#include "protocol/bytes.h"
#include "protocol/wire.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace smscfg {

enum class TextEncoding { Unicode, CodePage };

// A description padded to exactly `width` bytes: the trimmed text as UTF-16
// code units (high byte first) or in code page 936 (0x3F for a character it
// cannot represent), then 00 20 00 20 ... up to the width. Text that would not
// fit is cut at the width.
Bytes descriptionField(std::u16string_view text, int width, TextEncoding encoding);

// Why a phone number cannot be stored.
enum class PhoneNumberProblem {
    TooLong,           // more than 11 characters after trimming
    NotSingleByte,     // a character without a one-byte code in code page 936
    ControlCharacter,  // below 0x20, or 0x7F
};

// The 11-byte field: the trimmed number's characters as one-byte codes,
// then 0x00 up to the end. Nothing is ever cut off.
std::variant<Bytes, PhoneNumberProblem> phoneNumberField(std::u16string_view text);

// The number a field holds: its bytes up to the first 0x00 (each byte the
// character of that number). nullopt when other bytes follow that 0x00.
std::optional<std::u16string> phoneNumberOfField(ByteView field);

// Ticked phones 1..16 (index 0 is phone 1). Returns two bytes, high first;
// bit n-1 of high*256+low is 0 exactly when phone n is ticked.
using PhoneTicks = std::array<bool, wire::PhoneSlotCount>;
Bytes phoneMask(const PhoneTicks &ticked);

// The phones (1..16) a mask's two bytes switch on.
std::vector<int> phonesOfMask(std::uint8_t high, std::uint8_t low);

}  // namespace smscfg
