#include "commands/command_table.h"

#include "commands/clock_request.h"
#include "commands/description_requests.h"
#include "commands/probe_requests.h"
#include "commands/setup_requests.h"
#include "commands/sms_requests.h"
#include "protocol/command_codes.h"

namespace smscfg {
namespace {

TextEncoding encodingOf(const ControlValues &v)
{
    return v.isTicked(QStringLiteral("Check1")) ? TextEncoding::Unicode : TextEncoding::CodePage;
}

PhoneTicks phoneTicksOf(const ControlValues &v)
{
    PhoneTicks ticks{};
    for (int phone = 1; phone <= 16; ++phone)
        ticks[phone - 1] = v.isTicked(phoneCheckName(phone));
    return ticks;
}

BuildResult alarmLimit(AlarmLimit limit, const ControlValues &v)
{
    return buildAlarmLimit(limit, v.text(QStringLiteral("Text13")), v.text(QStringLiteral("Text14")),
                           v.isTicked(QStringLiteral("Option1_0")), v.isTicked(QStringLiteral("Option1_1")));
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

const std::vector<CommandEntry> &commandTable()
{
    using enum CliOption;
    static const std::vector<CommandEntry> table = {
        {code::Initialise, "Command2", "初始化", "init", {}, int(None),
         [](const ControlValues &) { return buildInitialise(); }},
        {code::DeviceCount, "Command3", "设置设备总数", "device-count", {"Text3"}, int(None),
         [](const ControlValues &v) { return buildDeviceCount(t(v, "Text3")); }},
        {code::AddressList, "Command4", "设置地址", "addresses", {"Text2"}, int(None),
         [](const ControlValues &v) { return buildAddressList(t(v, "Text2")); }},
        {code::PortCountList, "Command5", "设置端口数", "port-counts", {"Text4"}, int(None),
         [](const ControlValues &v) { return buildPortCountList(t(v, "Text4")); }},
        {code::DeviceDescription, "Command6", "设置设备描述", "device-desc", {"Text1", "Text5", "Text9"},
         int(CodePage), [](const ControlValues &v) {
             return buildDeviceDescription(t(v, "Text1"), t(v, "Text5"), t(v, "Text9"), encodingOf(v));
         }},
        {code::PortDescription, "Command1", "端口描述设置", "port-desc", {"Text6", "Text7", "Text8"},
         int(CodePage), [](const ControlValues &v) {
             return buildPortDescription(t(v, "Text6"), t(v, "Text7"), t(v, "Text8"), encodingOf(v));
         }},
        {code::SmsCentre, "Command8", "设置短信中心号码", "centre", {"Text10"}, int(None),
         [](const ControlValues &v) { return buildSmsCentre(t(v, "Text10")); }},
        {code::RecipientPhone, "Command9", "设置短信接收电话号码", "phone", {"Text11", "Text12"}, int(None),
         [](const ControlValues &v) { return buildRecipientPhone(t(v, "Text11"), t(v, "Text12")); }},
        {code::DeviceSwitches, "Command10", "设置轮巡设备短信发送开关", "device-switches", {"Text13"},
         int(Phones), [](const ControlValues &v) { return buildDeviceSwitches(t(v, "Text13"), phoneTicksOf(v)); }},
        {code::ProbeSwitches, "Command11", "设置探头短信发送开关", "probe-switches", {"Text13", "Text14"},
         int(Phones), [](const ControlValues &v) {
             return buildProbeSwitches(t(v, "Text13"), t(v, "Text14"), phoneTicksOf(v));
         }},
        {code::ProbeType, "Command12", "设置探头类型", "probe-type", {"Text13", "Text14"}, int(NoSwitch),
         [](const ControlValues &v) {
             return buildProbeType(t(v, "Text13"), t(v, "Text14"), v.isTicked(QStringLiteral("Check3")));
         }},
        {code::AlarmUpperLimit, "Command13", "设置探头告警上限", "upper-limit", {"Text13", "Text14"}, int(Level),
         [](const ControlValues &v) { return alarmLimit(AlarmLimit::Upper, v); }},
        {code::AlarmLowerLimit, "Command14", "设置探头告警下限", "lower-limit", {"Text13", "Text14"}, int(Level),
         [](const ControlValues &v) { return alarmLimit(AlarmLimit::Lower, v); }},
        {code::Clock, "Command15", "设置设备时间", "clock",
         {"Combo2", "Combo3", "Combo4", "Combo5", "Combo6", "Combo7"}, int(None), [](const ControlValues &v) {
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

const CommandEntry *findCommandByCode(quint8 code)
{
    for (const CommandEntry &entry : commandTable())
        if (entry.code == code)
            return &entry;
    return nullptr;
}

}  // namespace smscfg
