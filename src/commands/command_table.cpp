#include "commands/command_table.h"

#include "commands/clock_request.h"
#include "commands/description_requests.h"
#include "commands/probe_requests.h"
#include "commands/setup_requests.h"
#include "commands/sms_requests.h"
#include "protocol/text.h"
#include "protocol/wire.h"

#include <algorithm>

namespace smscfg {
namespace {

TextEncoding encodingOf(const ControlValues &v)
{
    return v.isTicked(UnicodeBox) ? TextEncoding::Unicode : TextEncoding::CodePage;
}

PhoneTicks phoneTicksOf(const ControlValues &v)
{
    PhoneTicks ticks{};
    for (size_t n = 0; n < ticks.size(); ++n)
        ticks[n] = v.isTicked(phoneCheckName(int(n) + 1));
    return ticks;
}

BuildResult alarmLimit(AlarmLimit limit, const ControlValues &v)
{
    return buildAlarmLimit(limit, v.text(u"Text13"), v.text(u"Text14"), v.isTicked(LowLevelButton),
                           v.isTicked(HighLevelButton));
}

std::u16string t(const ControlValues &v, std::u16string_view name)
{
    return v.text(name);
}

}  // namespace

std::u16string phoneCheckName(int phone)
{
    return u"Check2_" + text::number(phone - 1);
}

std::vector<std::u16string> CommandEntry::textControls() const
{
    std::vector<std::u16string> controls;
    for (const CommandArgument &argument : arguments)
        controls.push_back(argument.control);
    return controls;
}

const std::vector<CommandEntry> &commandTable()
{
    using enum CliOption;
    const CommandArgument device{u"Text13", u"DEVICE"};
    const CommandArgument probe{u"Text14", u"PROBE"};
    static const std::vector<CommandEntry> table = {
        {code::Initialise, u"Command2", u"初始化", true, u"init", {}, int(None), {},
         u"让控制器初始化",
         [](const ControlValues &) { return buildInitialise(); }},
        {code::DeviceCount, u"Command3", u"设置设备总数", true, u"device-count", {{u"Text3", u"COUNT"}}, int(None), u"12",
         u"COUNT：设备总数，0..255",
         [](const ControlValues &v) { return buildDeviceCount(t(v, u"Text3")); }},
        {code::AddressList, u"Command4", u"设置地址", true, u"addresses", {{u"Text2", u"ADDRESSES"}}, int(None), u"010203",
         u"ADDRESSES：各设备的地址，成对的16进制数字，不要空格",
         [](const ControlValues &v) { return buildAddressList(t(v, u"Text2")); }},
        {code::PortCountList, u"Command5", u"设置端口数", true, u"port-counts", {{u"Text4", u"PORT-COUNTS"}}, int(None),
         u"0408", u"PORT-COUNTS：各设备的端口数，成对的16进制数字，不要空格",
         [](const ControlValues &v) { return buildPortCountList(t(v, u"Text4")); }},
        {code::DeviceDescription, u"Command6", u"设置设备描述", true, u"device-desc",
         {{u"Text1", u"ADDRESS"}, {u"Text5", u"TEXT"}, {u"Text9", u"CONTENT"}}, int(CodePage), u"1 温度 01 --codepage",
         u"ADDRESS 0..255，TEXT 最多8个字，CONTENT 成对的16进制数字；\n"
         u"--codepage 按代码页 936（GBK）发送，不按 UTF-16",
         [](const ControlValues &v) {
             return buildDeviceDescription(t(v, u"Text1"), t(v, u"Text5"), t(v, u"Text9"), encodingOf(v));
         }},
        {code::PortDescription, u"Command1", u"端口描述设置", true, u"port-desc",
         {{u"Text6", u"ADDRESS"}, {u"Text7", u"PORT"}, {u"Text8", u"TEXT"}}, int(CodePage), u"1 2 AB12",
         u"ADDRESS 和 PORT 0..255，TEXT 最多5个字；--codepage 同上",
         [](const ControlValues &v) {
             return buildPortDescription(t(v, u"Text6"), t(v, u"Text7"), t(v, u"Text8"), encodingOf(v));
         }},
        {code::SmsCentre, u"Command8", u"设置短信中心号码", false, u"centre", {{u"Text10", u"NUMBER"}}, int(None),
         u"13800138000", u"NUMBER：短信中心的号码，最多11个字符",
         [](const ControlValues &v) { return buildSmsCentre(t(v, u"Text10")); }},
        {code::RecipientPhone, u"Command9", u"设置短信接收电话号码", false, u"phone",
         {{u"Text11", u"SLOT"}, {u"Text12", u"NUMBER"}}, int(None), u"3 13912345678",
         u"SLOT 0..16（电话是 1..16），NUMBER 最多11个字符",
         [](const ControlValues &v) { return buildRecipientPhone(t(v, u"Text11"), t(v, u"Text12")); }},
        {code::DeviceSwitches, u"Command10", u"设置轮巡设备短信发送开关", false, u"device-switches", {device},
         int(Phones), u"1 --phones 1,16",
         u"DEVICE：设备轮训号 0..255；--phones：收它的短信的电话（1..16）",
         [](const ControlValues &v) { return buildDeviceSwitches(t(v, u"Text13"), phoneTicksOf(v)); }},
        {code::ProbeSwitches, u"Command11", u"设置探头短信发送开关", false, u"probe-switches", {device, probe},
         int(Phones), u"1 2 --phones 1,2,3", u"DEVICE 和 PROBE 0..255；--phones 同上",
         [](const ControlValues &v) {
             return buildProbeSwitches(t(v, u"Text13"), t(v, u"Text14"), phoneTicksOf(v));
         }},
        {code::ProbeType, u"Command12", u"设置探头类型", false, u"probe-type", {device, probe}, int(NoSwitch), u"1 2",
         u"把探头设为开关量输入；--no-switch 相当于不勾选开关量",
         [](const ControlValues &v) {
             return buildProbeType(t(v, u"Text13"), t(v, u"Text14"), v.isTicked(SwitchBox));
         }},
        {code::AlarmUpperLimit, u"Command13", u"设置探头告警上限", false, u"upper-limit", {device, probe}, int(Level),
         u"1 2 high", u"LEVEL：high（高电平）、low（低电平）或 none（无），也可以写中文",
         [](const ControlValues &v) { return alarmLimit(AlarmLimit::Upper, v); }},
        {code::AlarmLowerLimit, u"Command14", u"设置探头告警下限", false, u"lower-limit", {device, probe}, int(Level),
         u"1 2 low", u"同 upper-limit；窗口里这个按钮是隐藏的",
         [](const ControlValues &v) { return alarmLimit(AlarmLimit::Lower, v); }},
        {code::Clock, u"Command15", u"设置设备时间", false, u"clock",
         {{u"Combo2", u"YEAR"}, {u"Combo3", u"MONTH"}, {u"Combo4", u"DAY"}, {u"Combo5", u"HOUR"}, {u"Combo6", u"MINUTE"},
          {u"Combo7", u"WEEKDAY"}},
         int(None), u"26 12 05 23 42 星期六", u"各两位数字，然后是星期几（星期一..星期天）",
         [](const ControlValues &v) {
             return buildClock({t(v, u"Combo2"), t(v, u"Combo3"), t(v, u"Combo4"), t(v, u"Combo5"), t(v, u"Combo6"),
                                t(v, u"Combo7")});
         }},
    };
    return table;
}

std::u16string commandCaption(const CommandEntry &entry)
{
    return text::translate("FormCaption", text::toUtf8(entry.button), entry.caption);
}

std::u16string commandExample(const CommandEntry &entry)
{
    return text::translate("CommandExample", text::toUtf8(entry.cliName), entry.example);
}

std::u16string commandNote(const CommandEntry &entry)
{
    return text::translate("CommandNote", text::toUtf8(entry.cliName), entry.note);
}

std::vector<text::CatalogueEntry> commandHelpCatalogue()
{
    std::vector<text::CatalogueEntry> out;
    for (const CommandEntry &entry : commandTable()) {
        const std::string name = text::toUtf8(entry.cliName);
        // An example of ASCII words reads the same in every language.
        if (std::any_of(entry.example.begin(), entry.example.end(), [](char16_t c) { return c >= 0x80; }))
            out.push_back({"CommandExample", name, entry.example});
        out.push_back({"CommandNote", name, entry.note});
    }
    return out;
}

const CommandEntry *findCommandByCliName(std::u16string_view name)
{
    for (const CommandEntry &entry : commandTable())
        if (entry.cliName == name)
            return &entry;
    return nullptr;
}

const CommandEntry *findCommandByButton(std::u16string_view button)
{
    for (const CommandEntry &entry : commandTable())
        if (entry.button == button)
            return &entry;
    return nullptr;
}

}  // namespace smscfg
