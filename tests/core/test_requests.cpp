#include "bytes.h"
#include "commands/command_table.h"
#include "protocol/text.h"

#include <doctest/doctest.h>

#include <set>
#include <string>
#include <vector>

using namespace smscfg;

namespace {

using S = std::string;  // UTF-8, as the rows are written
using Texts = std::vector<S>;

Texts operator+(Texts a, const Texts &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

S repeat(const S &part, int times)
{
    S out;
    for (int i = 0; i < times; ++i)
        out += part;
    return out;
}

// "Text13=1" pairs and ticked control names, as the window would read them.
ControlValues controls(const Texts &texts, const Texts &ticked)
{
    ControlValues v;
    for (const S &pair : texts) {
        const std::size_t eq = pair.find('=');
        v.texts.insert_or_assign(text::fromUtf8(pair.substr(0, eq)), text::fromUtf8(pair.substr(eq + 1)));
    }
    for (const S &name : ticked)
        v.ticked.insert(text::fromUtf8(name));
    return v;
}

// A frame as hex, "message:<text>" or "refusal:<text>".
S outcome(const BuildResult &r)
{
    switch (r.kind()) {
    case BuildResult::Kind::Frame: return text::toUtf8(r.frame().toHex());
    case BuildResult::Kind::Message: return "message:" + text::toUtf8(r.text());
    case BuildResult::Kind::Refusal: return "refusal:" + text::toUtf8(r.text());
    }
    return {};
}

const S Uni = "Check1";
const S Switch = "Check3";
const S Low = "Option1_0";
const S High = "Option1_1";

struct Row {
    S name;
    S button;
    Texts texts;
    Texts ticked;
    S expected;
};

std::vector<Row> requestRows()
{
    std::vector<Row> rows;
    auto row = [&rows](const char *name, const char *button, Texts texts, Texts ticked, const S &expected) {
        rows.push_back({name, button, std::move(texts), std::move(ticked), expected});
    };

    row("init", "Command2", {}, {}, "7E FE 07 00 45 4C 16");

    row("count 12", "Command3", {"Text3=12"}, {}, "7E FE 08 00 46 0C 5A 16");
    row("count 0", "Command3", {"Text3=0"}, {}, "7E FE 08 00 46 00 4E 16");
    row("count spaced 7", "Command3", {"Text3= 7 "}, {}, "7E FE 08 00 46 07 55 16");
    row("count 12.7", "Command3", {"Text3=12.7"}, {}, "7E FE 08 00 46 0C 5A 16");
    row("count empty", "Command3", {"Text3="}, {}, "message:设备总数");
    row("count spaces", "Command3", {"Text3=   "}, {}, "refusal:设备总数必须是0到255之间的数字");
    row("count 256", "Command3", {"Text3=256"}, {}, "refusal:设备总数必须是0到255之间的数字");

    row("addresses 0102", "Command4", {"Text2=0102"}, {}, "7E FE 09 00 47 01 02 53 16");
    row("addresses spaces", "Command4", {"Text2=  "}, {}, "7E FE 07 00 47 4E 16");
    const S addressPairs = "refusal:地址数必须是成对的16进制数字（0-9、A-F），两个数字一个字节";
    row("addresses 012", "Command4", {"Text2=012"}, {}, addressPairs);
    row("addresses 0G", "Command4", {"Text2=0G"}, {}, addressPairs);
    row("addresses 0x08", "Command4", {"Text2=0x08"}, {}, addressPairs);
    row("addresses 01 0A 1F", "Command4", {"Text2=01 0A 1F"}, {}, "7E FE 0A 00 47 01 0A 1F 7B 16");
    row("addresses empty", "Command4", {"Text2="}, {}, "message:地址数");
    row("addresses 248 bytes", "Command4", {"Text2=" + S(496, '0')}, {},
        "7E FE FF 00 47 " + repeat("00 ", 248) + "46 16");
    row("addresses 249 bytes", "Command4", {"Text2=" + S(498, '0')}, {},
        "refusal:地址数最多248个字节（496个16进制数字）");
    row("port counts 0408", "Command5", {"Text4=0408"}, {}, "7E FE 09 00 48 04 08 5D 16");
    row("port counts spaces", "Command5", {"Text4= "}, {}, "7E FE 07 00 48 4F 16");
    row("port counts odd", "Command5", {"Text4=040"}, {},
        "refusal:设备端口数必须是成对的16进制数字（0-9、A-F），两个数字一个字节");
    row("port counts empty", "Command5", {"Text4="}, {}, "message:设备端口数");

    const Texts dev = {"Text1=1", "Text9=01"};
    row("device 温度 unicode", "Command6", dev + Texts{"Text5=温度"}, {Uni},
        "7E FE 19 00 49 01 6E 29 5E A6 00 20 00 20 00 20 00 20 00 20 00 20 01 BF 16");
    row("device 温度 code page", "Command6", dev + Texts{"Text5=温度"}, {},
        "7E FE 19 00 49 01 CE C2 B6 C8 00 20 00 20 00 20 00 20 00 20 00 20 01 32 16");
    row("device A1 unicode", "Command6", dev + Texts{"Text5=A1"}, {Uni},
        "7E FE 19 00 49 01 00 41 00 31 00 20 00 20 00 20 00 20 00 20 00 20 01 96 16");
    row("device A温 code page", "Command6", dev + Texts{"Text5=A温"}, {},
        "7E FE 19 00 49 01 41 CE C2 00 20 00 20 00 20 00 20 00 20 00 20 00 01 F5 16");
    row("device empty box", "Command6", {"Text1=1", "Text5=A", "Text9="}, {Uni}, "message:地址或内容或描述");
    row("device 8 chars", "Command6", dev + Texts{"Text5=12345678"}, {Uni},
        "7E FE 19 00 49 01 00 31 00 32 00 33 00 34 00 35 00 36 00 37 00 38 01 08 16");
    row("device 9 chars with a leading space", "Command6", dev + Texts{"Text5= 12345678"}, {Uni},
        "message:描述的文字超过8个汉字");
    row("device non-BMP counts two", "Command6", dev + Texts{"Text5=1234567😀"}, {Uni},
        "message:描述的文字超过8个汉字");
    const S contentPairs = "refusal:内容必须是成对的16进制数字（0-9、A-F），两个数字一个字节";
    row("device content one digit", "Command6", {"Text1=1", "Text5=A", "Text9=7"}, {Uni}, contentPairs);
    row("device content chinese", "Command6", {"Text1=1", "Text5=A", "Text9=温度"}, {Uni}, contentPairs);
    row("device content spaces only", "Command6", {"Text1=1", "Text5=A", "Text9=  "}, {Uni},
        "refusal:内容至少要有一个字节（两个16进制数字）");
    row("device content too long", "Command6", {"Text1=1", "Text5=A", "Text9=" + S(464, '1')}, {Uni},
        "refusal:内容最多231个字节（462个16进制数字）");
    row("device address bad", "Command6", {"Text1=x", "Text5=A", "Text9=01"}, {Uni},
        "refusal:设备描述的地址必须是0到255之间的数字");
    row("device content 231 bytes", "Command6", {"Text1=0", "Text5=A", "Text9=" + S(462, '0')}, {},
        "7E FE FF 00 49 00 41 " + repeat("00 20 ", 7) + "00 " + repeat("00 ", 231)
            + "69 16");

    const Texts port = {"Text6=1", "Text7=2"};
    row("port 温度 unicode", "Command1", port + Texts{"Text8=温度"}, {Uni},
        "7E FE 14 00 4A 01 02 01 6E 29 5E A6 00 20 00 20 00 20 5D 16");
    row("port 温度 code page", "Command1", port + Texts{"Text8=温度"}, {},
        "7E FE 14 00 4A 01 02 01 CE C2 B6 C8 00 20 00 20 00 20 D0 16");
    row("port AB12", "Command1", port + Texts{"Text8=AB12"}, {Uni},
        "7E FE 14 00 4A 01 02 01 00 41 00 42 00 31 00 32 00 20 68 16");
    row("port spaces only", "Command1", port + Texts{"Text8=   "}, {Uni},
        "7E FE 14 00 4A 01 02 01 00 20 00 20 00 20 00 20 00 20 02 16");
    row("port A code page", "Command1", port + Texts{"Text8=A"}, {},
        "7E FE 14 00 4A 01 02 01 41 00 20 00 20 00 20 00 20 00 23 16");
    row("port five with outer spaces", "Command1", port + Texts{"Text8=  12345  "}, {Uni},
        "7E FE 14 00 4A 01 02 01 00 31 00 32 00 33 00 34 00 35 61 16");
    row("port six", "Command1", port + Texts{"Text8=123456"}, {Uni}, "message:描述的文字超过5个汉字");
    row("port empty", "Command1", {"Text6=1", "Text7=", "Text8=A"}, {Uni}, "message:地址或端口或描述");
    row("port bad port", "Command1", {"Text6=1", "Text7=300", "Text8=A"}, {Uni},
        "refusal:端口必须是0到255之间的数字");

    row("centre 11", "Command8", {"Text10=12345678901"}, {},
        "7E FE 12 00 4B 31 32 33 34 35 36 37 38 39 30 31 9B 16");
    row("centre 7", "Command8", {"Text10=1234567"}, {}, "7E FE 12 00 4B 31 32 33 34 35 36 37 00 00 00 00 C9 16");
    row("centre 12", "Command8", {"Text10=123456789012"}, {}, "refusal:短信中心号码太长，最多11个字符");
    row("centre 11 with spaces around", "Command8", {"Text10=  12345678901  "}, {},
        "7E FE 12 00 4B 31 32 33 34 35 36 37 38 39 30 31 9B 16");
    row("centre with ESC", "Command8", {"Text10=1391234\x1b"}, {},
        "refusal:短信中心号码含有控制字符，只能包含数字、+号等半角字符");
    row("phone 13", "Command9", {"Text11=1", "Text12=8613912345678"}, {}, "refusal:电话号码太长，最多11个字符");
    row("centre spaces", "Command8", {"Text10=  "}, {}, "7E FE 12 00 4B " + repeat("00 ", 11) + "5D 16");
    row("centre empty", "Command8", {"Text10="}, {}, "message:请输入短信中心号码");
    row("centre chinese", "Command8", {"Text10=1380温"}, {}, "refusal:短信中心号码只能包含数字、+号等半角字符");

    row("phone 3", "Command9", {"Text11=3", "Text12=1234567"}, {},
        "7E FE 13 00 4C 03 31 32 33 34 35 36 37 00 00 00 00 CE 16");
    row("phone 16", "Command9", {"Text11=16", "Text12=12345678901"}, {},
        "7E FE 13 00 4C 10 31 32 33 34 35 36 37 38 39 30 31 AD 16");
    row("phone 16.5", "Command9", {"Text11=16.5", "Text12=12345678901"}, {},
        "7E FE 13 00 4C 10 31 32 33 34 35 36 37 38 39 30 31 AD 16");
    row("phone slot 0", "Command9", {"Text11=0", "Text12=1234567"}, {},
        "7E FE 13 00 4C 00 31 32 33 34 35 36 37 00 00 00 00 CB 16");
    row("phone spaces number", "Command9", {"Text11=1", "Text12=   "}, {},
        "7E FE 13 00 4C 01 " + repeat("00 ", 11) + "60 16");
    row("phone 17", "Command9", {"Text11=17", "Text12=1"}, {}, "message:最大只能设置16个电话号码");
    row("phone 300 and empty number", "Command9", {"Text11=300", "Text12="}, {},
        "message:请输入第几个电话或电话号码");
    row("phone slot not a number", "Command9", {"Text11=  ", "Text12=1"}, {},
        "refusal:第几个电话必须是0到16之间的数字");
    row("phone slot negative", "Command9", {"Text11=-0.5", "Text12=1"}, {},
        "refusal:第几个电话必须是0到16之间的数字");
    row("phone slot huge beats bad number", "Command9", {"Text11=99999999999999999999", "Text12=温"}, {},
        "message:最大只能设置16个电话号码");
    row("phone number too long", "Command9", {"Text11=1", "Text12=12345678901234"}, {},
        "refusal:电话号码太长，最多11个字符");

    const Texts p1p16 = {"Check2_0", "Check2_15"};
    row("device switches 01 16", "Command10", {"Text13=1"}, p1p16, "7E FE 0A 00 4D 01 7F FE D5 16");
    row("device switches none", "Command10", {"Text13=5"}, {}, "7E FE 0A 00 4D 05 FF FF 5A 16");
    row("device switches 2.7", "Command10", {"Text13=2.7"}, {}, "7E FE 0A 00 4D 02 FF FF 57 16");
    row("device switches empty", "Command10", {"Text13="}, {}, "message:请输入设备轮训号");
    row("device switches bad", "Command10", {"Text13=-1"}, {}, "refusal:设备轮训号必须是0到255之间的数字");
    row("probe switches 01 16", "Command11", {"Text13=1", "Text14=2"}, p1p16, "7E FE 0B 00 4E 01 02 7F FE D9 16");
    row("probe switches empty", "Command11", {"Text13=1", "Text14="}, {}, "message:请输入设备轮训号或探头号");
    row("probe switches bad probe", "Command11", {"Text13=1", "Text14=1a"}, {},
        "refusal:探头号必须是0到255之间的数字");

    row("probe type 1 2", "Command12", {"Text13=1", "Text14=2"}, {Switch}, "7E FE 0A 00 4F 01 02 11 6D 16");
    row("probe type wraps", "Command12", {"Text13=255", "Text14=0"}, {Switch}, "7E FE 0A 00 4F FF 00 11 69 16");
    row("probe type spaced", "Command12", {"Text13= 12 ", "Text14=5.7"}, {Switch},
        "7E FE 0A 00 4F 0C 05 11 7B 16");
    row("probe type empty beats unticked", "Command12", {"Text13=1", "Text14="}, {},
        "message:请输入设备轮训号或探头号");
    row("probe type unticked", "Command12", {"Text13=1", "Text14=2"}, {}, "message:请选择开关量");
    row("probe type bad beats unticked", "Command12", {"Text13=256", "Text14=2"}, {},
        "refusal:设备轮训号必须是0到255之间的数字");

    row("upper high", "Command13", {"Text13=1", "Text14=2"}, {High}, "7E FE 0D 00 50 01 02 55 00 00 00 B5 16");
    row("lower low", "Command14", {"Text13=1", "Text14=2"}, {Low}, "7E FE 0D 00 51 01 02 AA 00 00 00 0B 16");
    row("upper low", "Command13", {"Text13=1", "Text14=2"}, {Low}, "7E FE 0D 00 50 01 02 AA 00 00 00 0A 16");
    row("lower high", "Command14", {"Text13=1", "Text14=2"}, {High}, "7E FE 0D 00 51 01 02 55 00 00 00 B6 16");
    row("both selected, high wins", "Command13", {"Text13=1", "Text14=2"}, {Low, High},
        "7E FE 0D 00 50 01 02 55 00 00 00 B5 16");
    row("no level", "Command13", {"Text13=1", "Text14=2"}, {}, "message:请选择高低电平");
    row("no level and empty", "Command13", {"Text13=", "Text14=2"}, {}, "message:请输入设备轮训号或探头号");
    row("no level beats bad number", "Command13", {"Text13=1", "Text14=300"}, {}, "message:请选择高低电平");
    row("probe 300", "Command13", {"Text13=1", "Text14=300"}, {High}, "refusal:探头号必须是0到255之间的数字");

    const auto clock = [](Texts v) {
        return Texts{"Combo2=" + v[0], "Combo3=" + v[1], "Combo4=" + v[2],
                           "Combo5=" + v[3], "Combo6=" + v[4], "Combo7=" + v[5]};
    };
    row("clock wraps", "Command15", clock({"26", "12", "05", "23", "42", "星期六"}), {},
        "7E FE 0D 00 52 26 12 05 23 42 06 07 16");
    row("clock start values", "Command15", clock({"00", "01", "01", "01", "01", "星期一"}), {},
        "7E FE 0D 00 52 00 01 01 01 01 01 64 16");
    const auto refused = [](const char *box, const char *range) {
        return "refusal:" + S(box) + "必须是" + S(range) + "之间的两位数字";
    };
    row("clock lists' ends", "Command15", clock({"99", "12", "31", "24", "60", "星期天"}), {},
        "7E FE 0D 00 52 99 12 31 24 60 07 C6 16");
    row("clock hour and minute 00", "Command15", clock({"26", "12", "06", "00", "00", "星期天"}), {},
        "7E FE 0D 00 52 26 12 06 00 00 07 A4 16");
    row("clock 星期日 is 星期天", "Command15", clock({"26", "12", "06", "20", "38", "星期日"}), {},
        "7E FE 0D 00 52 26 12 06 20 38 07 FC 16");
    row("clock four-digit year", "Command15", clock({"2026", "12", "05", "23", "42", "星期天"}), {},
        refused("年", "00到99"));
    row("clock 0112", "Command15", clock({"26", "0112", "05", "23", "42", "星期天"}), {}, refused("月", "01到12"));
    row("clock month 13", "Command15", clock({"26", "13", "05", "23", "42", "星期天"}), {}, refused("月", "01到12"));
    row("clock month 00", "Command15", clock({"26", "00", "05", "23", "42", "星期天"}), {}, refused("月", "01到12"));
    row("clock day 32", "Command15", clock({"26", "12", "32", "23", "42", "星期天"}), {}, refused("日", "01到31"));
    row("clock hour 25", "Command15", clock({"26", "12", "05", "25", "42", "星期天"}), {}, refused("时", "00到24"));
    row("clock minute 61", "Command15", clock({"26", "12", "05", "23", "61", "星期天"}), {}, refused("分", "00到60"));
    row("clock hex digits", "Command15", clock({"2A", "12", "05", "23", "42", "星期天"}), {}, refused("年", "00到99"));
    row("clock spaced", "Command15", clock({"26", " 1", "05", "23", "42", "星期天"}), {}, refused("月", "01到12"));
    row("clock full-width digits", "Command15", clock({"２６", "12", "05", "23", "42", "星期天"}), {},
        refused("年", "00到99"));
    row("clock empty year", "Command15", clock({"", "01", "01", "01", "01", "星期一"}), {}, refused("年", "00到99"));
    row("clock one-digit minute", "Command15", clock({"26", "01", "01", "01", "5", "星期一"}), {},
        refused("分", "00到60"));
    row("clock Monday", "Command15", clock({"26", "12", "07", "23", "42", "Monday"}), {},
        "refusal:星期必须是星期一到星期天之一");
    row("clock empty weekday", "Command15", clock({"26", "12", "07", "23", "42", ""}), {},
        "refusal:星期必须是星期一到星期天之一");
    return rows;
}

}  // namespace

TEST_CASE("each button's request from the boxes it reads")
{
    for (const Row &row : requestRows()) {
        INFO(row.name);
        const CommandEntry *entry = findCommandByButton(text::fromUtf8(row.button));
        REQUIRE(entry);
        CHECK(outcome(entry->build(controls(row.texts, row.ticked))) == row.expected);
    }
}

// Half of a UTF-16 pair (from a profile's "\ud800", say) would go out as two
// bytes that are no character: refused, naming the box, in either encoding.
TEST_CASE("a description with half a UTF-16 pair is refused")
{
    struct Case {
        const char *name;
        const char *button;
        const char *box;  // the description's box
        std::u16string description;
        bool unicode;
        S expected;
    };
    const S device = "refusal:设备描述含有不成对的代理字符（半个 UTF-16 字符）";
    const S port = "refusal:端口描述含有不成对的代理字符（半个 UTF-16 字符）";
    const Case cases[] = {
        {"device, a lone high half", "Command6", "Text5", u"A\xD800", true, device},
        {"device, a lone low half in code page", "Command6", "Text5", u"\xDC00", false, device},
        {"device, the halves the wrong way round", "Command6", "Text5", u"\xDC00\xD800", true, device},
        {"device, a whole pair", "Command6", "Text5", u"\xD83D\xDE00",
         true, "7E FE 19 00 49 01 D8 3D DE 00 00 20 00 20 00 20 00 20 00 20 00 20 01 17 16"},
        {"port, a lone high half", "Command1", "Text8", u"\xD83D" u"A", true, port},
    };
    for (const Case &c : cases) {
        INFO(c.name);
        ControlValues v = controls({"Text1=1", "Text9=01", "Text6=1", "Text7=2"}, c.unicode ? Texts{Uni} : Texts{});
        v.texts.insert_or_assign(text::fromUtf8(c.box), c.description);
        CHECK(outcome(findCommandByButton(text::fromUtf8(c.button))->build(v)) == c.expected);
    }
}

// The table is the one place the window, the CLI and the simulator look
// commands up: codes run 0x45..0x52 without a gap and names are unique.
TEST_CASE("the command table is complete")
{
    const auto &table = commandTable();
    REQUIRE(table.size() == 14);
    std::set<std::u16string> buttons, names;
    for (std::size_t i = 0; i < table.size(); ++i) {
        CHECK(int(table[i].code) == 0x45 + int(i));
        buttons.insert(table[i].button);
        names.insert(table[i].cliName);
    }
    CHECK(buttons.size() == 14);
    CHECK(names.size() == 14);
    CHECK(buttons.count(u"Command7") == 0);
}
