#pragma once

#include "protocol/bytes.h"

#include <string>
#include <string_view>
#include <variant>

namespace smscfg {

// The device polling number and the probe number as two bytes, or the
// refusal that names the box that cannot be encoded. The boxes must already
// have passed their emptiness test.
std::variant<Bytes, std::u16string> readProbeAddress(std::u16string_view pollingNumber, std::u16string_view probeNumber);

// The device polling number alone, one byte, or its refusal.
std::variant<Bytes, std::u16string> readPollingNumber(std::u16string_view pollingNumber);

// The message shown when either box is empty.
std::u16string probeAddressMissingMessage();

}  // namespace smscfg
