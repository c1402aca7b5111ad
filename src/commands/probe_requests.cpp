#include "commands/probe_requests.h"

#include "commands/command_texts.h"
#include "commands/probe_address.h"
#include "protocol/wire.h"

namespace smscfg {

BuildResult buildProbeType(std::u16string_view pollingNumber, std::u16string_view probeNumber, bool switchInput)
{
    if (pollingNumber.empty() || probeNumber.empty())
        return BuildResult::message(probeAddressMissingMessage());
    auto address = readProbeAddress(pollingNumber, probeNumber);
    if (auto *refusal = std::get_if<std::u16string>(&address))
        return BuildResult::refusal(*refusal);
    if (!switchInput)
        return BuildResult::message(commandText(CommandText::ChooseSwitchInput));
    Bytes payload = std::get<Bytes>(address);
    payload.push_back(wire::SwitchInputProbeType);
    return BuildResult::ofFrame(*CommandFrame::build(code::ProbeType, payload));
}

BuildResult buildAlarmLimit(AlarmLimit limit, std::u16string_view pollingNumber, std::u16string_view probeNumber,
                            bool lowLevel, bool highLevel)
{
    if (pollingNumber.empty() || probeNumber.empty())
        return BuildResult::message(probeAddressMissingMessage());
    if (!lowLevel && !highLevel)
        return BuildResult::message(commandText(CommandText::ChooseLevel));
    auto address = readProbeAddress(pollingNumber, probeNumber);
    if (auto *refusal = std::get_if<std::u16string>(&address))
        return BuildResult::refusal(*refusal);
    // Should both ever be reported selected, the high level wins.
    Bytes payload = std::get<Bytes>(address);
    payload.push_back(highLevel ? wire::HighLevel : wire::LowLevel);
    payload.insert(payload.end(), 3, 0);
    const std::uint8_t code = limit == AlarmLimit::Upper ? code::AlarmUpperLimit : code::AlarmLowerLimit;
    return BuildResult::ofFrame(*CommandFrame::build(code, payload));
}

}  // namespace smscfg
