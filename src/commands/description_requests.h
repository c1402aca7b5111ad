#pragma once

#include "commands/build_result.h"
#include "protocol/text_fields.h"

// Device and port descriptions; `encoding` is the state of the "Unicode"
// check box (ticked: TextEncoding::Unicode).
namespace smscfg {

// `address`: the device address, decimal 0..255; `description`: at most 8
// characters as typed; `content`: hex digit pairs, 1..231 bytes.
BuildResult buildDeviceDescription(std::u16string_view address, std::u16string_view description,
                                   std::u16string_view content, TextEncoding encoding);

// `address` and `port`: decimal 0..255 each; `description`: at most 5
// characters once trimmed.
BuildResult buildPortDescription(std::u16string_view address, std::u16string_view port,
                                 std::u16string_view description, TextEncoding encoding);

}  // namespace smscfg
