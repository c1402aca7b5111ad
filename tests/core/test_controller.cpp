#include "bytes.h"
#include "commands/command_table.h"
#include "controller/controller_state.h"
#include "controller/frame_assembler.h"
#include "protocol/frame.h"
#include "protocol/text.h"

#include <doctest/doctest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace smscfg;
using namespace smscfg::controller;
using Json = nlohmann::json;

namespace {

const Bytes Init = bytesOf("7E FE 07 00 45 4C 16");
const Bytes Count = bytesOf("7E FE 08 00 46 0C 5A 16");

Bytes operator+(Bytes a, const Bytes &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Items as text: "F:<hex>" for frames, "M:<hex>" for malformed runs.
std::vector<std::string> describe(const std::vector<FrameAssembler::Item> &items)
{
    std::vector<std::string> out;
    for (const auto &item : items)
        out.push_back((item.kind == FrameAssembler::Item::Frame ? "F:" : "M:") + hexOf(item.bytes));
    return out;
}

void append(std::vector<FrameAssembler::Item> &items, const std::vector<FrameAssembler::Item> &more)
{
    items.insert(items.end(), more.begin(), more.end());
}

Bytes frameOf(const char *cliName, const std::vector<std::u16string> &texts, const std::vector<std::u16string> &ticked = {})
{
    const CommandEntry *entry = findCommandByCliName(text::fromUtf8(cliName));
    ControlValues v;
    for (std::size_t i = 0; i < texts.size(); ++i)
        v.texts.insert_or_assign(entry->textControls()[i], texts[i]);
    v.ticked.insert(ticked.begin(), ticked.end());
    const BuildResult r = entry->build(v);
    return r.hasFrame() ? r.frame().bytes() : Bytes();
}

Bytes frame(std::uint8_t code, const char *payload)
{
    return CommandFrame::build(code, bytesOf(payload))->bytes();
}

}  // namespace

TEST_CASE("frame reassembly from a stream")
{
    struct Row {
        const char *name;
        std::vector<Bytes> chunks;
        std::vector<std::string> expected;
    };
    const std::string init = "F:7E FE 07 00 45 4C 16";
    const std::string count = "F:7E FE 08 00 46 0C 5A 16";
    const Row rows[] = {
        {"whole", {Init}, {init}},
        {"joined", {Init + Count}, {init, count}},
        {"split after start", {bytesOf("7E"), bytesOf("FE 07 00 45 4C 16")}, {init}},
        {"split after LEN", {bytesOf("7E FE 07"), bytesOf("00 45 4C 16")}, {init}},
        {"garbage between", {bytesOf("00 7E 16 FE") + Init + bytesOf("55 7E") + Count}, {init, count}},
        {"start split over garbage", {bytesOf("11 7E"), bytesOf("FE 07 00 45 4C 16")}, {init}},
        {"bad checksum", {bytesOf("7E FE 07 00 45 4D 16") + Init}, {"M:7E FE 07 00 45 4D 16", init}},
        {"bad end byte", {bytesOf("7E FE 07 00 45 4C 17")}, {"M:7E FE 07 00 45 4C 17"}},
        {"reserved byte set", {bytesOf("7E FE 07 01 45 4D 16")}, {"M:7E FE 07 01 45 4D 16"}},
        {"LEN below 7", {bytesOf("7E FE 03") + Init}, {"M:7E FE 03", init}},
        {"payload holds start and end bytes", {bytesOf("7E FE 0A 00 47 7E FE 16 E3 16")},
         {"F:7E FE 0A 00 47 7E FE 16 E3 16"}},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        FrameAssembler assembler;
        std::vector<FrameAssembler::Item> items;
        for (const Bytes &chunk : row.chunks)
            append(items, assembler.feed(chunk));
        CHECK(describe(items) == row.expected);
        CHECK(assembler.pending() == 0);
    }
}

// Every byte on its own, and every split point, give the same frames.
TEST_CASE("frame reassembly at every split point")
{
    const Bytes stream = bytesOf("01 02") + Init + Count + bytesOf("7E");
    const std::vector<std::string> expected{"F:" + hexOf(Init), "F:" + hexOf(Count)};
    for (std::size_t cut = 0; cut <= stream.size(); ++cut) {
        CAPTURE(cut);
        FrameAssembler assembler;
        auto items = assembler.feed(ByteView(stream).first(cut));
        append(items, assembler.feed(ByteView(stream).subspan(cut)));
        CHECK(describe(items) == expected);
    }
    FrameAssembler bytewise;
    std::vector<FrameAssembler::Item> items;
    for (const std::uint8_t b : stream)
        append(items, bytewise.feed(Bytes{b}));
    CHECK(items.size() == 2);
}

// A stray start with a large LEN would hold back the next request until
// the line goes quiet.
TEST_CASE("a stray start expires")
{
    FrameAssembler assembler;
    CHECK(assembler.feed(bytesOf("7E FE FF") + Init).empty());
    CHECK(describe(assembler.expire())
          == std::vector<std::string>{"M:7E FE FF 7E FE 07 00 45 4C 16", "F:7E FE 07 00 45 4C 16"});
    CHECK(assembler.pending() == 0);
    CHECK(assembler.expire().empty());
    // A start pair alone is a frame cut short too.
    CHECK(assembler.feed(bytesOf("7E FE")).empty());
    CHECK(describe(assembler.expire()) == std::vector<std::string>{"M:7E FE"});
}

TEST_CASE("a flood keeps the reassembly bounded")
{
    std::mt19937 rng(42);
    FrameAssembler assembler;
    std::size_t maxPending = 0;
    for (int round = 0; round < 4000; ++round) {
        Bytes chunk(256);
        for (std::uint8_t &b : chunk)
            b = std::uint8_t(rng() & 0xFF);
        // Bias towards start bytes so that partial frames are common.
        if (round % 3 == 0) {
            const std::size_t at = rng() % 200;
            chunk[at] = 0x7E;
            chunk[at + 1] = 0xFE;
        }
        for (const auto &item : assembler.feed(chunk))
            REQUIRE(item.bytes.size() <= 255);
        maxPending = std::max(maxPending, assembler.pending());
    }
    CHECK(maxPending <= 255);
    // And a real frame after the flood is still found.
    while (!assembler.expire().empty()) {
    }
    const auto items = assembler.feed(bytesOf("00 00 00") + Init);
    REQUIRE(!items.empty());
    CHECK(items.back().bytes == Init);
}

TEST_CASE("the controller's decisions")
{
    struct Row {
        const char *name;
        Bytes frame;
        const char *refusal;  // empty: accepted
    };
    const Row rows[] = {
        {"phone", frameOf("phone", {u"3", u"1234567"}), ""},
        {"phone slot 0", frameOf("phone", {u"0", u"1"}), "电话序号0不在1到16之间"},
        {"bytes after the number", frame(0x4B, "31 00 32 00 00 00 00 00 00 00 00"), "号码的0x00后面还有字节"},
        {"unknown code", frame(0x60, ""), "未知命令"},
        {"wrong size", frame(0x46, "01 02"), "负载2字节，长度不对"},
        {"probe type 12", frame(0x4F, "01 02 12"), "探头类型12不是11"},
        {"level 00", frame(0x50, "01 02 00 00 00 00"), "电平00既不是55也不是AA"},
        {"clock weekday 0", frame(0x52, "26 12 05 23 42 00"), "星期0不在1到7之间"},
        {"clock not BCD", frame(0x52, "2A 12 05 23 42 01"), "第5字节不是两位BCD数字"},
        {"clock month 13", frame(0x52, "26 13 05 23 42 01"), "没有这个日期或时间"},
        {"clock hour 25", frame(0x52, "26 12 05 25 42 01"), "没有这个日期或时间"},
        {"clock at the lists' ends", frameOf("clock", {u"99", u"12", u"31", u"24", u"60", u"星期天"}), ""},
        {"clock hour 00", frameOf("clock", {u"00", u"01", u"01", u"00", u"00", u"星期一"}), ""},
        {"port byte 7", frame(0x4A, "01 02 02 00 20 00 20 00 20 00 20 00 20"), "第7字节不是01"},
        {"switches", frameOf("device-switches", {u"1"}, {u"Check2_0", u"Check2_15"}), ""},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        REQUIRE(!row.frame.empty());
        ControllerState state;
        const std::string before = state.toJson();
        const Decision d = applyRequest(state, row.frame);
        CHECK(d.accepted == (std::string(row.refusal).empty()));
        CHECK(text::toUtf8(d.refusal) == row.refusal);
        if (!d.accepted)
            CHECK(state.toJson() == before);
    }
}

TEST_CASE("the controller's answers: reply and log words")
{
    struct Row {
        const char *name;
        FrameAssembler::Item item;
        bool refuseAll;
        const char *reply;
        const char *meaning;
    };
    const Row rows[] = {
        {"accepted", {FrameAssembler::Item::Frame, bytesOf("7E FE 08 00 46 0C 5A 16")}, false, "7E FE 08 00 46 06 54 16",
         "0x46 设备总数 = 12"},
        {"refused", {FrameAssembler::Item::Frame, bytesOf("7E FE 08 00 52 00 5A 16")}, false, "7E FE 08 00 52 09 63 16",
         "0x52 负载1字节，长度不对，拒绝：负载1字节，长度不对"},
        {"everything refused", {FrameAssembler::Item::Frame, bytesOf("7E FE 07 00 45 4C 16")}, true,
         "7E FE 08 00 45 09 56 16", "0x45 初始化，拒绝：--refuse"},
        {"malformed", {FrameAssembler::Item::Malformed, bytesOf("7E FE 07 00 45 4D 16")}, false,
         "7E FE 08 00 45 09 56 16", "不完整或损坏的帧，拒绝：帧不完整或已损坏"},
        {"cut short after its code", {FrameAssembler::Item::Malformed, bytesOf("7E FE 08 00 45")}, false,
         "7E FE 08 00 45 09 56 16", "不完整或损坏的帧，拒绝：帧不完整或已损坏"},
        {"malformed without a code", {FrameAssembler::Item::Malformed, bytesOf("7E FE 03")}, false,
         "7E FE 08 00 00 09 11 16", "不完整或损坏的帧，拒绝：帧不完整或已损坏"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        ControllerState state;
        const Answer answer = answerRequest(state, row.item, row.refuseAll);
        CHECK(hexOf(answer.reply) == row.reply);
        CHECK(text::toUtf8(answer.meaning) == row.meaning);
    }
}

TEST_CASE("initialise clears the state")
{
    ControllerState state;
    CHECK(applyRequest(state, frameOf("centre", {u"13800138000"})).accepted);
    CHECK(state.smsCentre == u"13800138000");
    CHECK(applyRequest(state, frameOf("init", {})).accepted);
    CHECK(state.smsCentre.empty());
    CHECK(Json::parse(state.toJson())["initialised"] == true);
}

// What a restarted simulator reads back is what it had: every field.
TEST_CASE("the state comes back from its JSON")
{
    const auto roundTrip = [](const ControllerState &state) {
        const auto back = ControllerState::fromJson(state.toJson());
        if (const auto *error = std::get_if<std::u16string>(&back))
            FAIL(text::toUtf8(*error));
        return std::get<ControllerState>(back);
    };
    ControllerState state;
    CHECK(roundTrip(state).toJson() == state.toJson());
    const std::vector<Bytes> frames = {
        frameOf("init", {}),
        frameOf("device-count", {u"12"}),
        frameOf("addresses", {u"0102"}),
        frameOf("port-counts", {u"0408"}),
        frameOf("device-desc", {u"1", u"温度", u"01"}, {u"Check1"}),
        frameOf("device-desc", {u"2", u"温度", u"0A0B"}),
        frameOf("port-desc", {u"1", u"2", u"AB12"}),
        frameOf("centre", {u"13800138000"}),
        frameOf("phone", {u"16", u"+8613912345"}),
        frameOf("device-switches", {u"5"}, {u"Check2_0", u"Check2_15"}),
        frameOf("probe-switches", {u"1", u"2"}, {u"Check2_1"}),
        frameOf("probe-type", {u"1", u"2"}, {u"Check3"}),
        frameOf("upper-limit", {u"1", u"2"}, {u"Option1_0"}),
        frameOf("lower-limit", {u"1", u"2"}, {u"Option1_1"}),
        frameOf("clock", {u"99", u"12", u"31", u"24", u"60", u"星期天"}),
    };
    for (const Bytes &f : frames) {
        INFO(hexOf(f));
        CHECK(applyRequest(state, f).accepted);
    }
    const ControllerState back = roundTrip(state);
    CHECK(back.toJson() == state.toJson());
    CHECK(back.devices.at(u"2").content == bytesOf("0A0B"));
    CHECK(back.phones[15] == u"+8613912345");
    CHECK(back.clock->minute == 60);
    const Json json = Json::parse(state.toJson());
    CHECK(json["devices"]["1"]["description"] == "温度");
    CHECK(json["devices"]["2"]["encoding"] == "codepage");
    CHECK(json["deviceSwitches"]["5"] == Json::array({1, 16}));
    CHECK(json["upperLimits"]["1/2"] == "low");
}

// Anything toJson() would not have written is refused, naming the field.
TEST_CASE("foreign states are refused")
{
    struct Row {
        const char *name;
        std::vector<std::string> path;  // where to put `value`
        std::optional<Json> value;      // none: remove the field
        const char *reported;           // how the message starts: the field it names
    };
    const Json description{{"description", "a"}, {"encoding", "unicode"}, {"descriptionBytes", "0061"}};
    const Row rows[] = {
        {"a field missing", {"phones"}, std::nullopt, "phones："},
        {"a field unknown", {"firmware"}, Json("2.1"), "firmware："},
        {"initialised not a flag", {"initialised"}, Json(1), "initialised："},
        {"device count as text", {"deviceCount"}, Json("12"), "deviceCount："},
        {"device count 256", {"deviceCount"}, Json(256), "deviceCount："},
        {"device count 1.5", {"deviceCount"}, Json(1.5), "deviceCount：不是0到255之间的整数"},
        {"odd hex", {"addresses"}, Json("010"), "addresses："},
        {"hex not as written", {"addresses"}, Json("0a"), "addresses："},
        {"device key not a number", {"devices", "x"}, Json::object(), "devices.x："},
        {"device 256", {"devices", "256"}, Json::object(), "devices.256："},
        {"device key with a leading zero", {"devices", "01"}, Json::object(), "devices.01："},
        {"description without bytes", {"ports", "1/2"}, Json{{"description", "a"}, {"encoding", "unicode"}},
         "ports.1/2.descriptionBytes："},
        {"device without content", {"devices", "1"}, description, "devices.1.content："},
        {"encoding unknown", {"ports", "1/2", "encoding"}, Json("utf8"), "ports.1/2.encoding："},
        {"port key without probe", {"ports", "1"}, description, "ports.1："},
        {"fifteen phones", {"phones"}, Json(std::vector<std::string>(15)), "phones："},
        {"phone 17 switched", {"deviceSwitches", "1"}, Json::array({1, 17}), "deviceSwitches.1："},
        {"probe type analog", {"probeTypes", "1/2"}, Json("analog"), "probeTypes.1/2："},
        {"limit medium", {"upperLimits", "1/2"}, Json("medium"), "upperLimits.1/2："},
        {"clock month 13", {"clock", "month"}, Json(13), "clock.month："},
        {"clock without weekday", {"clock", "weekday"}, std::nullopt, "clock.weekday："},
        {"clock with seconds", {"clock", "second"}, Json(0), "clock："},
        {"control characters in a key", {"devices", "\x1b[2J"}, Json::object(), "devices.\\x1b[2J："},
    };
    ControllerState state;
    state.clock = ControllerState::Clock{26, 1, 1, 0, 0, 1};
    state.ports.insert_or_assign(u"1/2", ControllerState::Description{u"a", u"unicode", bytesOf("0061"), {}});
    REQUIRE(std::holds_alternative<ControllerState>(ControllerState::fromJson(state.toJson())));
    CHECK(std::get<std::u16string>(ControllerState::fromJson("[1]")) == u"不是 JSON 对象");
    for (const Row &row : rows) {
        INFO(row.name);
        Json json = Json::parse(state.toJson());
        Json *at = &json;
        for (std::size_t i = 0; i + 1 < row.path.size(); ++i)
            at = &(*at)[row.path[i]];
        if (row.value)
            (*at)[row.path.back()] = *row.value;
        else
            at->erase(row.path.back());
        const auto back = ControllerState::fromJson(json.dump());
        REQUIRE(std::holds_alternative<std::u16string>(back));
        const std::string error = text::toUtf8(std::get<std::u16string>(back));
        CHECK(error.rfind(row.reported, 0) == 0);
        INFO(error);
    }
}
