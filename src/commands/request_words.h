#pragma once

#include "commands/clock_request.h"
#include "commands/command_table.h"

#include <string>
#include <variant>
#include <vector>

// One request written as words: COMMAND ARG..., with the command's own
// options among the arguments. The command line and the profile steps use
// this form, so a step means the same in a file as in a shell.
namespace smscfg {

using Words = std::vector<std::u16string>;

struct ParsedRequest {
    const CommandEntry *command = nullptr;
    ControlValues controls;  // as the window's controls would hold them
};

struct WordsProblem {
    bool helpAsked = false;  // --help or -h among the words: not an error
    std::u16string reason;   // otherwise why the words are no request
};

// Reads `words` (COMMAND first). The texts are taken as the boxes would hold
// them; options are recognised only where the command has them: --codepage,
// --phones LIST, --no-switch, and a trailing LEVEL (high, low or none, or
// 高电平, 低电平, 无). Any other word starting with "--", or with "-" and a
// letter, is a problem; a bare "--" makes every later word a text.
// `clock now` takes the clock row from `now`.
std::variant<ParsedRequest, WordsProblem> parseRequestWords(const Words &words, const LocalTime &now);

// The words that parseRequestWords reads back into `controls`.
Words requestWords(const CommandEntry &entry, const ControlValues &controls);

// "phone SLOT NUMBER", "device-desc ADDRESS TEXT CONTENT [--codepage]"...
std::u16string requestSynopsis(const CommandEntry &entry);

}  // namespace smscfg
