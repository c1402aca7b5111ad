#pragma once

#include "commands/build_result.h"
#include "protocol/text_fields.h"

// Device and port descriptions; `encoding` is the state of the "Unicode"
// check box (ticked: TextEncoding::Unicode).
namespace smscfg {

inline constexpr int DeviceDescriptionWidth = 16;
inline constexpr int DeviceDescriptionMaxChars = 8;
inline constexpr int DeviceContentMaxBytes = CommandFrame::MaxPayload - 1 - DeviceDescriptionWidth;  // 231
inline constexpr int PortDescriptionWidth = 10;
inline constexpr int PortDescriptionMaxChars = 5;

// Text1: device address (decimal 0..255); Text5: description, at most 8
// characters as typed; Text9: content bytes as hex digit pairs (1..231 bytes).
BuildResult buildDeviceDescription(const QString &text1, const QString &text5, const QString &text9,
                                   TextEncoding encoding);

// Text6: device address; Text7: port number (decimal 0..255 each);
// Text8: description, at most 5 characters once trimmed.
BuildResult buildPortDescription(const QString &text6, const QString &text7, const QString &text8,
                                 TextEncoding encoding);

}  // namespace smscfg
