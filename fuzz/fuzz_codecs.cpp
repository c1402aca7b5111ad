#include "fuzz_input.h"
#include "protocol/codecs.h"
#include "protocol/decimal_text.h"
#include "protocol/text_fields.h"

#include <cstdio>

using namespace smscfg;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const QString text = in.text();

    const auto digit = HexDigitValue(text);
    FUZZ_CHECK(digit.ok() || !text.isEmpty() || digit.error() == CodecError::InvalidArgument);
    if (text.size() == 1)
        FUZZ_CHECK(digit.ok() && *digit <= 15);

    const auto pair = HexPairToByteText(text);
    FUZZ_CHECK(pair.ok() == (text.size() >= 2) || !pair.ok());
    if (pair.ok()) {
        bool ok = false;
        const int value = pair->toInt(&ok);
        FUZZ_CHECK(ok && value >= 0 && value <= 255);
    }
    const auto hexS = Hex_S(text);
    FUZZ_CHECK(hexS.ok() == !text.isEmpty());

    const auto bits = BitsToByte(text);
    if (!bits.ok())
        FUZZ_CHECK(bits.error() == CodecError::TypeMismatch || bits.error() == CodecError::Overflow);

    if (const auto floor = parseDecimalFloor(text))
        FUZZ_CHECK(floor->value >= -DecimalFloor::Limit && floor->value <= DecimalFloor::Limit);
    if (const auto byte = DecimalTextToByte(text))
        FUZZ_CHECK(parseDecimalFloor(trimSpaces(text))->value == *byte);

    const QByteArray list = HexTextToBytes(text);
    FUZZ_CHECK(list.size() == hexTextByteCount(text));
    FUZZ_CHECK(list.size() <= (trimSpaces(text).size() + 1) / 2 + 1);

    for (const int width : {10, 16}) {
        FUZZ_CHECK(DescriptionField(text, width, TextEncoding::Unicode).size() == width);
        FUZZ_CHECK(DescriptionField(text, width, TextEncoding::CodePage).size() == width);
    }

    const auto phone = PhoneNumberField(text);
    if (const auto *field = std::get_if<QByteArray>(&phone)) {
        FUZZ_CHECK(field->size() == PhoneNumberFieldSize);
        FUZZ_CHECK(trimSpaces(text).size() <= PhoneNumberMaxLength);
    } else if (std::get<PhoneNumberProblem>(phone) == PhoneNumberProblem::TooLong) {
        FUZZ_CHECK(trimSpaces(text).size() > PhoneNumberMaxLength);
    }

    PhoneTicks ticks{};
    const uint8_t a = in.byte(), b = in.byte();
    for (int n = 0; n < 16; ++n)
        ticks[n] = ((n < 8 ? a : b) >> (n % 8)) & 1;
    const QByteArray mask = PhoneMask(ticks);
    FUZZ_CHECK(mask.size() == 2);
    for (int n = 0; n < 16; ++n) {
        const unsigned value = unsigned(quint8(mask[0])) << 8 | quint8(mask[1]);
        FUZZ_CHECK(bool(value & (1u << n)) == !ticks[n]);
    }
    return 0;
}
