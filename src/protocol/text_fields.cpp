#include "protocol/text_fields.h"

#include "protocol/cp936.h"
#include "protocol/decimal_text.h"

#include <algorithm>

namespace smscfg {
namespace {

// Calls `visit` with each code point of `text`; a lone surrogate is passed as is.
template <typename F>
void forEachCodePoint(std::u16string_view text, F visit)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            visit(char32_t(0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00)));
            ++i;
        } else {
            visit(char32_t(c));
        }
    }
}

}  // namespace

Bytes descriptionField(std::u16string_view text, int width, TextEncoding encoding)
{
    const std::u16string trimmed = trimSpaces(text);
    const auto size = std::size_t(width);
    Bytes field;
    field.reserve(size);
    // Stops once the field is full, so a pasted wall of text costs nothing.
    if (encoding == TextEncoding::Unicode) {
        for (std::size_t i = 0; i < trimmed.size() && field.size() < size; ++i) {
            field.push_back(std::uint8_t(trimmed[i] >> 8));
            field.push_back(std::uint8_t(trimmed[i] & 0xFF));
        }
    } else {
        forEachCodePoint(std::u16string_view(trimmed).substr(0, size), [&](char32_t cp) {
            if (field.size() >= size)
                return;
            const Bytes code = cp936::encodeCodePoint(cp);
            if (code.empty())
                field.push_back('?');
            field.insert(field.end(), code.begin(), code.end());
        });
    }
    if (field.size() > size)
        field.resize(size);
    for (int k = 0; field.size() < size; ++k)
        field.push_back(k % 2 == 0 ? 0x00 : 0x20);
    return field;
}

std::variant<Bytes, PhoneNumberProblem> phoneNumberField(std::u16string_view text)
{
    const std::u16string number = trimSpaces(text);
    // Cutting a longer number would store another number.
    if (number.size() > std::size_t(wire::PhoneNumberFieldSize))
        return PhoneNumberProblem::TooLong;
    Bytes field;
    std::optional<PhoneNumberProblem> problem;
    forEachCodePoint(number, [&](char32_t cp) {
        const Bytes code = cp936::encodeCodePoint(cp);
        if (cp < 0x20 || cp == 0x7F)
            problem = problem.value_or(PhoneNumberProblem::ControlCharacter);
        else if (code.size() != 1)
            problem = problem.value_or(PhoneNumberProblem::NotSingleByte);
        else
            field.push_back(code[0]);
    });
    if (problem)
        return *problem;
    field.resize(std::size_t(wire::PhoneNumberFieldSize), 0);
    return field;
}

std::optional<std::u16string> phoneNumberOfField(ByteView field)
{
    const auto end = std::find(field.begin(), field.end(), std::uint8_t(0));
    if (std::any_of(end, field.end(), [](std::uint8_t b) { return b != 0; }))
        return std::nullopt;
    return std::u16string(field.begin(), end);
}

Bytes phoneMask(const PhoneTicks &ticked)
{
    unsigned mask = 0xFFFF;
    for (std::size_t n = 0; n < ticked.size(); ++n) {
        if (ticked[n])
            mask &= ~(1u << n);
    }
    return {std::uint8_t(mask >> 8), std::uint8_t(mask & 0xFF)};
}

std::vector<int> phonesOfMask(std::uint8_t high, std::uint8_t low)
{
    const unsigned mask = unsigned(high) << 8 | low;
    std::vector<int> on;
    for (int phone = 1; phone <= wire::PhoneSlotCount; ++phone)
        if (!(mask & (1u << (phone - 1))))
            on.push_back(phone);
    return on;
}

}  // namespace smscfg
