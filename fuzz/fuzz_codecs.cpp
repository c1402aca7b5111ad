#include "fuzz_input.h"
#include "protocol/decimal_text.h"
#include "protocol/frame.h"
#include "protocol/hex_text.h"
#include "protocol/text_fields.h"

#include <cstdio>

using namespace smscfg;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const std::u16string text = in.text();

    for (const char16_t c : text) {
        if (const auto digit = hexDigitValue(c))
            FUZZ_CHECK(*digit <= 15);
    }

    if (const auto floor = parseDecimalFloor(text))
        FUZZ_CHECK(floor->value >= -DecimalFloor::Limit && floor->value <= DecimalFloor::Limit);
    if (const auto byte = decimalTextToByte(text))
        FUZZ_CHECK(parseDecimalFloor(trimSpaces(text))->value == *byte);

    if (const auto list = hexListToBytes(text)) {
        std::u16string digits;
        for (const char16_t c : text)
            if (c != u' ')
                digits += c >= u'a' && c <= u'f' ? char16_t(c - u'a' + u'A') : c;
        FUZZ_CHECK(list->size() * 2 == digits.size());
        FUZZ_CHECK(hexText(*list, u"") == digits);
    }

    for (const int width : {10, 16}) {
        FUZZ_CHECK(descriptionField(text, width, TextEncoding::Unicode).size() == size_t(width));
        FUZZ_CHECK(descriptionField(text, width, TextEncoding::CodePage).size() == size_t(width));
    }

    const auto phone = phoneNumberField(text);
    if (const auto *field = std::get_if<Bytes>(&phone)) {
        FUZZ_CHECK(field->size() == size_t(wire::PhoneNumberFieldSize));
        FUZZ_CHECK(trimSpaces(text).size() <= size_t(wire::PhoneNumberFieldSize));
    } else if (std::get<PhoneNumberProblem>(phone) == PhoneNumberProblem::TooLong) {
        FUZZ_CHECK(trimSpaces(text).size() > size_t(wire::PhoneNumberFieldSize));
    }

    PhoneTicks ticks{};
    const uint8_t a = in.byte(), b = in.byte();
    for (size_t n = 0; n < ticks.size(); ++n)
        ticks[n] = ((n < 8 ? a : b) >> (n % 8)) & 1;
    const Bytes mask = phoneMask(ticks);
    FUZZ_CHECK(mask.size() == 2);
    for (size_t n = 0; n < ticks.size(); ++n) {
        const unsigned value = unsigned(mask[0]) << 8 | mask[1];
        FUZZ_CHECK(bool(value & (1u << n)) == !ticks[n]);
    }
    return 0;
}
