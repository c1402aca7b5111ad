#pragma once

#include <QtGlobal>

namespace smscfg::code {

inline constexpr quint8 Initialise = 0x45;
inline constexpr quint8 DeviceCount = 0x46;
inline constexpr quint8 AddressList = 0x47;
inline constexpr quint8 PortCountList = 0x48;
inline constexpr quint8 DeviceDescription = 0x49;
inline constexpr quint8 PortDescription = 0x4A;
inline constexpr quint8 SmsCentre = 0x4B;
inline constexpr quint8 RecipientPhone = 0x4C;
inline constexpr quint8 DeviceSwitches = 0x4D;
inline constexpr quint8 ProbeSwitches = 0x4E;
inline constexpr quint8 ProbeType = 0x4F;
inline constexpr quint8 AlarmUpperLimit = 0x50;
inline constexpr quint8 AlarmLowerLimit = 0x51;
inline constexpr quint8 Clock = 0x52;

}  // namespace smscfg::code
