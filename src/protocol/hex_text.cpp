#include "protocol/hex_text.h"

namespace smscfg {

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

std::optional<QByteArray> hexListToBytes(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    std::optional<quint8> high;
    for (const QChar c : text) {
        if (c == u' ')
            continue;
        const std::optional<quint8> digit = hexDigitValue(c);
        if (!digit)
            return std::nullopt;
        if (!high) {
            high = digit;
        } else {
            bytes.append(char(*high * 16 + *digit));
            high.reset();
        }
    }
    if (high)
        return std::nullopt;
    return bytes;
}

}  // namespace smscfg
