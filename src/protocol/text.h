#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// Texts in the core are UTF-16 code units, as the rules count them.
namespace smscfg::text {

// `pattern` with %1..%9 replaced by the arguments in that position, in one
// pass (an argument's own % signs stay as they are).
std::u16string fill(std::u16string_view pattern, std::initializer_list<std::u16string_view> arguments);

// A decimal number: "-12".
std::u16string number(long long value);

// ASCII text as UTF-16.
std::u16string ascii(std::string_view text);

// A byte as two upper-case hex digits: "4C".
std::u16string hexByte(std::uint8_t byte);

// A whole number in `text`: ASCII blanks around it, an optional sign, ASCII
// digits, within int. nullopt for anything else.
std::optional<int> toInt(std::u16string_view text);

// UTF-16 as UTF-8 and back, for programs that print or read files; a lone
// surrogate becomes U+FFFD, and so does what is not UTF-8.
std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

}  // namespace smscfg::text
