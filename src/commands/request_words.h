#pragma once

#include "commands/command_table.h"

#include <QDateTime>
#include <QStringList>
#include <variant>

// One request written as words: COMMAND ARG..., with the command's own
// options among the arguments. The command line and the profile steps use
// this form, so a step means the same in a file as in a shell.
namespace smscfg {

struct ParsedRequest {
    const CommandEntry *command = nullptr;
    ControlValues controls;  // as the window's controls would hold them
};

struct WordsProblem {
    bool helpAsked = false;  // --help or -h among the words: not an error
    QString reason;          // otherwise why the words are no request
};

// Reads `words` (COMMAND first). The texts are taken as the boxes would hold
// them; options are recognised only where the command has them: --codepage,
// --phones LIST, --no-switch, and a trailing LEVEL (high, low or none, or
// 高电平, 低电平, 无). Any other word starting with "--", or with "-" and a
// letter, is a problem; a bare "--" makes every later word a text.
// `clock now` takes the clock row from `now`.
std::variant<ParsedRequest, WordsProblem> parseRequestWords(const QStringList &words, const QDateTime &now);

// The words that parseRequestWords reads back into `controls`.
QStringList requestWords(const CommandEntry &entry, const ControlValues &controls);

// "phone SLOT NUMBER", "device-desc ADDRESS TEXT CONTENT [--codepage]"...
QString requestSynopsis(const CommandEntry &entry);

}  // namespace smscfg
