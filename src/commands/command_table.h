#pragma once

#include "commands/build_result.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <vector>

namespace smscfg {

// The state of the window's controls, by control name: texts of text and
// combo boxes ("Text13", "Combo2"), and the names of the ticked check boxes
// and selected option buttons ("Check1", "Check2_0", "Option1_1").
struct ControlValues {
    QHash<QString, QString> texts;
    QSet<QString> ticked;

    QString text(const QString &name) const { return texts.value(name); }
    bool isTicked(const QString &name) const { return ticked.contains(name); }
};

// Name of the check box for phone n (1..16): "Check2_0" .. "Check2_15".
QString phoneCheckName(int phone);

// The options that several requests read.
inline const QString UnicodeBox = QStringLiteral("Check1");  // descriptions in UTF-16
inline const QString SwitchBox = QStringLiteral("Check3");   // probe type: switch input
inline const QString LowLevelButton = QStringLiteral("Option1_0");
inline const QString HighLevelButton = QStringLiteral("Option1_1");

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
    QString control;  // "Text13"
    QString name;     // "DEVICE"
};

// One command button: what it sends, which controls it reads, and how the
// window and the command line present it.
struct CommandEntry {
    quint8 code;
    QString button;         // objectName of the button, "Command2"
    QString caption;        // its caption, "初始化"
    bool needsOpenPort;     // disabled while no port is open
    QString cliName;        // the command-line name, "init"
    QList<CommandArgument> arguments;  // the texts it reads, in command-line order
    int cliOptions;         // CliOption flags
    QString example;        // arguments after the name, for --help
    QString note;           // what the arguments mean, for --help
    BuildResult (*build)(const ControlValues &);

    bool hasOption(CliOption option) const { return (cliOptions & int(option)) != 0; }
    // The controls whose texts it reads, in command-line order.
    QStringList textControls() const;
};

// The fourteen requests, in command-code order.
const std::vector<CommandEntry> &commandTable();

const CommandEntry *findCommandByCliName(const QString &name);
const CommandEntry *findCommandByButton(const QString &button);

}  // namespace smscfg
