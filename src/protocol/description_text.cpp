#include "protocol/description_text.h"

#include "protocol/cp936.h"

namespace smscfg {
namespace {

bool matchesFill(const QByteArray &field, qsizetype from)
{
    for (qsizetype i = from; i < field.size(); ++i) {
        const char expected = (i - from) % 2 == 0 ? '\0' : ' ';
        if (field[i] != expected)
            return false;
    }
    return true;
}

bool plausibleUtf16(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
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

DecodedDescription decodeDescriptionField(const QByteArray &field)
{
    qsizetype length = 0;
    while (length < field.size() && !matchesFill(field, length))
        ++length;
    const QByteArray bytes = field.left(length);
    if (length % 2 == 0) {
        QString utf16;
        for (qsizetype i = 0; i < length; i += 2)
            utf16 += QChar(char16_t(quint8(bytes[i]) << 8 | quint8(bytes[i + 1])));
        if (plausibleUtf16(utf16))
            return {utf16, QStringLiteral("unicode"), bytes};
    }
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.constData());
    return {QString::fromStdU16String(cp936::decode({data, size_t(bytes.size())})), QStringLiteral("codepage"), bytes};
}

}  // namespace smscfg
