#include "protocol/hex_text.h"

#include "protocol/decimal_text.h"

namespace smscfg {
namespace {

qsizetype roundHalfToEven(qsizetype length)
{
    const qsizetype half = length / 2;
    if (length % 2 == 0)
        return half;
    return half % 2 == 0 ? half : half + 1;
}

}  // namespace

std::optional<quint8> hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return quint8(u - '0');
    if (u >= 'A' && u <= 'F')
        return quint8(u - 'A' + 10);
    if (u >= 'a' && u <= 'f')
        return quint8(u - 'a' + 10);
    return std::nullopt;
}

qsizetype hexTextByteCount(const QString &text)
{
    return roundHalfToEven(trimSpaces(text).size());
}

QByteArray hexTextToBytes(const QString &text)
{
    const QString trimmed = trimSpaces(text);
    const qsizetype n = roundHalfToEven(trimmed.size());
    QByteArray bytes;
    bytes.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        // The last slice of an odd length that rounds up is one character,
        // read as both digits.
        const QChar high = trimmed[2 * i];
        const QChar low = 2 * i + 1 < trimmed.size() ? trimmed[2 * i + 1] : high;
        bytes.append(char(hexDigitValue(high).value_or(0) * 16 + hexDigitValue(low).value_or(0)));
    }
    return bytes;
}

}  // namespace smscfg
