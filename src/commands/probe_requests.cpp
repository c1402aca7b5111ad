#include "commands/probe_requests.h"

#include "commands/probe_address.h"
#include "protocol/wire.h"

namespace smscfg {

BuildResult buildProbeType(const QString &pollingNumber, const QString &probeNumber, bool switchInput)
{
    if (pollingNumber.isEmpty() || probeNumber.isEmpty())
        return BuildResult::message(probeAddressMissingMessage());
    auto address = readProbeAddress(pollingNumber, probeNumber);
    if (auto *refusal = std::get_if<QString>(&address))
        return BuildResult::refusal(*refusal);
    if (!switchInput)
        return BuildResult::message(QStringLiteral("请选择开关量"));
    const QByteArray payload = std::get<QByteArray>(address) + char(wire::SwitchInputProbeType);
    return BuildResult::ofFrame(*CommandFrame::build(code::ProbeType, payload));
}

BuildResult buildAlarmLimit(AlarmLimit limit, const QString &pollingNumber, const QString &probeNumber,
                            bool lowLevel, bool highLevel)
{
    if (pollingNumber.isEmpty() || probeNumber.isEmpty())
        return BuildResult::message(probeAddressMissingMessage());
    if (!lowLevel && !highLevel)
        return BuildResult::message(QStringLiteral("请选择高低电平"));
    auto address = readProbeAddress(pollingNumber, probeNumber);
    if (auto *refusal = std::get_if<QString>(&address))
        return BuildResult::refusal(*refusal);
    // Should both ever be reported selected, the high level wins.
    const quint8 level = highLevel ? wire::HighLevel : wire::LowLevel;
    const QByteArray payload = std::get<QByteArray>(address) + char(level) + QByteArray(3, '\0');
    const quint8 code = limit == AlarmLimit::Upper ? code::AlarmUpperLimit : code::AlarmLowerLimit;
    return BuildResult::ofFrame(*CommandFrame::build(code, payload));
}

}  // namespace smscfg
