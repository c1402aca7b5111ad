#include "commands/probe_requests.h"

#include "commands/probe_address.h"
#include "protocol/command_codes.h"

namespace smscfg {

BuildResult buildProbeType(const QString &text13, const QString &text14, bool switchInput)
{
    if (text13.isEmpty() || text14.isEmpty())
        return BuildResult::message(probeAddressMissingMessage());
    auto address = readProbeAddress(text13, text14);
    if (auto *refusal = std::get_if<QString>(&address))
        return BuildResult::refusal(*refusal);
    if (!switchInput)
        return BuildResult::message(QStringLiteral("请选择开关量"));
    const QByteArray payload = std::get<QByteArray>(address) + char(SwitchInputProbeType);
    return BuildResult::ofFrame(*CommandFrame::build(code::ProbeType, payload));
}

BuildResult buildAlarmLimit(AlarmLimit limit, const QString &text13, const QString &text14, bool lowLevel,
                            bool highLevel)
{
    if (text13.isEmpty() || text14.isEmpty())
        return BuildResult::message(probeAddressMissingMessage());
    if (!lowLevel && !highLevel)
        return BuildResult::message(QStringLiteral("请选择高低电平"));
    auto address = readProbeAddress(text13, text14);
    if (auto *refusal = std::get_if<QString>(&address))
        return BuildResult::refusal(*refusal);
    // Should both ever be reported selected, the high level wins.
    const quint8 level = highLevel ? HighLevelCode : LowLevelCode;
    const QByteArray payload = std::get<QByteArray>(address) + char(level) + QByteArray(3, '\0');
    const quint8 code = limit == AlarmLimit::Upper ? code::AlarmUpperLimit : code::AlarmLowerLimit;
    return BuildResult::ofFrame(*CommandFrame::build(code, payload));
}

}  // namespace smscfg
