#include "cli_words/cli_texts.h"

#include "protocol/text_table.h"

namespace smscfg::cli {
namespace {

#define TEXT(key, chinese) {CliText::key, #key, chinese}
constexpr text::KeyedText<CliText> entries[] = {
    TEXT(CommandHelpTitle, u"  %1  （%2，命令码 %3）\n"),
    TEXT(CommandHelpExample, u"      例：smscfg-cli --dry-run %1\n"),
    TEXT(PortsHelp,
         u"  ports\n"
         u"      列出系统的串口：路径、描述、制造商、VID:PID 和序列号，用制表符分隔\n"),
    TEXT(PortsUsageHelp, u"用法：smscfg-cli ports\n\n"),
    TEXT(DidYouMean, u"%1（是不是 %2？）"),
    TEXT(ApplyHelp,
         u"  apply PROFILE [--keep-going]\n"
         u"      把配置文件的每一步按顺序发送到每个 --port（各串口同时进行）；遇到第一个\n"
         u"      设置失败或设备无响应就停下，除非给了 --keep-going。\n"
         u"      配置文件是 JSON：{\"smscfg-profile\": 1, \"name\": \"一号楼\",\n"
         u"        \"steps\": [[\"device-count\", \"12\"], [\"phone\", \"1\", \"13912345678\"], [\"clock\", \"now\"]]}\n"
         u"      每一步是一个请求在 smscfg-cli 后面的那些词。\n"),
    TEXT(ApplyUsageHelp, u"用法：smscfg-cli %1... apply PROFILE [--keep-going]\n\n"),
    TEXT(CommandUsageHelp, u"用法：smscfg-cli %1 %2\n\n"),
    TEXT(UsageLine, u"用法：smscfg-cli %1 COMMAND ARG...（smscfg-cli --help 列出所有命令）"),
    TEXT(HelpIntro,
         u"smscfg-cli：把设置发送到短信报警控制器，和窗口里的按钮一样。\n"
         u"\n"
         u"用法：smscfg-cli %1 COMMAND ARG...\n"
         u"      smscfg-cli [--dry-run] [--trace] [--port PORT]... apply PROFILE [--keep-going]\n"
         u"      smscfg-cli ports\n"
         u"      smscfg-cli --help | --version\n"
         u"\n"
         u"  --dry-run     以16进制打印请求帧，什么也不发送\n"
         u"  --trace       在 stderr 上打印发出的每一帧和收到的每一段数据，\n"
         u"                带时间、16进制和含义\n"
         u"  --port PORT   串口：数字 N（第 N 个串口：COMN，Linux 上是 /dev/ttyS<N-1>）\n"
         u"                或设备路径，如 /dev/ttyUSB0；默认是 $SMSCFG_PORT，\n"
         u"                没有设置时是 1\n"
         u"  --timeout MS  每个应答最多等多少毫秒；默认 3000\n"
         u"  --lang zh|en  用中文（zh）或英文（en）输出；默认按 LC_ALL、LC_MESSAGES、LANG\n"
         u"\n"
         u"每个 ARG 都按窗口的输入框原样取用：空格保留，\"\" 是空的输入框，-1 是文字。\n"
         u"以 -- 开头、又不是该命令的选项的词是错误；单独的 -- 之后的每个词都是文字。\n"
         u"COMMAND --help 说明一个命令。\n"
         u"\n"
         u"命令（按钮上的文字，然后是用法和例子）：\n"),
    TEXT(ClockNowHelp, u"\n  clock now 发送电脑的本地时间。\n\n"),
    TEXT(ExitStatusHelp,
         u"\n退出状态：0 设置成功或已打印帧；1 设置失败；2 输入被拒绝（原因在 stderr，\n"
         u"什么也没发送）；3 设备无响应或应答无法识别；4 串口不能用；64 用法不对；\n"
         u"74 输出无法写入。\n"
         u"用 apply 时，取所有步骤和串口中最差的一个。\n"),
    TEXT(NeedsValue, u"%1 后面要有一个值"),
    TEXT(BadTimeout, u"--timeout 要给一个正的毫秒数"),
    TEXT(UnknownOption, u"未知选项 %1"),
    TEXT(UsagePorts, u"用法：ports"),
    TEXT(SeveralPorts, u"多个 --port 只能和 apply 一起用"),
    TEXT(NotApplyOption, u"%1 不是 apply 的选项"),
    TEXT(UsageApply, u"用法：apply PROFILE [--keep-going]"),
    TEXT(BadLanguage, u"--lang 只能是 zh（中文）或 en（英文）"),
    TEXT(NoPortsFound, u"没有找到串口\n"),
    TEXT(CannotReadProfile, u"无法读取配置文件 %1：%2\n"),
    TEXT(DryRunStep, u"第%1步  %2  %3\n"),
    TEXT(OutputNotWritten, u"smscfg-cli：输出无法写入%1\n"),
};
#undef TEXT
static_assert(text::inKeyOrder(entries), "one entry per key, in the order of the keys");

}  // namespace

std::u16string cliText(CliText key, std::initializer_list<std::u16string_view> arguments)
{
    return text::tableText("CliText", entries, key, arguments);
}

std::vector<text::CatalogueEntry> cliTextCatalogue()
{
    return text::catalogueOf("CliText", entries);
}

}  // namespace smscfg::cli
