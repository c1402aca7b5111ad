#include "protocol/hex_text.h"

namespace smscfg {

std::optional<std::uint8_t> hexDigitValue(char16_t u)
{
    if (u >= u'0' && u <= u'9')
        return std::uint8_t(u - u'0');
    if (u >= u'A' && u <= u'F')
        return std::uint8_t(u - u'A' + 10);
    if (u >= u'a' && u <= u'f')
        return std::uint8_t(u - u'a' + 10);
    return std::nullopt;
}

std::optional<Bytes> hexListToBytes(std::u16string_view text)
{
    Bytes bytes;
    bytes.reserve(text.size() / 2);
    std::optional<std::uint8_t> high;
    for (const char16_t c : text) {
        if (c == u' ')
            continue;
        const std::optional<std::uint8_t> digit = hexDigitValue(c);
        if (!digit)
            return std::nullopt;
        if (!high) {
            high = digit;
        } else {
            bytes.push_back(std::uint8_t(*high * 16 + *digit));
            high.reset();
        }
    }
    if (high)
        return std::nullopt;
    return bytes;
}

}  // namespace smscfg
