#pragma once

#include "commands/build_result.h"
#include "protocol/text_fields.h"

// SMS alarm settings: centre number, recipient numbers and the per-device
// and per-probe sending switches.
namespace smscfg {

inline constexpr int PhoneSlotCount = 16;

// Text10: the SMS centre number.
BuildResult buildSmsCentre(const QString &text10);

// Text11: phone slot, decimal 0..16; Text12: the phone number.
BuildResult buildRecipientPhone(const QString &text11, const QString &text12);

// Text13: device polling number; `ticked`: the "电话01".."电话16" boxes.
BuildResult buildDeviceSwitches(const QString &text13, const PhoneTicks &ticked);

// Text13: device polling number; Text14: probe number.
BuildResult buildProbeSwitches(const QString &text13, const QString &text14, const PhoneTicks &ticked);

}  // namespace smscfg
