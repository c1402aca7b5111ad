#pragma once

#include "protocol/text_table.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Every text of the command line's words (help, usage errors, the dry run's
// lines), by key, with its arguments (%1, %2...) filled in by position: the
// one place to give them in another language.
namespace smscfg::cli {

enum class CliText {
    CommandHelpTitle,
    CommandHelpExample,
    PortsHelp,
    PortsUsageHelp,
    DidYouMean,
    ApplyHelp,
    ApplyUsageHelp,
    CommandUsageHelp,
    UsageLine,
    HelpIntro,
    ClockNowHelp,
    ExitStatusHelp,
    NeedsValue,
    BadTimeout,
    UnknownOption,
    UsagePorts,
    SeveralPorts,
    NotApplyOption,
    UsageApply,
    BadLanguage,
    NoPortsFound,
    CannotReadProfile,
    DryRunStep,
    OutputNotWritten,  // %1: "（the system's reason）" or nothing
    Count
};

std::u16string cliText(CliText key, std::initializer_list<std::u16string_view> arguments = {});

// Every entry, for the catalogues.
std::vector<text::CatalogueEntry> cliTextCatalogue();

}  // namespace smscfg::cli
