#include "bytes.h"
#include "cli_words/cli_words.h"
#include "protocol/text.h"

#include <doctest/doctest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace smscfg;

namespace {

// Sunday 6 December 2026, 20:38.
const LocalTime SundayEvening{2026, 12, 6, 20, 38, 7};

std::string joined(std::vector<std::string> parts, const char *separator)
{
    std::sort(parts.begin(), parts.end());
    std::string out;
    for (const std::string &p : parts)
        out += (out.empty() ? "" : separator) + p;
    return out;
}

cli::World world()
{
    return {SundayEvening, u"1.0", [](const std::u16string &path) -> std::variant<std::string, std::u16string> {
                if (path == u"一号楼.json")
                    return std::string(R"({"smscfg-profile": 1, "steps": [["device-count", "12"], ["clock", "now"]]})");
                if (path == u"清屏.json")  // a description that would clear the screen
                    return std::string("{\"smscfg-profile\": 1, \"steps\": [[\"device-desc\", \"1\", \"\\u001b[2J\\u001b[H\", \"01\"]]}");
                return std::u16string(u"No such file or directory");
            },
            {}};
}

}  // namespace

TEST_CASE("the command line's words into the window's controls")
{
    struct Row {
        const char *name;
        Words words;
        const char *texts;   // "Name=value;..." sorted, "usage" or "help"
        const char *ticked;  // sorted, comma-separated
    };
    const Row rows[] = {
        {"defaults", {u"init"}, "", "Check1,Check3"},
        {"texts keep spaces", {u"port-desc", u" 1", u"2 ", u"  "}, "Text6= 1;Text7=2 ;Text8=  ", "Check1,Check3"},
        {"codepage anywhere", {u"port-desc", u"--codepage", u"1", u"2", u"A"}, "Text6=1;Text7=2;Text8=A", "Check3"},
        {"negative numbers are texts", {u"probe-type", u"-1", u"-0.5", u"--no-switch"}, "Text13=-1;Text14=-0.5", "Check1"},
        {"phones", {u"device-switches", u"--phones", u"1,16", u"3"}, "Text13=3", "Check1,Check2_0,Check2_15,Check3"},
        {"empty phone list", {u"device-switches", u"3", u"--phones", u""}, "Text13=3", "Check1,Check3"},
        {"level high", {u"upper-limit", u"1", u"2", u"high"}, "Text13=1;Text14=2", "Check1,Check3,Option1_1"},
        {"level none", {u"lower-limit", u"1", u"2", u"none"}, "Text13=1;Text14=2", "Check1,Check3"},
        {"level 高电平", {u"upper-limit", u"1", u"2", u"高电平"}, "Text13=1;Text14=2", "Check1,Check3,Option1_1"},
        {"level 低电平", {u"upper-limit", u"1", u"2", u"低电平"}, "Text13=1;Text14=2", "Check1,Check3,Option1_0"},
        {"level 无", {u"lower-limit", u"1", u"2", u"无"}, "Text13=1;Text14=2", "Check1,Check3"},
        {"clock", {u"clock", u"26", u"12", u"05", u"23", u"42", u"星期六"}, "Combo2=26;Combo3=12;Combo4=05;Combo5=23;Combo6=42;Combo7=星期六", "Check1,Check3"},
        {"clock now", {u"clock", u"now"}, "Combo2=26;Combo3=12;Combo4=06;Combo5=20;Combo6=38;Combo7=星期天", "Check1,Check3"},
        {"bare -- makes texts", {u"centre", u"--", u"--x"}, "Text10=--x", "Check1,Check3"},
        {"-- keeps earlier options", {u"port-desc", u"--codepage", u"--", u"1", u"-2", u"--"}, "Text6=1;Text7=-2;Text8=--", "Check3"},
        {"another command's option", {u"device-count", u"--codepage"}, "usage", ""},
        {"unknown option", {u"addresses", u"--help-me"}, "usage", ""},
        {"dash and a letter", {u"centre", u"-x"}, "usage", ""},
        {"--help after the command", {u"centre", u"--help"}, "help", ""},
        {"-h after the command", {u"addresses", u"-h"}, "help", ""},
        {"too few texts", {u"phone", u"1"}, "usage", ""},
        {"too many texts", {u"init", u"x"}, "usage", ""},
        {"unknown command", {u"reboot"}, "usage", ""},
        {"no command", {u"--dry-run"}, "usage", ""},
        {"bad level", {u"upper-limit", u"1", u"2", u"medium"}, "usage", ""},
        {"phone 17", {u"device-switches", u"1", u"--phones", u"1,17"}, "usage", ""},
        {"phones without list", {u"device-switches", u"1", u"--phones"}, "usage", ""},
        {"bad timeout", {u"--timeout", u"0", u"init"}, "usage", ""},
        {"unknown global option", {u"--fast", u"init"}, "usage", ""},
        {"two ports for one request", {u"--port", u"1", u"--port", u"2", u"init"}, "usage", ""},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        const auto parsed = cli::parseArguments(row.words, SundayEvening);
        if (std::string(row.texts) == "usage") {
            REQUIRE(std::holds_alternative<std::u16string>(parsed));
            CHECK(!std::get<std::u16string>(parsed).empty());
            continue;
        }
        REQUIRE(std::holds_alternative<cli::Invocation>(parsed));
        const cli::Invocation &inv = std::get<cli::Invocation>(parsed);
        if (std::string(row.texts) == "help") {
            CHECK(inv.action == cli::Invocation::Action::Help);
            CHECK(inv.help.find(row.words[0]) != std::u16string::npos);
            continue;
        }
        CHECK(inv.action == cli::Invocation::Action::Request);
        const ControlValues &controls = inv.request.controls;
        std::vector<std::string> pairs, names;
        for (const auto &[name, value] : controls.texts)
            pairs.push_back(text::toUtf8(name) + "=" + text::toUtf8(value));
        for (const std::u16string &name : controls.ticked)
            names.push_back(text::toUtf8(name));
        CHECK(joined(pairs, ";") == row.texts);
        CHECK(joined(names, ",") == row.ticked);

        // The words that a profile saves read back into the same controls.
        const Words again = requestWords(*inv.request.command, controls);
        const auto reparsed = parseRequestWords(again, SundayEvening);
        REQUIRE(std::holds_alternative<ParsedRequest>(reparsed));
        CHECK(std::get<ParsedRequest>(reparsed).controls.texts == controls.texts);
        CHECK(std::get<ParsedRequest>(reparsed).controls.ticked == controls.ticked);
    }
}

