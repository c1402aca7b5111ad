#include "protocol/description_text.h"

#include "protocol/cp936.h"

namespace smscfg {
namespace {

bool matchesFill(ByteView field, std::size_t from)
{
    for (std::size_t i = from; i < field.size(); ++i) {
        const std::uint8_t expected = (i - from) % 2 == 0 ? 0x00 : 0x20;
        if (field[i] != expected)
            return false;
    }
    return true;
}

bool isHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

bool plausibleUtf16(const std::u16string &text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (isHighSurrogate(u) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;
            continue;
        }
        const bool ok = u < 0x7F || (u >= 0x3000 && u <= 0x303F) || (u >= 0x3400 && u <= 0x9FFF)
            || (u >= 0xFF00 && u <= 0xFFEF) || u == 0x20AC || (u >= 0x2000 && u <= 0x206F);
        if (!ok)
            return false;
    }
    return true;
}

}  // namespace

DecodedDescription decodeDescriptionField(ByteView field)
{
    std::size_t length = 0;
    while (length < field.size() && !matchesFill(field, length))
        ++length;
    const ByteView bytes = field.first(length);
    if (length % 2 == 0) {
        std::u16string utf16;
        for (std::size_t i = 0; i < length; i += 2)
            utf16 += char16_t(bytes[i] << 8 | bytes[i + 1]);
        if (plausibleUtf16(utf16))
            return {utf16, u"unicode", Bytes(bytes.begin(), bytes.end())};
    }
    return {cp936::decode(bytes), u"codepage", Bytes(bytes.begin(), bytes.end())};
}

}  // namespace smscfg
