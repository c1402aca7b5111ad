#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Code page 936 (GBK) as glibc's iconv converts it, from a table kept in the
// repository, so that every build converts alike without iconv.
namespace smscfg::cp936 {

// The bytes of one code point in code page 936: one byte (ASCII, 0x80 for the
// euro sign) or two (lead, trail). Empty when the code point has no code.
std::vector<std::uint8_t> encodeCodePoint(char32_t codePoint);

// Decodes code page 936 bytes; bytes that do not decode become U+FFFD.
std::u16string decode(std::span<const std::uint8_t> bytes);

}  // namespace smscfg::cp936
