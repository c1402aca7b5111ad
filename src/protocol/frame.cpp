#include "protocol/frame.h"

namespace smscfg {

std::optional<CommandFrame> CommandFrame::build(quint8 code, const QByteArray &payload)
{
    if (payload.size() > MaxPayload)
        return std::nullopt;
    const int n = MinSize + int(payload.size());
    QByteArray bytes(n, '\0');
    bytes[0] = char(Start1);
    bytes[1] = char(Start2);
    bytes[2] = char(n);
    bytes[3] = 0;
    bytes[4] = char(code);
    for (int i = 0; i < payload.size(); ++i)
        bytes[5 + i] = payload[i];
    bytes[n - 2] = char(frameChecksum(bytes));
    bytes[n - 1] = char(End);
    return CommandFrame(std::move(bytes));
}

QString CommandFrame::toHex() const
{
    return hexText(m_bytes);
}

quint8 frameChecksum(const QByteArray &frame)
{
    const qsizetype n = frame.size();
    if (n < CommandFrame::MinSize)
        return 0;
    unsigned sum = 0;
    for (qsizetype i = 2; i <= n - 3; ++i)
        sum += quint8(frame[i]);
    return quint8(sum & 0xFF);
}

bool isWellFormedFrame(const QByteArray &bytes)
{
    const qsizetype n = bytes.size();
    if (n < CommandFrame::MinSize || n > CommandFrame::MaxSize)
        return false;
    return quint8(bytes[0]) == CommandFrame::Start1 && quint8(bytes[1]) == CommandFrame::Start2
        && quint8(bytes[2]) == n && bytes[3] == 0 && quint8(bytes[n - 2]) == frameChecksum(bytes)
        && quint8(bytes[n - 1]) == CommandFrame::End;
}

QString hexText(const QByteArray &bytes, const QString &separator)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(bytes.size() * (2 + separator.size()));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out += separator;
        const quint8 b = quint8(bytes[i]);
        out += QLatin1Char(digits[b >> 4]);
        out += QLatin1Char(digits[b & 0x0F]);
    }
    return out;
}

}  // namespace smscfg
