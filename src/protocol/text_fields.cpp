#include "protocol/text_fields.h"

#include "protocol/cp936.h"
#include "protocol/decimal_text.h"

#include <optional>

namespace smscfg {
namespace {

// Calls `visit` with each code point of `text`; a lone surrogate is passed as is.
template <typename F>
void forEachCodePoint(const QString &text, F visit)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            visit(QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
        } else {
            visit(char32_t(c.unicode()));
        }
    }
}

}  // namespace

QByteArray descriptionField(const QString &text, int width, TextEncoding encoding)
{
    const QString trimmed = trimSpaces(text);
    QByteArray field;
    field.reserve(width);
    // Stops once the field is full, so a pasted wall of text costs nothing.
    if (encoding == TextEncoding::Unicode) {
        for (qsizetype i = 0; i < trimmed.size() && field.size() < width; ++i) {
            field.append(char(trimmed[i].unicode() >> 8));
            field.append(char(trimmed[i].unicode() & 0xFF));
        }
    } else {
        forEachCodePoint(trimmed.left(width), [&](char32_t cp) {
            if (field.size() >= width)
                return;
            const std::vector<std::uint8_t> code = cp936::encodeCodePoint(cp);
            if (code.empty())
                field.append('?');
            for (const std::uint8_t b : code)
                field.append(char(b));
        });
    }
    field.truncate(width);
    for (int k = 0; field.size() < width; ++k)
        field.append(k % 2 == 0 ? '\0' : ' ');
    return field;
}

std::variant<QByteArray, PhoneNumberProblem> phoneNumberField(const QString &text)
{
    const QString number = trimSpaces(text);
    // Cutting a longer number would store another number.
    if (number.size() > wire::PhoneNumberFieldSize)
        return PhoneNumberProblem::TooLong;
    QByteArray field;
    std::optional<PhoneNumberProblem> problem;
    forEachCodePoint(number, [&](char32_t cp) {
        const std::vector<std::uint8_t> code = cp936::encodeCodePoint(cp);
        if (cp < 0x20 || cp == 0x7F)
            problem = problem.value_or(PhoneNumberProblem::ControlCharacter);
        else if (code.size() != 1)
            problem = problem.value_or(PhoneNumberProblem::NotSingleByte);
        else
            field.append(char(code[0]));
    });
    if (problem)
        return *problem;
    field.append(QByteArray(wire::PhoneNumberFieldSize - field.size(), '\0'));
    return field;
}

QByteArray phoneMask(const PhoneTicks &ticked)
{
    unsigned mask = 0xFFFF;
    for (size_t n = 0; n < ticked.size(); ++n) {
        if (ticked[n])
            mask &= ~(1u << n);
    }
    return QByteArray{} + char(mask >> 8) + char(mask & 0xFF);
}

}  // namespace smscfg

namespace smscfg {

std::optional<QString> phoneNumberOfField(const QByteArray &field)
{
    const qsizetype end = field.indexOf('\0');
    if (end < 0)
        return QString::fromLatin1(field);
    for (qsizetype i = end; i < field.size(); ++i)
        if (field[i] != 0)
            return std::nullopt;
    return QString::fromLatin1(field.left(end));
}

QList<int> phonesOfMask(quint8 high, quint8 low)
{
    const unsigned mask = unsigned(high) << 8 | low;
    QList<int> on;
    for (int phone = 1; phone <= wire::PhoneSlotCount; ++phone)
        if (!(mask & (1u << (phone - 1))))
            on << phone;
    return on;
}

}  // namespace smscfg
