#include "commands/profile.h"
#include "protocol/text.h"

#include <doctest/doctest.h>

#include <string>

using namespace smscfg;

namespace {

const LocalTime SundayEvening{2026, 12, 6, 20, 38, 7};

// The frames as hex joined by |, or the message.
std::string outcomeOf(std::string_view json)
{
    const auto profile = parseProfile(json);
    if (const auto *problem = std::get_if<std::u16string>(&profile))
        return text::toUtf8(*problem);
    const auto steps = buildProfileSteps(std::get<Profile>(profile), SundayEvening);
    if (const auto *problem = std::get_if<std::u16string>(&steps))
        return text::toUtf8(*problem);
    std::string frames;
    for (const ProfileStep &step : std::get<std::vector<ProfileStep>>(steps))
        frames += (frames.empty() ? "" : "|") + text::toUtf8(step.frame.toHex());
    return frames;
}

}  // namespace

TEST_CASE("profile files")
{
    struct Row {
        const char *name;
        std::string json;
        const char *outcome;
    };
    const Row rows[] = {
        {"two steps", R"({"smscfg-profile": 1, "name": "一号楼",
 "steps": [["device-count", "12"], ["clock", "now"]]})", "7E FE 08 00 46 0C 5A 16|7E FE 0D 00 52 26 12 06 20 38 07 FC 16"},
        {"options in a step", R"({"smscfg-profile": 1, "steps": [["device-desc", "1", "温度", "01", "--codepage"]]})", "7E FE 19 00 49 01 CE C2 B6 C8 00 20 00 20 00 20 00 20 00 20 00 20 01 32 16"},
        {"no steps", R"({"smscfg-profile": 1, "steps": []})", ""},
        {"missing comma", "{\"smscfg-profile\": 1,\n \"steps\": [[\"init\"]\n [\"init\"]]}", "配置文件第3行第2列：缺少逗号"},
        {"not JSON", "smscfg", "配置文件第1行第1列：不是合法的值"},
        {"cut short", "{\"smscfg-profile\": 1, \"steps\": [[\"init\"]", "配置文件第1行第40列：列表没有结束（缺少 ]）"},
        {"no version", R"({"steps": []})", "这不是 smscfg 配置文件：缺少 \"smscfg-profile\": 1"},
        {"a later version", R"({"smscfg-profile": 2, "steps": []})", "配置文件的版本 2 不认识（只认识 1）"},
        {"version 0", R"({"smscfg-profile": 0, "steps": []})", "配置文件的版本 0 不认识（只认识 1）"},
        {"a version just above 1", R"({"smscfg-profile": 1.0000000001, "steps": []})",
         "配置文件的版本 1.0000000001 不认识（只认识 1）"},
        {"a version far above", R"({"smscfg-profile": 1e300, "steps": []})", "配置文件的版本 1e+300 不认识（只认识 1）"},
        {"steps not a list", R"({"smscfg-profile": 1, "steps": {}})", "配置文件的 \"steps\" 必须是一个列表"},
        {"a name that is no text", R"({"smscfg-profile": 1, "name": true, "steps": []})", "配置文件的 \"name\" 必须是文字"},
        {"a step of numbers", R"({"smscfg-profile": 1, "steps": [["init"], ["device-count", 12]]})", "第2步：必须是由文字组成的列表，如 [\"phone\", \"1\", \"13912345678\"]"},
        {"unknown command", R"({"smscfg-profile": 1, "steps": [["init"], ["reboot"]]})", "第2步：未知命令 reboot"},
        {"bad value", R"({"smscfg-profile": 1, "steps": [["centre", "8613912345678"]]})", "第1步：短信中心号码太长，最多11个字符"},
        {"empty box", R"({"smscfg-profile": 1, "steps": [["init"], ["init"], ["centre", ""]]})", "第3步：请输入短信中心号码"},
        {"unknown option", R"({"smscfg-profile": 1, "steps": [["device-count", "--x"]]})", "第1步：--x 不是 device-count 的选项（以 - 开头的文字前面要加 --）"},
        {"missing colon", "{\"smscfg-profile\" 1}", "配置文件第1行第19列：缺少冒号"},
        {"missing comma in an object", "{\"smscfg-profile\": 1 \"steps\": []}", "配置文件第1行第22列：对象没有结束（缺少 }）"},
        {"an object cut short", "{\"smscfg-profile\":", "配置文件第1行第18列：对象没有结束（缺少 }）"},
        {"a word cut short", "{\"smscfg-profile\": 1, \"steps\": [[\"ini", "配置文件第1行第38列：字符串没有结束（缺少 \"）"},
        {"a bad literal", "{\"smscfg-profile\": tru}", "配置文件第1行第20列：不是合法的值"},
        {"a bad number", "{\"smscfg-profile\": -}", "配置文件第1行第20列：不是合法的数字"},
        {"a bad escape", "{\"smscfg-profile\": 1, \"name\": \"\\x\"}", "配置文件第1行第31列：不是合法的转义"},
        {"not UTF-8", "{\"smscfg-profile\": 1, \"name\": \"\xff\"}", "配置文件第1行第31列：不是合法的 UTF-8 文字"},
        {"something after the object", "{\"smscfg-profile\": 1, \"steps\": []} x", "配置文件第1行第35列：结尾有多余的内容"},
        {"a column counts characters", "{\"温度\" 1}", "配置文件第1行第7列：缺少冒号"},
        {"empty", "", "配置文件第1行第1列：不是合法的值"},
        {"too deep", std::string(2000, '['), "配置文件第1行第1列：嵌套太深"},
        {"a later minor version", "{\"smscfg-profile\": 1.5, \"steps\": []}", "配置文件的版本 1.5 不认识（只认识 1）"},
        {"version as text", "{\"smscfg-profile\": \"1\", \"steps\": []}", "这不是 smscfg 配置文件：缺少 \"smscfg-profile\": 1"},
        {"not an object", "[1]", "这不是 smscfg 配置文件：缺少 \"smscfg-profile\": 1"},
        {"name not a text", "{\"smscfg-profile\": 1, \"name\": 1, \"steps\": []}", "配置文件的 \"name\" 必须是文字"},
        {"an empty step", "{\"smscfg-profile\": 1, \"steps\": [[]]}", "第1步：必须是由文字组成的列表，如 [\"phone\", \"1\", \"13912345678\"]"},
        {"help is no request", "{\"smscfg-profile\": 1, \"steps\": [[\"init\", \"--help\"]]}", "第1步：--help 不是请求"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        CHECK(outcomeOf(row.json) == row.outcome);
    }
}

TEST_CASE("saved files read back")
{
    const Profile profile{u"一号楼", {{u"device-count", u"12"}, {u"centre", u"--", u"-x\"\\\x01"}, {u"clock", u"now"}}};
    const std::string json = profileToJson(profile);
    CHECK(json == "{\"smscfg-profile\": 1, \"name\": \"一号楼\",\n"
                  " \"steps\": [[\"device-count\",\"12\"],\n"
                  "           [\"centre\",\"--\",\"-x\\\"\\\\\\u0001\"],\n"
                  "           [\"clock\",\"now\"]]}\n");
    const auto back = parseProfile(json);
    REQUIRE(std::holds_alternative<Profile>(back));
    CHECK(std::get<Profile>(back).name == profile.name);
    CHECK(std::get<Profile>(back).steps == profile.steps);
}
