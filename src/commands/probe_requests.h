#pragma once

#include "commands/build_result.h"

// Probe type and alarm limits. Text13 is the device polling number and
// Text14 the probe number, both decimal 0..255.
namespace smscfg {

inline constexpr quint8 SwitchInputProbeType = 0x11;
inline constexpr quint8 HighLevelCode = 0x55;
inline constexpr quint8 LowLevelCode = 0xAA;

// `switchInput`: Check3 "开关量" ticked.
BuildResult buildProbeType(const QString &text13, const QString &text14, bool switchInput);

enum class AlarmLimit { Upper, Lower };

// `lowLevel`/`highLevel`: Option1(0) "低电平" / Option1(1) "高电平" selected.
BuildResult buildAlarmLimit(AlarmLimit limit, const QString &text13, const QString &text14, bool lowLevel,
                            bool highLevel);

}  // namespace smscfg
