#pragma once

#include "commands/request_words.h"
#include "link/exchange.h"

#include <QDateTime>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>

namespace smscfg::cli {

// Exit codes of smscfg-cli.
enum ExitCode {
    Accepted = 0,       // "设置成功", or a --dry-run frame printed
    Refused = 1,        // "设置失败"
    InputRejected = 2,  // a fixed message or a refusal of the input
    NoVerdict = 3,      // "设备无响应", or a reply without a verdict
    PortUnusable = 4,   // the port cannot be opened
    Usage = 64,         // unknown command, wrong number of texts, bad option
};

// A parsed command line.
struct Invocation {
    enum class Action { Request, Help, Version };
    Action action = Action::Request;
    QString help;  // what Help prints
    bool dryRun = false;
    QString port = QStringLiteral("1");
    ExchangeTimings timings;
    ParsedRequest request;
};

// Parses the arguments after the program name; `now` is the PC's time for
// `clock now`. Returns the invocation, or nullopt with a one-line reason in
// `error`.
std::optional<Invocation> parseArguments(const QStringList &args, const QDateTime &now, QString *error);

QString usageLine();
QString helpText();

// Sends a frame and reports the verdict on `out`/`err`; returns the exit code.
using Sender = std::function<int(const Invocation &, const CommandFrame &, QTextStream &out, QTextStream &err)>;

// The whole command line: parse, build, then print (--dry-run) or send.
int run(const QStringList &args, QTextStream &out, QTextStream &err, const Sender &send,
        const QDateTime &now = QDateTime::currentDateTime());

}  // namespace smscfg::cli
