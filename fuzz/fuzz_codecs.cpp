#include "fuzz_input.h"
#include "protocol/decimal_text.h"
#include "protocol/hex_text.h"
#include "protocol/text_fields.h"

#include <cstdio>

using namespace smscfg;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const QString text = in.text();

    for (const QChar c : text) {
        if (const auto digit = hexDigitValue(c))
            FUZZ_CHECK(*digit <= 15);
    }

    if (const auto floor = parseDecimalFloor(text))
        FUZZ_CHECK(floor->value >= -DecimalFloor::Limit && floor->value <= DecimalFloor::Limit);
    if (const auto byte = decimalTextToByte(text))
        FUZZ_CHECK(parseDecimalFloor(trimSpaces(text))->value == *byte);

    if (const auto list = hexListToBytes(text)) {
        const QString digits = QString(text).remove(u' ');
        FUZZ_CHECK(list->size() * 2 == digits.size());
        FUZZ_CHECK(QString::fromLatin1(list->toHex()).compare(digits, Qt::CaseInsensitive) == 0);
    }

    for (const int width : {10, 16}) {
        FUZZ_CHECK(descriptionField(text, width, TextEncoding::Unicode).size() == width);
        FUZZ_CHECK(descriptionField(text, width, TextEncoding::CodePage).size() == width);
    }

    const auto phone = phoneNumberField(text);
    if (const auto *field = std::get_if<QByteArray>(&phone)) {
        FUZZ_CHECK(field->size() == wire::PhoneNumberFieldSize);
        FUZZ_CHECK(trimSpaces(text).size() <= wire::PhoneNumberFieldSize);
    } else if (std::get<PhoneNumberProblem>(phone) == PhoneNumberProblem::TooLong) {
        FUZZ_CHECK(trimSpaces(text).size() > wire::PhoneNumberFieldSize);
    }

    PhoneTicks ticks{};
    const uint8_t a = in.byte(), b = in.byte();
    for (size_t n = 0; n < ticks.size(); ++n)
        ticks[n] = ((n < 8 ? a : b) >> (n % 8)) & 1;
    const QByteArray mask = phoneMask(ticks);
    FUZZ_CHECK(mask.size() == 2);
    for (size_t n = 0; n < ticks.size(); ++n) {
        const unsigned value = unsigned(quint8(mask[0])) << 8 | quint8(mask[1]);
        FUZZ_CHECK(bool(value & (1u << n)) == !ticks[n]);
    }
    return 0;
}
