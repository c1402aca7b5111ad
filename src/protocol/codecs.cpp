#include "protocol/codecs.h"

#include "protocol/decimal_text.h"

namespace smscfg {

const char *codecErrorName(CodecError error)
{
    switch (error) {
    case CodecError::InvalidArgument: return "invalid argument";
    case CodecError::TypeMismatch: return "type mismatch";
    case CodecError::Overflow: return "overflow";
    }
    return "unknown";
}

bool isHexCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f');
}

CodecResult<quint8> HexDigitValue(const QString &text)
{
    if (text.isEmpty())
        return CodecError::InvalidArgument;
    if (!isHexCharacter(text.front()))
        return quint8(0);
    if (text.size() == 1) {
        const char16_t u = text.front().unicode();
        if (u >= 'A' && u <= 'F')
            return quint8(u - 'A' + 10);
        if (u >= 'a' && u <= 'f')
            return quint8(u - 'a' + 10);
    }
    // No caller passes more than one character; a longer text is read as a
    // decimal number so that the outcome is still well defined.
    const std::optional<DecimalFloor> number = parseDecimalFloor(text);
    if (!number)
        return CodecError::TypeMismatch;
    if (number->value < 0 || number->value > 255)
        return CodecError::Overflow;
    return quint8(number->value);
}

CodecResult<QString> HexPairToByteText(const QString &text)
{
    const CodecResult<quint8> high = HexDigitValue(text.left(1));
    if (!high)
        return high.error();
    const CodecResult<quint8> low = HexDigitValue(text.mid(1, 1));
    if (!low)
        return low.error();
    return QString::number(*high * 16 + *low);
}

CodecResult<quint8> Hex_S(const QString &text)
{
    if (text.isEmpty())
        return CodecError::InvalidArgument;
    const CodecResult<quint8> high = HexDigitValue(text.left(1));
    const CodecResult<quint8> low = HexDigitValue(text.right(1));
    if (!high)
        return high.error();
    if (!low)
        return low.error();
    return quint8(*high * 16 + *low);
}

CodecResult<quint8> BitsToByte(const QString &text)
{
    const qsizetype length = text.size();
    unsigned value = 0;
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t u = text[i].unicode();
        if (u < '0' || u > '9')
            return CodecError::TypeMismatch;
        const unsigned digit = u - '0';
        const qsizetype weight = length - 1 - i;
        if (digit == 0)
            continue;
        if (weight >= 8)
            return CodecError::Overflow;
        value += digit << weight;
        if (value > 255)
            return CodecError::Overflow;
    }
    return quint8(value);
}

}  // namespace smscfg
