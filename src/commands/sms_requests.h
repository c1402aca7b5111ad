#pragma once

#include "commands/build_result.h"
#include "protocol/text_fields.h"

// SMS alarm settings: centre number, recipient numbers and the per-device
// and per-probe sending switches.
namespace smscfg {

// The SMS centre's phone number.
BuildResult buildSmsCentre(std::u16string_view number);

// `slot`: phone slot, decimal 0..16; `number`: the phone number.
BuildResult buildRecipientPhone(std::u16string_view slot, std::u16string_view number);

// `ticked`: the "电话01".."电话16" boxes.
BuildResult buildDeviceSwitches(std::u16string_view pollingNumber, const PhoneTicks &ticked);
BuildResult buildProbeSwitches(std::u16string_view pollingNumber, std::u16string_view probeNumber,
                               const PhoneTicks &ticked);

}  // namespace smscfg