TEST_CASE("global options")
{
    const auto parsed = cli::parseArguments({u"--port", u"/dev/ttyUSB0", u"--timeout", u"250", u"--dry-run", u"init"},
                                            SundayEvening);
    REQUIRE(std::holds_alternative<cli::Invocation>(parsed));
    const cli::Invocation &inv = std::get<cli::Invocation>(parsed);
    CHECK(inv.ports == Words{u"/dev/ttyUSB0"});
    CHECK(inv.responseTimeout->count() == 250);
    CHECK(inv.dryRun);
    CHECK(std::get<cli::Invocation>(cli::parseArguments({u"init"}, SundayEvening)).ports == Words{u"1"});
    // $SMSCFG_PORT stands in for a missing --port, and --port wins.
    CHECK(std::get<cli::Invocation>(cli::parseArguments({u"init"}, SundayEvening, u"/dev/ttyUSB3")).ports
          == Words{u"/dev/ttyUSB3"});
    CHECK(std::get<cli::Invocation>(cli::parseArguments({u"--port", u"2", u"init"}, SundayEvening, u"/dev/ttyUSB3")).ports
          == Words{u"2"});
    CHECK(std::get<cli::Invocation>(cli::parseArguments({u"apply", u"p.json"}, SundayEvening, u"/dev/ttyUSB3")).ports
          == Words{u"/dev/ttyUSB3"});
    // --keep-going before or after the profile.
    for (const Words &words : {Words{u"apply", u"--keep-going", u"p.json"}, Words{u"--dry-run", u"apply", u"p.json", u"--keep-going"}}) {
        const auto apply = cli::parseArguments(words, SundayEvening);
        REQUIRE(std::holds_alternative<cli::Invocation>(apply));
        CHECK(std::get<cli::Invocation>(apply).keepGoing);
        CHECK(std::get<cli::Invocation>(apply).profilePath == u"p.json");
    }
}

