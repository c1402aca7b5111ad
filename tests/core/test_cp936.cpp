#include "bytes.h"
#include "protocol/cp936.h"

#include <doctest/doctest.h>

using namespace smscfg;

TEST_CASE("code page 936: one code point")
{
    struct Row {
        const char *name;
        char32_t codePoint;
        const char *code;  // "" when there is none
    };
    const Row rows[] = {
        {"NUL is itself", 0x00, "00"},
        {"ASCII is itself", U'A', "41"},
        {"DEL is itself", 0x7F, "7F"},
        {"euro sign is one byte", U'€', "80"},
        {"GB2312 hanzi", U'温', "CE C2"},
        {"first GB2312 hanzi", U'啊', "B0 A1"},
        {"GBK extension, lead 81", U'丂', "81 40"},
        {"ideographic full stop", U'。', "A1 A3"},
        {"full-width digit", U'０', "A3 B0"},
        {"private use has none", 0xE000, ""},
        {"Thai has none", 0x0E01, ""},
        {"Latin-1 middle of the range has none", 0x00C0, ""},
        {"non-BMP has none", 0x1F600, ""},
        {"tag character has none", 0xE0041, ""},
        {"lone surrogate has none", 0xDC00, ""},
        {"beyond Unicode has none", 0x110000, ""},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(hexOf(cp936::encodeCodePoint(row.codePoint)) == hexOf(bytesOf(row.code)));
    }
}

TEST_CASE("code page 936: decoding")
{
    struct Row {
        const char *name;
        const char *bytes;
        std::u16string text;
    };
    const Row rows[] = {
        {"empty", "", u""},
        {"ASCII", "41 42", u"AB"},
        {"hanzi and ASCII", "CE C2 B6 C8 41 D2 BB", u"温度A一"},
        {"euro sign alone", "80", u"€"},
        {"lead 81", "81 40", u"丂"},
        {"FF alone is bad", "FF 41", u"\uFFFDA"},
        {"lead at the end is bad", "41 81", u"A\uFFFD"},
        {"bad trail costs the lead only", "81 30", u"\uFFFD0"},
        {"trail FF is bad, then FF again", "81 FF", u"\uFFFD\uFFFD"},
        {"unassigned code", "A2 A0", u"\uFFFD\uFFFD"},
        {"trail 7F is no trail", "81 7F", u"\uFFFD\u007F"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(utf8Of(cp936::decode(bytesOf(row.bytes))) == utf8Of(row.text));
    }
}
