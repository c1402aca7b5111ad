#include "bytes.h"
#include "protocol/decimal_text.h"
#include "protocol/hex_text.h"
#include "protocol/text.h"

#include <doctest/doctest.h>

using namespace smscfg;

TEST_CASE("hex digits")
{
    struct Row {
        const char *name;
        char16_t input;
        int expected;  // -1: not a hex digit
    };
    const Row rows[] = {
        {"0", u'0', 0},         {"9", u'9', 9},          {"A", u'A', 10},         {"a", u'a', 10},
        {"F", u'F', 15},        {"f", u'f', 15},         {"G", u'G', -1},         {"g", u'g', -1},
        {"blank", u' ', -1},    {"before 0", u'/', -1},  {"after 9", u':', -1},   {"before A", u'@', -1},
        {"chinese", u'温', -1}, {"full-width 1", u'１', -1}, {"high surrogate", 0xD83D, -1},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const std::optional<std::uint8_t> value = hexDigitValue(row.input);
        CHECK((value ? int(*value) : -1) == row.expected);
    }
}

TEST_CASE("decimal texts to a byte")
{
    struct Row {
        const char *name;
        std::u16string input;
        int expected;  // -1: refused
    };
    const Row rows[] = {
        {"7", u"7", 7},
        {"blanks around", u" 12 ", 12},
        {"fraction floors", u"12.9", 12},
        {"255", u"255", 255},
        {"0", u"0", 0},
        {"minus zero", u"-0", 0},
        {"plus sign", u"+5", 5},
        {"trailing point", u"5.", 5},
        {"leading point", u".5", 0},
        {"255.999", u"255.999", 255},
        {"leading zeros", u"000000000000000000000042", 42},
        {"256", u"256", -1},
        {"-1", u"-1", -1},
        {"-0.5 floors to -1", u"-0.5", -1},
        {"only blanks", u"   ", -1},
        {"empty", u"", -1},
        {"1a", u"1a", -1},
        {"inner blank", u"1 2", -1},
        {"tab is not trimmed", u"\t7", -1},
        {"exponent", u"1e2", -1},
        {"lone point", u".", -1},
        {"lone sign", u"-", -1},
        {"two points", u"1.2.3", -1},
        {"full-width digits", u"１２", -1},
        {"huge", std::u16string(400, u'9'), -1},
        {"huge negative", u"-" + std::u16string(400, u'9') + u".5", -1},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const std::optional<std::uint8_t> value = decimalTextToByte(row.input);
        CHECK((value ? int(*value) : -1) == row.expected);
    }
}

TEST_CASE("the decimal floor is clamped")
{
    CHECK(parseDecimalFloor(std::u16string(30, u'9'))->value == DecimalFloor::Limit);
    CHECK(parseDecimalFloor(u"-" + std::u16string(30, u'9'))->value == -DecimalFloor::Limit);
    CHECK(parseDecimalFloor(u"16.5")->value == 16);
    CHECK(parseDecimalFloor(u"-16.5")->value == -17);
}

TEST_CASE("trimming takes spaces only")
{
    CHECK(trimSpaces(u"  a b  ") == u"a b");
    CHECK(trimSpaces(u"\ta\t") == u"\ta\t");
    CHECK(trimSpaces(u"\u3000a") == u"\u3000a");
    CHECK(trimSpaces(u"    ").empty());
}

TEST_CASE("whole numbers as the command line reads them")
{
    struct Row {
        const char *name;
        std::u16string input;
        std::optional<int> expected;
    };
    const Row rows[] = {
        {"digits", u"250", 250},
        {"blanks around", u" 5\t", 5},
        {"plus sign", u"+5", 5},
        {"minus sign", u"-3", -3},
        {"largest int", u"2147483647", 2147483647},
        {"smallest int", u"-2147483648", -2147483647 - 1},
        {"past int", u"2147483648", std::nullopt},
        {"many digits", u"99999999999999999999", std::nullopt},
        {"ideographic space is no blank", u"\u30005", std::nullopt},
        {"fraction", u"1.5", std::nullopt},
        {"hex", u"0x5", std::nullopt},
        {"empty", u"", std::nullopt},
        {"sign alone", u"-", std::nullopt},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(text::toInt(row.input) == row.expected);
    }
}

TEST_CASE("UTF-8 and back")
{
    CHECK(text::toUtf8(u"温度A") == "\xE6\xB8\xA9\xE5\xBA\xA6" "A");
    CHECK(text::toUtf8(u"\U0001F600") == "\xF0\x9F\x98\x80");
    CHECK(text::toUtf8(std::u16string(1, char16_t(0xD800))) == "\xEF\xBF\xBD");
    CHECK(text::fromUtf8("\xE6\xB8\xA9" "A") == u"温A");
    CHECK(text::fromUtf8("\xF0\x9F\x98\x80") == u"\U0001F600");
    CHECK(text::fromUtf8("\xFF" "A") == u"\uFFFDA");
    CHECK(text::fromUtf8("\xC0\x80") == u"\uFFFD\uFFFD");
}

TEST_CASE("texts are filled by position")
{
    CHECK(text::fill(u"%1必须是%2到%3之间的数字", {u"设备总数", u"0", u"255"}) == u"设备总数必须是0到255之间的数字");
    CHECK(text::fill(u"%2 and %1", {u"a", u"b"}) == u"b and a");
    CHECK(text::fill(u"%1", {u"%2"}) == u"%2");
    CHECK(text::fill(u"100%", {}) == u"100%");
}
