#pragma once

#include "protocol/bytes.h"

#include <string>
#include <string_view>
#include <vector>

namespace smscfg {

// A command code as the log shows it: "0x4C".
std::u16string codeText(std::uint8_t code);

// The seven weekday names in the language chosen, Monday first; their codes
// are 1..7.
std::vector<std::u16string> weekdayNames();

// A request frame in words, for the communication log, the command line's
// trace and the simulator: "0x4C 第3个电话 = 13912345678". A frame whose
// payload does not fit its command says so.
std::u16string describeRequest(ByteView frame);

// Received bytes in words: a reply frame's command and status, or nothing
// for bytes that are no reply frame.
std::u16string describeReply(ByteView bytes);

// Text that can go to a log or a terminal: control characters and other
// characters that do not print become \xHH (or \uHHHH).
std::u16string escapeForLog(std::u16string_view text);

// False for code units that do not print: controls, format characters,
// private use, unassigned code points and lone surrogates.
bool isPrintable(char16_t unit);

}  // namespace smscfg
