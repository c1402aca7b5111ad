#pragma once

#include "commands/profile.h"
#include "commands/request_words.h"
#include "protocol/language.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The command line's words: what smscfg-cli makes of its arguments, its help
// and usage errors, and everything it prints without a serial line (the
// --dry-run frames, refusals, messages, a profile's steps). smscfg-cli and the
// WebAssembly dry run both run this, so they print alike.
namespace smscfg::cli {

// Exit codes of smscfg-cli.
enum ExitCode {
    Accepted = 0,       // "设置成功", or a --dry-run frame printed
    Refused = 1,        // "设置失败"
    InputRejected = 2,  // a fixed message or a refusal of the input, a bad profile
    NoVerdict = 3,      // "设备无响应", or a reply without a verdict
    PortUnusable = 4,   // the port cannot be opened
    Usage = 64,         // unknown command, wrong number of texts, bad option
    OutputFailed = 74,  // what was to be printed could not be written
};

// A parsed command line.
struct Invocation {
    enum class Action { Request, Apply, ListPorts, Help, Version };
    Action action = Action::Request;
    std::u16string help;  // what Help prints
    bool dryRun = false;
    bool trace = false;
    Words ports;  // as given with --port, in order; none given: the default port
    std::optional<std::chrono::milliseconds> responseTimeout;  // --timeout
    ParsedRequest request;   // Request
    std::u16string profilePath;  // Apply
    bool keepGoing = false;  // Apply
};

// The language that `--lang` names among the global options (before the
// command), which the program installs before it runs the words; nullopt
// without one, or for a name that parseArguments then refuses.
std::optional<Language> languageOption(const Words &args);

// Parses the arguments after the program name; `now` is the PC's time for
// `clock now`, `defaultPort` the port when no --port is given (empty: "1").
// Returns the invocation, or a one-line reason.
std::variant<Invocation, std::u16string> parseArguments(const Words &args, const LocalTime &now,
                                                        const std::u16string &defaultPort = {});

// What the words need from the world: the PC's time, the program's version,
// a profile file's bytes (or why it cannot be read), and the port when no
// --port is given ($SMSCFG_PORT; empty: "1").
struct World {
    LocalTime now{};
    std::u16string version;
    std::function<std::variant<std::string, std::u16string>(const std::u16string &path)> readFile;
    std::u16string defaultPort;
};

// What is left for the serial line after the words are done with.
enum class LineWork { None, Send, Apply, ListPorts };

struct WordsOutcome {
    std::u16string out;  // for stdout
    std::u16string err;  // for stderr
    int exitCode = Accepted;
    LineWork work = LineWork::None;
    Invocation invocation;             // with Send, Apply and ListPorts
    std::optional<CommandFrame> frame; // with Send
    std::vector<ProfileStep> steps;    // with Apply
};

// The whole command line as far as it goes without a serial line: parse,
// build, then print (--dry-run, help, version, problems) or say what to send.
WordsOutcome runWords(const Words &args, const World &world);

// The worst of two exit codes: a port that cannot be used, then no verdict,
// then a refusal, then acceptance.
int worseExitCode(int a, int b);

// A profile step's words as a line can show them: control characters and
// other characters that do not print escaped (\x1b), as everywhere outside
// text is printed.
std::u16string printableWords(const Words &words);

// What `ports` prints on stderr when there are none.
std::u16string noPortsFoundText();

}  // namespace smscfg::cli
