#include "protocol/cp936.h"

#include "protocol/cp936_table.h"

#include <memory>

namespace smscfg::cp936 {
namespace {

using namespace table;

// Code of each BMP code unit, 0 for none: the table inverted once, on first
// use, instead of a second table in every build.
const std::uint16_t *codesByUnit()
{
    static const std::unique_ptr<std::uint16_t[]> codes = [] {
        auto c = std::make_unique<std::uint16_t[]>(0x10000);
        for (unsigned i = 0; i < LeadCount * TrailCount; ++i) {
            if (doubleByte[i] != 0)
                c[doubleByte[i]] = std::uint16_t((FirstLead + i / TrailCount) << 8 | (FirstTrail + i % TrailCount));
        }
        for (std::size_t i = 0; i < encodeExtraCount; ++i)
            c[encodeExtras[i].codePoint] = encodeExtras[i].code;
        return c;
    }();
    return codes.get();
}

char16_t doubleByteUnit(std::uint8_t lead, std::uint8_t trail)
{
    if (lead < FirstLead || lead >= FirstLead + LeadCount || trail < FirstTrail || trail >= FirstTrail + TrailCount)
        return 0;
    return char16_t(doubleByte[(lead - FirstLead) * TrailCount + (trail - FirstTrail)]);
}

char16_t singleByteUnit(std::uint8_t byte)
{
    for (std::size_t i = 0; i < singleByteCount; ++i)
        if (singleBytes[i].byte == byte)
            return char16_t(singleBytes[i].unit);
    return 0;
}

}  // namespace

std::vector<std::uint8_t> encodeCodePoint(char32_t codePoint)
{
    if (codePoint < 0x80)
        return {std::uint8_t(codePoint)};
    if (codePoint > 0xFFFF)
        return {};
    const std::uint16_t code = codesByUnit()[codePoint];
    if (code == 0)
        return {};
    if (code < 0x100)
        return {std::uint8_t(code)};
    return {std::uint8_t(code >> 8), std::uint8_t(code & 0xFF)};
}

std::u16string decode(std::span<const std::uint8_t> bytes)
{
    std::u16string result;
    result.reserve(bytes.size());
    std::size_t i = 0;
    // One character at a time, so a bad byte costs one U+FFFD only: the next
    // byte may still start a character of its own.
    while (i < bytes.size()) {
        const std::uint8_t lead = bytes[i];
        if (lead < 0x80) {
            result += char16_t(lead);
            ++i;
            continue;
        }
        const bool pair = lead >= FirstLead && lead < FirstLead + LeadCount && i + 1 < bytes.size();
        const char16_t unit = pair ? doubleByteUnit(lead, bytes[i + 1]) : singleByteUnit(lead);
        if (unit != 0) {
            result += unit;
            i += pair ? 2 : 1;
        } else {
            result += u'\uFFFD';
            ++i;
        }
    }
    return result;
}

}  // namespace smscfg::cp936
