#include "protocol/decimal_text.h"

#include <algorithm>

namespace smscfg {

std::optional<DecimalFloor> parseDecimalFloor(std::u16string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    auto isDigit = [&](std::size_t k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
    long long whole = 0;
    int intDigits = 0;
    for (; isDigit(i); ++i, ++intDigits) {
        if (whole <= DecimalFloor::Limit)
            whole = whole * 10 + (text[i] - u'0');
    }
    int fracDigits = 0;
    bool fractionNonZero = false;
    if (i < n && text[i] == u'.') {
        ++i;
        for (; isDigit(i); ++i, ++fracDigits)
            fractionNonZero |= text[i] != u'0';
    }
    if (i != n || intDigits + fracDigits == 0)
        return std::nullopt;
    whole = std::min(whole, DecimalFloor::Limit);
    if (!negative)
        return DecimalFloor{whole};
    return DecimalFloor{-whole - (fractionNonZero ? 1 : 0)};
}

std::u16string trimSpaces(std::u16string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return std::u16string(text.substr(begin, end - begin));
}

std::optional<std::uint8_t> decimalTextToByte(std::u16string_view text)
{
    const std::optional<DecimalFloor> number = parseDecimalFloor(trimSpaces(text));
    if (!number || number->value < 0 || number->value > 255)
        return std::nullopt;
    return std::uint8_t(number->value);
}

}  // namespace smscfg
