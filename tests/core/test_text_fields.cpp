#include "bytes.h"
#include "protocol/hex_text.h"
#include "protocol/text_fields.h"

#include <doctest/doctest.h>

#include <vector>

using namespace smscfg;

TEST_CASE("hex lists")
{
    struct Row {
        const char *name;
        std::u16string input;
        const char *expected;  // "refused" when not whole pairs
    };
    const Row rows[] = {
        {"pairs in order", u"010A1F", "01 0A 1F"},
        {"spaced pairs", u"01 0A 1F", "01 0A 1F"},
        {"spaces anywhere", u" 0 10 A1  F ", "01 0A 1F"},
        {"lower case", u"0a", "0A"},
        {"spaces only: an empty list", u"   ", ""},
        {"empty", u"", ""},
        {"one digit", u"7", "refused"},
        {"odd count", u"012", "refused"},
        {"not a hex digit", u"0G", "refused"},
        {"0x prefix", u"0x08", "refused"},
        {"chinese", u"温度", "refused"},
        {"tab is not a space", u"01\t02", "refused"},
        {"full-width digits", u"０１", "refused"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const std::optional<Bytes> bytes = hexListToBytes(row.input);
        CHECK((bytes ? hexOf(*bytes) : std::string("refused")) == row.expected);
    }
}

TEST_CASE("description fields")
{
    struct Row {
        const char *name;
        std::u16string text;
        int width;
        bool unicode;
        const char *expected;
    };
    const Row rows[] = {
        {"温度 unicode", u"温度", 16, true, "6E 29 5E A6 00 20 00 20 00 20 00 20 00 20 00 20"},
        {"温度 code page", u"温度", 16, false, "CE C2 B6 C8 00 20 00 20 00 20 00 20 00 20 00 20"},
        {"A温 odd count ends in 00", u"A温", 16, false, "41 CE C2 00 20 00 20 00 20 00 20 00 20 00 20 00"},
        {"A alone, width 10", u"A", 10, false, "41 00 20 00 20 00 20 00 20 00"},
        {"spaces only", u"     ", 10, true, "00 20 00 20 00 20 00 20 00 20"},
        {"outer spaces not encoded", u" AB ", 10, true, "00 41 00 42 00 20 00 20 00 20"},
        {"inner space encoded", u"A B", 10, false, "41 20 42 00 20 00 20 00 20 00"},
        {"top bit code unit", u"高", 10, true, "9A D8 00 20 00 20 00 20 00 20"},
        {"eight ASCII fill exactly", u"ABCDEFGH", 16, true, "00 41 00 42 00 43 00 44 00 45 00 46 00 47 00 48"},
        {"five CJK fill exactly", u"一二三四五", 10, false, "D2 BB B6 FE C8 FD CB C4 CE E5"},
        {"non-BMP as surrogates", u"😀", 10, true, "D8 3D DE 00 00 20 00 20 00 20"},
        {"non-BMP in code page is ?", u"😀A", 10, false, "3F 41 00 20 00 20 00 20 00 20"},
        {"unmappable is ?", u"A\u0e01B", 10, false, "41 3F 42 00 20 00 20 00 20 00"},
        {"tag char is ?", u"\U000E0041", 4, false, "3F 00 20 00"},
        {"lone surrogate is ?", std::u16string(1, char16_t(0xDC00)), 4, false, "3F 00 20 00"},
        {"euro is one byte", u"€", 4, false, "80 00 20 00"},
        {"too long is cut", u"ABCDEF", 4, false, "41 42 43 44"},
        {"a two-byte code at the edge is cut", u"ABC温", 4, false, "41 42 43 CE"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const Bytes field = descriptionField(row.text, row.width, row.unicode ? TextEncoding::Unicode : TextEncoding::CodePage);
        CHECK(hexOf(field) == row.expected);
    }
}

TEST_CASE("phone number fields")
{
    struct Row {
        const char *name;
        std::u16string text;
        const char *expected;  // hex, or the problem
    };
    const Row rows[] = {
        {"11 digits", u"12345678901", "31 32 33 34 35 36 37 38 39 30 31"},
        {"short is zero filled", u"1234567", "31 32 33 34 35 36 37 00 00 00 00"},
        {"trimmed", u"  1234567  ", "31 32 33 34 35 36 37 00 00 00 00"},
        {"12 refused, not cut", u"123456789012", "too long"},
        {"13 refused, not cut", u"8613912345678", "too long"},
        {"14 after trim refused", u" 12345678901234 ", "too long"},
        {"spaces only", u"   ", "00 00 00 00 00 00 00 00 00 00 00"},
        {"plus sign", u"+8613", "2B 38 36 31 33 00 00 00 00 00 00"},
        {"inner space", u"1 2", "31 20 32 00 00 00 00 00 00 00 00"},
        {"chinese refused", u"138温", "not single byte"},
        {"full-width digit refused", u"１", "not single byte"},
        {"unmappable refused", u"1\u0e01", "not single byte"},
        {"emoji refused", u"1😀", "not single byte"},
        {"ESC refused", u"139\x1b" u"1234", "control character"},
        {"tab refused", u"139\t1234", "control character"},
        {"DEL refused", u"139\x7f", "control character"},
        {"NUL refused", std::u16string(1, u'\0') + u"139", "control character"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const auto field = phoneNumberField(row.text);
        std::string actual;
        if (const auto *bytes = std::get_if<Bytes>(&field)) {
            actual = hexOf(*bytes);
        } else {
            switch (std::get<PhoneNumberProblem>(field)) {
            case PhoneNumberProblem::TooLong: actual = "too long"; break;
            case PhoneNumberProblem::NotSingleByte: actual = "not single byte"; break;
            case PhoneNumberProblem::ControlCharacter: actual = "control character"; break;
            }
        }
        CHECK(actual == row.expected);
    }
}

TEST_CASE("phone masks")
{
    struct Row {
        const char *name;
        std::vector<int> ticked;
        const char *expected;
    };
    const Row rows[] = {
        {"none", {}, "FF FF"},
        {"all", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, "00 00"},
        {"01 and 16", {1, 16}, "7F FE"},
        {"09 only", {9}, "FE FF"},
        {"08 only", {8}, "FF 7F"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        PhoneTicks ticks{};
        for (int phone : row.ticked)
            ticks[std::size_t(phone - 1)] = true;
        CHECK(hexOf(phoneMask(ticks)) == row.expected);
        const std::vector<std::uint8_t> mask = bytesOf(row.expected);
        CHECK(phonesOfMask(mask[0], mask[1]) == row.ticked);
    }
}

TEST_CASE("a phone number field read back")
{
    CHECK(phoneNumberOfField(bytesOf("31 32 33 00 00")) == u"123");
    CHECK(phoneNumberOfField(bytesOf("31 32 33")) == u"123");
    CHECK(phoneNumberOfField(bytesOf("31 00 32")) == std::nullopt);
}
