#include "bytes.h"
#include "commands/request_words.h"
#include "protocol/description_text.h"
#include "protocol/request_text.h"
#include "protocol/text.h"

#include <doctest/doctest.h>

using namespace smscfg;

namespace {

const LocalTime SundayEvening{2026, 12, 6, 20, 38, 7};

Bytes frameOf(const Words &words)
{
    const auto parsed = parseRequestWords(words, SundayEvening);
    const ParsedRequest &request = std::get<ParsedRequest>(parsed);
    return request.command->build(request.controls).frame().bytes();
}

}  // namespace

// Requests and replies in words, as the log, the trace and the simulator
// show them.
TEST_CASE("requests in words")
{
    struct Row {
        const char *name;
        Bytes frame;
        const char *words;
    };
    const Row rows[] = {
        {"init", frameOf({u"init"}), "0x45 初始化"},
        {"device count", frameOf({u"device-count", u"12"}), "0x46 设备总数 = 12"},
        {"addresses", frameOf({u"addresses", u"0102"}), "0x47 地址 = 01 02（2个）"},
        {"port counts, an empty list", frameOf({u"port-counts", u" "}), "0x48 设备端口数 = （0个）"},
        {"device description", frameOf({u"device-desc", u"1", u"温度", u"01"}), "0x49 设备1描述 = “温度”（Unicode），内容 01"},
        {"device description, code page", frameOf({u"device-desc", u"--codepage", u"2", u"A温", u"0A0B"}),
         "0x49 设备2描述 = “A温”（GBK），内容 0A 0B"},
        {"port description", frameOf({u"port-desc", u"1", u"2", u"AB12"}), "0x4A 设备1端口2描述 = “AB12”（Unicode）"},
        {"centre", frameOf({u"centre", u"13800138000"}), "0x4B 短信中心号码 = 13800138000"},
        {"phone", frameOf({u"phone", u"3", u"13912345678"}), "0x4C 第3个电话 = 13912345678"},
        {"device switches", frameOf({u"device-switches", u"1", u"--phones", u"1,16"}), "0x4D 设备1 短信发给电话 1,16"},
        {"device switches, none", frameOf({u"device-switches", u"1"}), "0x4D 设备1 不发送短信"},
        {"probe switches", frameOf({u"probe-switches", u"1", u"2", u"--phones", u"3"}), "0x4E 设备1探头2 短信发给电话 3"},
        {"probe type", frameOf({u"probe-type", u"1", u"2"}), "0x4F 设备1探头2类型 = 开关量"},
        {"probe type other than a switch", bytesOf("7E FE 0A 00 4F 01 02 12 6E 16"), "0x4F 设备1探头2类型 = 0x12"},
        {"upper limit", frameOf({u"upper-limit", u"1", u"2", u"high"}), "0x50 设备1探头2告警上限 = 高电平"},
        {"lower limit", frameOf({u"lower-limit", u"1", u"2", u"low"}), "0x51 设备1探头2告警下限 = 低电平"},
        {"level other than high or low", bytesOf("7E FE 0D 00 50 01 02 00 00 00 00 60 16"), "0x50 设备1探头2告警上限 = 0x00"},
        {"clock", frameOf({u"clock", u"now"}), "0x52 时间 = 26-12-06 20:38 星期天"},
        {"clock, weekday out of range", bytesOf("7E FE 0D 00 52 26 12 06 20 38 08 FD 16"), "0x52 时间 = 26-12-06 20:38 星期0x08"},
        {"port description, byte 7 not 01", bytesOf("7E FE 14 00 4A 01 02 02 00 41 00 20 00 20 00 20 00 20 24 16"),
         "0x4A 设备1端口2描述 = “A”（Unicode）（第7字节是02，不是01）"},
        {"wrong size", bytesOf("7E FE 09 00 46 01 02 52 16"), "0x46 负载2字节，长度不对"},
        {"unknown code", bytesOf("7E FE 07 00 60 67 16"), "0x60 未知命令"},
        {"damaged", bytesOf("7E FE 07 00 45 4D 16"), "不完整或损坏的帧"},
        {"ESC in a description is escaped", frameOf({u"port-desc", u"1", u"2", u"A\x1b[2J"}),
         "0x4A 设备1端口2描述 = “A\\x1b[2J”（Unicode）"},
        {"bytes after a number", bytesOf("7E FE 12 00 4B 31 00 32 00 00 00 00 00 00 00 00 C0 16"),
         "0x4B 短信中心号码 = （号码后有多余字节：31 00 32 00 00 00 00 00 00 00 00）"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(text::toUtf8(describeRequest(row.frame)) == row.words);
    }
}

TEST_CASE("replies in words")
{
    struct Row {
        const char *name;
        const char *bytes;
        const char *words;
    };
    const Row rows[] = {
        {"accepted", "7E FE 08 00 4C 06 5A 16", "0x4C 的应答：接受"},
        {"refused", "7E FE 08 00 52 09 63 16", "0x52 的应答：拒绝"},
        {"other status", "7E FE 08 00 45 07 54 16", "0x45 的应答：状态07"},
        {"not a frame", "00 11 22 33 44 06", ""},
        {"a request, no status", "7E FE 07 00 45 4C 16", ""},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(text::toUtf8(describeReply(bytesOf(row.bytes))) == row.words);
    }
}

TEST_CASE("texts escaped for the log")
{
    struct Row {
        const char *name;
        std::u16string text;
        std::u16string escaped;
    };
    const Row rows[] = {
        {"plain", u"温度 AB12", u"温度 AB12"},
        {"ESC", u"\x1b[31m", u"\\x1b[31m"},
        {"newline and tab", u"a\nb\tc", u"a\\x0ab\\x09c"},
        {"DEL", u"\x7f", u"\\x7f"},
        {"backslash doubled", u"\\x1b", u"\\\\x1b"},
        {"C1 control", std::u16string(1, char16_t(0x9B)), u"\\u009b"},
        {"format character", u"a\u200Eb", u"a\\u200eb"},
        {"private use", std::u16string(1, char16_t(0xE000)), u"\\ue000"},
        {"unassigned", std::u16string(1, char16_t(0x0378)), u"\\u0378"},
        {"emoji kept", u"😀", u"😀"},
        {"lone surrogate", std::u16string(1, char16_t(0xD800)), u"\\ud800"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(text::toUtf8(escapeForLog(row.text)) == text::toUtf8(row.escaped));
    }
}

TEST_CASE("description fields read back")
{
    struct Row {
        const char *name;
        const char *field;
        std::u16string text;
        std::u16string encoding;
    };
    const Row rows[] = {
        {"温度 utf-16", "6E 29 5E A6 00 20 00 20 00 20", u"温度", u"unicode"},
        {"温度 gbk", "CE C2 B6 C8 00 20 00 20 00 20", u"温度", u"codepage"},
        {"A gbk, odd", "41 00 20 00 20 00 20 00 20 00", u"A", u"codepage"},
        {"AB12 utf-16", "00 41 00 42 00 31 00 32 00 20", u"AB12", u"unicode"},
        {"A温 gbk", "41 CE C2 00 20 00 20 00 20 00", u"A温", u"codepage"},
        {"一 ends in 00", "4E 00 00 20 00 20 00 20 00 20", u"一", u"unicode"},
        {"empty", "00 20 00 20 00 20 00 20 00 20", u"", u"unicode"},
        {"full gbk", "D2 BB B6 FE C8 FD CB C4 CE E5", u"一二三四五", u"codepage"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const DecodedDescription d = decodeDescriptionField(bytesOf(row.field));
        CHECK(text::toUtf8(d.text) == text::toUtf8(row.text));
        CHECK(text::toUtf8(d.encoding) == text::toUtf8(row.encoding));
    }
}
