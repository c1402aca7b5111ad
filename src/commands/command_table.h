#pragma once

#include "commands/build_result.h"
#include "protocol/text_table.h"

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace smscfg {

// The state of the window's controls, by control name: texts of text and
// combo boxes ("Text13", "Combo2"), and the names of the ticked check boxes
// and selected option buttons ("Check1", "Check2_0", "Option1_1").
struct ControlValues {
    std::map<std::u16string, std::u16string, std::less<>> texts;
    std::set<std::u16string, std::less<>> ticked;

    std::u16string text(std::u16string_view name) const
    {
        const auto found = texts.find(name);
        return found == texts.end() ? std::u16string() : found->second;
    }
    bool isTicked(std::u16string_view name) const { return ticked.find(name) != ticked.end(); }
};

// Name of the check box for phone n (1..16): "Check2_0" .. "Check2_15".
std::u16string phoneCheckName(int phone);

// The options that several requests read.
inline constexpr std::u16string_view UnicodeBox = u"Check1";  // descriptions in UTF-16
inline constexpr std::u16string_view SwitchBox = u"Check3";   // probe type: switch input
inline constexpr std::u16string_view LowLevelButton = u"Option1_0";
inline constexpr std::u16string_view HighLevelButton = u"Option1_1";

// What the command-line companion accepts besides the texts.
enum class CliOption {
    None = 0,
    CodePage = 1,  // --codepage: "Unicode" not ticked
    Phones = 2,    // --phones LIST: the ticked phone boxes
    NoSwitch = 4,  // --no-switch: "开关量" not ticked
    Level = 8,     // a trailing LEVEL text: high, low or none
};

// One text a command reads: the control it comes from in the window and the
// argument that carries it on the command line.
struct CommandArgument {
    std::u16string control;  // "Text13"
    std::u16string name;     // "DEVICE"
};

// One command button: what it sends, which controls it reads, and how the
// window and the command line present it.
struct CommandEntry {
    std::uint8_t code;
    std::u16string button;   // objectName of the button, "Command2"
    std::u16string caption;  // its caption, "初始化" (commandCaption: in the language chosen)
    bool needsOpenPort;      // disabled while no port is open
    std::u16string cliName;  // the command-line name, "init"
    std::vector<CommandArgument> arguments;  // the texts it reads, in command-line order
    int cliOptions;          // CliOption flags
    std::u16string example;  // arguments after the name, for --help (commandExample)
    std::u16string note;     // what the arguments mean, for --help (commandNote)
    BuildResult (*build)(const ControlValues &);

    bool hasOption(CliOption option) const { return (cliOptions & int(option)) != 0; }
    // The controls whose texts it reads, in command-line order.
    std::vector<std::u16string> textControls() const;
};

// The fourteen requests, in command-code order.
const std::vector<CommandEntry> &commandTable();

// A command's caption, example and note in the language chosen. Their
// catalogue keys: FormCaption/<button> (the form's captions),
// CommandExample/<name> (only examples that hold Chinese), CommandNote/<name>.
std::u16string commandCaption(const CommandEntry &entry);
std::u16string commandExample(const CommandEntry &entry);
std::u16string commandNote(const CommandEntry &entry);
// The examples and notes, for the catalogues.
std::vector<text::CatalogueEntry> commandHelpCatalogue();

const CommandEntry *findCommandByCliName(std::u16string_view name);
const CommandEntry *findCommandByButton(std::u16string_view button);

}  // namespace smscfg
