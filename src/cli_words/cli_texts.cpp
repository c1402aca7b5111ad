#include "cli_words/cli_texts.h"

#include "protocol/text.h"

#include <iterator>

namespace smscfg::cli {
namespace {

struct Entry {
    CliText key;
    std::u16string_view chinese;  // with the English that has not been translated yet
};

constexpr Entry entries[] = {
    {CliText::GlobalOptions, u"[--dry-run] [--trace] [--port PORT] [--timeout MS]"},
    {CliText::CommandHelpTitle, u"  %1  (%2, code %3)\n"},
    {CliText::CommandHelpNote, u"      %1\n"},
    {CliText::CommandHelpExample, u"      e.g. smscfg-cli --dry-run %1\n"},
    {CliText::PortsHelp,
     u"  ports\n"
     u"      list the serial ports the system has: path, description, manufacturer,\n"
     u"      VID:PID and serial number, tab-separated\n"},
    {CliText::PortsUsageHelp, u"usage: smscfg-cli ports\n\n"},
    {CliText::DidYouMean, u"%1（是不是 %2？）"},
    {CliText::ApplyHelp,
     u"  apply PROFILE [--keep-going]\n"
     u"      send every step of a profile file, in order, to each --port at the same\n"
     u"      time; stop at the first 设置失败 or 设备无响应 unless --keep-going.\n"
     u"      A profile is JSON: {\"smscfg-profile\": 1, \"name\": \"一号楼\",\n"
     u"        \"steps\": [[\"device-count\", \"12\"], [\"phone\", \"1\", \"13912345678\"], [\"clock\", \"now\"]]}\n"
     u"      each step being the words that follow smscfg-cli for one request.\n"},
    {CliText::ApplyUsageHelp, u"usage: smscfg-cli %1... apply PROFILE [--keep-going]\n\n"},
    {CliText::CommandUsageHelp, u"usage: smscfg-cli %1 %2\n\n"},
    {CliText::UsageLine, u"usage: smscfg-cli %1 COMMAND ARG... (smscfg-cli --help lists the commands)"},
    {CliText::HelpIntro,
     u"smscfg-cli: send settings to the SMS alarm controller, as the window's buttons do.\n"
     u"\n"
     u"usage: smscfg-cli %1 COMMAND ARG...\n"
     u"       smscfg-cli [--dry-run] [--trace] [--port PORT]... apply PROFILE [--keep-going]\n"
     u"       smscfg-cli ports\n"
     u"       smscfg-cli --help | --version\n"
     u"\n"
     u"  --dry-run     print the request frame as hex and send nothing\n"
     u"  --trace       print every frame sent and every chunk received on stderr,\n"
     u"                with the time, the hex and what it means\n"
     u"  --port PORT   serial port: a number N (port N: COMN, /dev/ttyS<N-1> on Linux)\n"
     u"                or a device path such as /dev/ttyUSB0; default $SMSCFG_PORT,\n"
     u"                or 1 when that is not set\n"
     u"  --timeout MS  how long to wait for each reply; default 3000\n"
     u"\n"
     u"Each ARG is taken exactly as the window's box would hold it: spaces are kept,\n"
     u"\"\" is an empty box, and -1 is a text. A word starting with -- that is not the\n"
     u"command's option is an error; after a bare -- every word is a text.\n"
     u"COMMAND --help explains one command.\n"
     u"\n"
     u"Commands (button caption, then usage and an example):\n"},
    {CliText::ClockNowHelp, u"\n  clock now sends the PC's local time.\n\n"},
    {CliText::ExitStatusHelp,
     u"\nExit status: 0 accepted (设置成功) or frame printed; 1 refused (设置失败);\n"
     u"2 input rejected (message on stderr, nothing sent); 3 no response (设备无响应)\n"
     u"or a reply without a verdict; 4 port cannot be used; 64 wrong usage.\n"
     u"With apply, the worst over all steps and ports.\n"},
    {CliText::ErrorLine, u"smscfg-cli: %1\n"},
    {CliText::NeedsValue, u"%1 needs a value"},
    {CliText::BadTimeout, u"--timeout needs a positive number of milliseconds"},
    {CliText::UnknownOption, u"unknown option %1"},
    {CliText::UsagePorts, u"usage: ports"},
    {CliText::SeveralPorts, u"several --port go with apply only"},
    {CliText::NotApplyOption, u"%1 is not an option of apply"},
    {CliText::UsageApply, u"usage: apply PROFILE [--keep-going]"},
    {CliText::Version, u"smscfg-cli %1\n"},
    {CliText::NoPortsFound, u"没有找到串口\n"},
    {CliText::CannotReadProfile, u"无法读取配置文件 %1：%2\n"},
    {CliText::DryRunStep, u"第%1步  %2  %3\n"},
};
static_assert(std::size(entries) == std::size_t(CliText::Count));

constexpr bool inKeyOrder()
{
    for (std::size_t i = 0; i < std::size(entries); ++i)
        if (entries[i].key != CliText(i))
            return false;
    return true;
}
static_assert(inKeyOrder(), "one entry per key, in the order of the keys");

}  // namespace

std::u16string cliText(CliText key, std::initializer_list<std::u16string_view> arguments)
{
    return text::fill(entries[std::size_t(key)].chinese, arguments);
}

}  // namespace smscfg::cli
