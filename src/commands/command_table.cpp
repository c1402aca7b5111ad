#include "commands/command_table.h"

#include "commands/clock_request.h"
#include "commands/description_requests.h"
#include "commands/probe_requests.h"
#include "commands/setup_requests.h"
#include "commands/sms_requests.h"
#include "protocol/wire.h"

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
    return buildAlarmLimit(limit, v.text(QStringLiteral("Text13")), v.text(QStringLiteral("Text14")),
                           v.isTicked(LowLevelButton), v.isTicked(HighLevelButton));
}

QString t(const ControlValues &v, const char *name)
{
    return v.text(QLatin1String(name));
}

}  // namespace

QString phoneCheckName(int phone)
{
    return QStringLiteral("Check2_%1").arg(phone - 1);
}

QStringList CommandEntry::textControls() const
{
    QStringList controls;
    for (const CommandArgument &argument : arguments)
        controls << argument.control;
    return controls;
}

const std::vector<CommandEntry> &commandTable()
{
    using enum CliOption;
    const CommandArgument device{"Text13", "DEVICE"};
    const CommandArgument probe{"Text14", "PROBE"};
    static const std::vector<CommandEntry> table = {
        {code::Initialise, "Command2", "初始化", true, "init", {}, int(None), {},
         "tell the controller to initialise itself",
         [](const ControlValues &) { return buildInitialise(); }},
        {code::DeviceCount, "Command3", "设置设备总数", true, "device-count", {{"Text3", "COUNT"}}, int(None), "12",
         "COUNT: number of devices, 0..255",
         [](const ControlValues &v) { return buildDeviceCount(t(v, "Text3")); }},
        {code::AddressList, "Command4", "设置地址", true, "addresses", {{"Text2", "ADDRESSES"}}, int(None), "010203",
         "ADDRESSES: device addresses as hex digit pairs, no spaces",
         [](const ControlValues &v) { return buildAddressList(t(v, "Text2")); }},
        {code::PortCountList, "Command5", "设置端口数", true, "port-counts", {{"Text4", "PORT-COUNTS"}}, int(None),
         "0408", "PORT-COUNTS: port counts as hex digit pairs, no spaces",
         [](const ControlValues &v) { return buildPortCountList(t(v, "Text4")); }},
        {code::DeviceDescription, "Command6", "设置设备描述", true, "device-desc",
         {{"Text1", "ADDRESS"}, {"Text5", "TEXT"}, {"Text9", "CONTENT"}}, int(CodePage), "1 温度 01 --codepage",
         "ADDRESS 0..255, TEXT at most 8 characters, CONTENT hex digit pairs;\n"
         "--codepage sends code page 936 instead of UTF-16",
         [](const ControlValues &v) {
             return buildDeviceDescription(t(v, "Text1"), t(v, "Text5"), t(v, "Text9"), encodingOf(v));
         }},
        {code::PortDescription, "Command1", "端口描述设置", true, "port-desc",
         {{"Text6", "ADDRESS"}, {"Text7", "PORT"}, {"Text8", "TEXT"}}, int(CodePage), "1 2 AB12",
         "ADDRESS and PORT 0..255, TEXT at most 5 characters; --codepage as above",
         [](const ControlValues &v) {
             return buildPortDescription(t(v, "Text6"), t(v, "Text7"), t(v, "Text8"), encodingOf(v));
         }},
        {code::SmsCentre, "Command8", "设置短信中心号码", false, "centre", {{"Text10", "NUMBER"}}, int(None),
         "13800138000", "NUMBER: the SMS centre's phone number, at most 11 characters",
         [](const ControlValues &v) { return buildSmsCentre(t(v, "Text10")); }},
        {code::RecipientPhone, "Command9", "设置短信接收电话号码", false, "phone",
         {{"Text11", "SLOT"}, {"Text12", "NUMBER"}}, int(None), "3 13912345678",
         "SLOT 0..16 (the phones are 1..16), NUMBER at most 11 characters",
         [](const ControlValues &v) { return buildRecipientPhone(t(v, "Text11"), t(v, "Text12")); }},
        {code::DeviceSwitches, "Command10", "设置轮巡设备短信发送开关", false, "device-switches", {device},
         int(Phones), "1 --phones 1,16",
         "DEVICE: polling number 0..255; --phones: the phones (1..16) that get its messages",
         [](const ControlValues &v) { return buildDeviceSwitches(t(v, "Text13"), phoneTicksOf(v)); }},
        {code::ProbeSwitches, "Command11", "设置探头短信发送开关", false, "probe-switches", {device, probe},
         int(Phones), "1 2 --phones 1,2,3", "DEVICE and PROBE 0..255; --phones as above",
         [](const ControlValues &v) {
             return buildProbeSwitches(t(v, "Text13"), t(v, "Text14"), phoneTicksOf(v));
         }},
        {code::ProbeType, "Command12", "设置探头类型", false, "probe-type", {device, probe}, int(NoSwitch), "1 2",
         "declare the probe a switch input; --no-switch as if 开关量 were cleared",
         [](const ControlValues &v) {
             return buildProbeType(t(v, "Text13"), t(v, "Text14"), v.isTicked(SwitchBox));
         }},
        {code::AlarmUpperLimit, "Command13", "设置探头告警上限", false, "upper-limit", {device, probe}, int(Level),
         "1 2 high", "LEVEL: high (高电平), low (低电平) or none (无); the Chinese words work too",
         [](const ControlValues &v) { return alarmLimit(AlarmLimit::Upper, v); }},
        {code::AlarmLowerLimit, "Command14", "设置探头告警下限", false, "lower-limit", {device, probe}, int(Level),
         "1 2 low", "as upper-limit; the window keeps this button hidden",
         [](const ControlValues &v) { return alarmLimit(AlarmLimit::Lower, v); }},
        {code::Clock, "Command15", "设置设备时间", false, "clock",
         {{"Combo2", "YEAR"}, {"Combo3", "MONTH"}, {"Combo4", "DAY"}, {"Combo5", "HOUR"}, {"Combo6", "MINUTE"},
          {"Combo7", "WEEKDAY"}},
         int(None), "26 12 05 23 42 星期六", "two digits each, then the weekday name (星期一..星期天)",
         [](const ControlValues &v) {
             return buildClock({t(v, "Combo2"), t(v, "Combo3"), t(v, "Combo4"), t(v, "Combo5"), t(v, "Combo6"),
                                t(v, "Combo7")});
         }},
    };
    return table;
}

const CommandEntry *findCommandByCliName(const QString &name)
{
    for (const CommandEntry &entry : commandTable())
        if (entry.cliName == name)
            return &entry;
    return nullptr;
}

const CommandEntry *findCommandByButton(const QString &button)
{
    for (const CommandEntry &entry : commandTable())
        if (entry.button == button)
            return &entry;
    return nullptr;
}

}  // namespace smscfg
