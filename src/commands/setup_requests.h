#pragma once

#include "commands/build_result.h"

// Controller set-up and topology: initialise, device count, address list and
// port-count list. Each builder takes the text of the box its button reads.
namespace smscfg {

// 7E FE 07 00 45 4C 16, always.
BuildResult buildInitialise();

// The total device count, decimal 0..255.
BuildResult buildDeviceCount(std::u16string_view deviceCount);

// The address list as hex digit pairs (at most 248 bytes).
BuildResult buildAddressList(std::u16string_view addresses);

// The port-count list as hex digit pairs (at most 248 bytes).
BuildResult buildPortCountList(std::u16string_view portCounts);

}  // namespace smscfg
