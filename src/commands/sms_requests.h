#pragma once

#include "commands/build_result.h"
#include "protocol/text_fields.h"

// SMS alarm settings: centre number, recipient numbers and the per-device
// and per-probe sending switches.
namespace smscfg {

// The SMS centre's phone number.
BuildResult buildSmsCentre(const QString &number);

// `slot`: phone slot, decimal 0..16; `number`: the phone number.
BuildResult buildRecipientPhone(const QString &slot, const QString &number);

// `ticked`: the "电话01".."电话16" boxes.
BuildResult buildDeviceSwitches(const QString &pollingNumber, const PhoneTicks &ticked);
BuildResult buildProbeSwitches(const QString &pollingNumber, const QString &probeNumber, const PhoneTicks &ticked);

}  // namespace smscfg
