#include "protocol/decimal_text.h"

namespace smscfg {

std::optional<DecimalFloor> parseDecimalFloor(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    auto isDigit = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };

    long long whole = 0;
    int intDigits = 0;
    for (; isDigit(i); ++i, ++intDigits) {
        if (whole <= DecimalFloor::Limit)
            whole = whole * 10 + (text[i].unicode() - u'0');
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

QString trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

std::optional<quint8> decimalTextToByte(const QString &text)
{
    const std::optional<DecimalFloor> number = parseDecimalFloor(trimSpaces(text));
    if (!number || number->value < 0 || number->value > 255)
        return std::nullopt;
    return quint8(number->value);
}

}  // namespace smscfg
