#pragma once

#include "commands/build_result.h"

// Probe type and alarm limits. `pollingNumber` is the device polling number
// and `probeNumber` the probe number, both decimal 0..255.
namespace smscfg {

// `switchInput`: "开关量" ticked.
BuildResult buildProbeType(std::u16string_view pollingNumber, std::u16string_view probeNumber, bool switchInput);

enum class AlarmLimit { Upper, Lower };

// `lowLevel`/`highLevel`: "低电平" / "高电平" selected.
BuildResult buildAlarmLimit(AlarmLimit limit, std::u16string_view pollingNumber, std::u16string_view probeNumber,
                            bool lowLevel, bool highLevel);

}  // namespace smscfg