// What smscfg-cli --dry-run prints and returns.
TEST_CASE("dry runs: stdout, stderr and exit status")
{
    struct Row {
        const char *name;
        Words args;
        int exitCode;
        std::string out;
        std::string err;  // a prefix of stderr
    };
    const Row rows[] = {
        {"init", {u"init"}, 0, "7E FE 07 00 45 4C 16\n", ""},
        {"chinese description", {u"device-desc", u"1", u"温度", u"01"}, 0,
            "7E FE 19 00 49 01 6E 29 5E A6 00 20 00 20 00 20 00 20 00 20 00 20 01 BF 16\n", ""},
        {"spaces kept", {u"port-desc", u" 1 ", u"2", u" A B "}, 0,
            "7E FE 14 00 4A 01 02 01 00 41 00 20 00 42 00 20 00 20 45 16\n", ""},
        {"13-character number", {u"centre", u"8613912345678"}, 2, "", "短信中心号码太长，最多11个字符\n"},
        {"centre --help", {u"centre", u"--help"}, 0, "用法：smscfg-cli [--dry-run] [--trace] [--port PORT] [--timeout MS] "
                                                       "[--lang zh|en] centre NUMBER\n\n  centre NUMBER  （设置短信中心号码，命令码 0x4B）\n"
                                                       "      NUMBER：短信中心的号码，最多11个字符\n"
                                                       "      例：smscfg-cli --dry-run centre 13800138000\n", ""},
        {"centre -- --x", {u"centre", u"--", u"--x"}, 0,
            "7E FE 12 00 4B 2D 2D 78 00 00 00 00 00 00 00 00 2F 16\n", ""},
        {"device-count --x", {u"device-count", u"--x"}, 64, "", "smscfg-cli: --x 不是 device-count 的选项"},
        {"wrong count", {u"device-count"}, 64, "", "smscfg-cli: 用法：device-count COUNT\n"},
        {"unknown command", {u"nope"}, 64, "", "smscfg-cli: 未知命令 nope\n"},
        {"a near miss is named", {u"devicecount", u"12"}, 64, "", "smscfg-cli: 未知命令 devicecount（是不是 device-count？）\n"},
        {"a near miss of ports", {u"port"}, 64, "", "smscfg-cli: 未知命令 port（是不是 ports？）\n"},
        {"a near miss in capitals", {u"INIT"}, 64, "", "smscfg-cli: 未知命令 INIT（是不是 init？）\n"},
        {"nothing near", {u"reboot"}, 64, "", "smscfg-cli: 未知命令 reboot\n"},
        {"ports --help", {u"ports", u"--help"}, 0, "用法：smscfg-cli ports\n\n  ports\n", ""},
        {"ports with a word", {u"ports", u"x"}, 64, "", "smscfg-cli: 用法：ports\n"},
        {"apply --help", {u"apply", u"--help"}, 0, "用法：smscfg-cli", ""},
        {"apply a profile", {u"apply", u"一号楼.json"}, 0,
            "第1步  7E FE 08 00 46 0C 5A 16  device-count 12\n第2步  7E FE 0D 00 52 26 12 06 20 38 07 FC 16  clock now\n", ""},
        {"apply a profile that is not there", {u"apply", u"二号楼.json"}, 2, "",
            "无法读取配置文件 二号楼.json：No such file or directory\n"},
        {"apply without a profile", {u"apply"}, 64, "", "smscfg-cli: 用法：apply PROFILE [--keep-going]\n"},
        {"apply -- PROFILE", {u"apply", u"--", u"一号楼.json"}, 0, "第1步  7E FE 08 00 46 0C 5A 16  device-count 12\n", ""},
        {"apply -- a profile named like an option", {u"apply", u"--keep-going", u"--", u"--keep-going"}, 2, "",
            "无法读取配置文件 --keep-going：No such file or directory\n"},
        {"version", {u"--version"}, 0, "smscfg-cli 1.0\n", ""},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        Words args{u"--dry-run"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const cli::WordsOutcome outcome = cli::runWords(args, world());
        const std::string out = text::toUtf8(outcome.out);
        const std::string err = text::toUtf8(outcome.err);
        CHECK(outcome.work == cli::LineWork::None);
        CHECK((row.out.empty() ? out.empty() : out.rfind(row.out, 0) == 0));
        INFO(out);
        CHECK((row.err.empty() ? err.empty() : err.rfind(row.err, 0) == 0));
        INFO(err);
        CHECK(outcome.exitCode == row.exitCode);
    }
}

// Outside text (a step's words, a word echoed in an error, a path) never
// reaches the terminal raw: control characters are shown escaped.
TEST_CASE("outside text is printed escaped")
{
    struct Row {
        const char *name;
        Words args;
        std::string shown;
    };
    const Row rows[] = {
        {"a step's words", {u"apply", u"清屏.json"}, "device-desc 1 \\x1b[2J\\x1b[H 01\n"},
        {"an unknown command", {u"\x1b[2J"}, "smscfg-cli: 未知命令 \\x1b[2J\n"},
        {"a level", {u"upper-limit", u"1", u"2", u"\x1b[2J"}, "，不能是 \\x1b[2J\n"},
        {"an option", {u"init", u"--\x1b[2J"}, "smscfg-cli: --\\x1b[2J 不是 init 的选项"},
        {"a profile's path", {u"apply", u"\x1b[2J.json"}, "无法读取配置文件 \\x1b[2J.json："},
        {"a word of a bad step", {u"apply", u"--keep-going", u"\x07.json"}, "\\x07.json"},
    };
    for (const Row &row : rows) {
        INFO(row.name);
        Words args{u"--dry-run"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const cli::WordsOutcome outcome = cli::runWords(args, world());
        const std::string printed = text::toUtf8(outcome.out + outcome.err);
        INFO(printed);
        CHECK(std::none_of(printed.begin(), printed.end(), [](char c) { return (c >= 0 && c < 0x20 && c != '\n') || c == 0x7F; }));
        CHECK(printed.find(row.shown) != std::string::npos);
    }
}

TEST_CASE("without --dry-run the words leave the line's work")
{
    const cli::WordsOutcome send = cli::runWords({u"--port", u"3", u"device-count", u"12"}, world());
    CHECK(send.work == cli::LineWork::Send);
    CHECK(hexOf(send.frame->bytes()) == "7E FE 08 00 46 0C 5A 16");
    CHECK(send.out.empty());
    const cli::WordsOutcome apply = cli::runWords({u"--port", u"3", u"--port", u"4", u"apply", u"一号楼.json"}, world());
    CHECK(apply.work == cli::LineWork::Apply);
    CHECK(apply.steps.size() == 2);
    CHECK(apply.invocation.ports == Words{u"3", u"4"});
    CHECK(cli::runWords({u"ports"}, world()).work == cli::LineWork::ListPorts);
    const cli::WordsOutcome refused = cli::runWords({u"centre", u""}, world());
    CHECK(refused.work == cli::LineWork::None);
    CHECK(refused.exitCode == cli::InputRejected);
}

TEST_CASE("the help lists every command")
{
    const std::u16string help = cli::runWords({u"--help"}, world()).out;
    for (const CommandEntry &entry : commandTable()) {
        INFO(text::toUtf8(entry.cliName));
        CHECK(help.find(u"\n  " + entry.cliName) != std::u16string::npos);
        CHECK(help.find(u"--dry-run " + entry.cliName) != std::u16string::npos);
    }
}

TEST_CASE("the worse of two exit codes")
{
    CHECK(cli::worseExitCode(cli::Accepted, cli::Refused) == cli::Refused);
    CHECK(cli::worseExitCode(cli::NoVerdict, cli::Refused) == cli::NoVerdict);
    CHECK(cli::worseExitCode(cli::NoVerdict, cli::PortUnusable) == cli::PortUnusable);
    CHECK(cli::worseExitCode(cli::Accepted, cli::Accepted) == cli::Accepted);
}
