#pragma once

#include "commands/profile.h"
#include "commands/request_words.h"
#include "link/exchange.h"
#include "link/port_discovery.h"

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
    InputRejected = 2,  // a fixed message or a refusal of the input, a bad profile
    NoVerdict = 3,      // "设备无响应", or a reply without a verdict
    PortUnusable = 4,   // the port cannot be opened
    Usage = 64,         // unknown command, wrong number of texts, bad option
};

// A parsed command line.
struct Invocation {
    enum class Action { Request, Apply, ListPorts, Help, Version };
    Action action = Action::Request;
    QString help;  // what Help prints
    bool dryRun = false;
    bool trace = false;
    QStringList ports;  // as given with --port, in order; none given: the default port
    ExchangeTimings timings;
    ParsedRequest request;  // Request
    QString profilePath;    // Apply
    bool keepGoing = false; // Apply
};

// Parses the arguments after the program name; `now` is the PC's time for
// `clock now`, `defaultPort` the port when no --port is given (empty: "1").
// Returns the invocation, or nullopt with a one-line reason in `error`.
std::optional<Invocation> parseArguments(const QStringList &args, const QDateTime &now, QString *error,
                                         const QString &defaultPort = {});

// What the command line needs from the world, so that tests can stand in.
struct Environment {
    // Sends one request and reports its verdict; returns the exit code.
    std::function<int(const Invocation &, const CommandFrame &, QTextStream &out, QTextStream &err)> send;
    // Applies built steps to every port of the invocation; returns the exit code.
    std::function<int(const Invocation &, const QList<ProfileStep> &, QTextStream &out, QTextStream &err)> apply;
    QDateTime now = QDateTime::currentDateTime();
    const PortDiscovery *ports = &PortDiscovery::system();
    QString defaultPort;  // $SMSCFG_PORT: the port when no --port is given
};

// The whole command line: parse, build, then print (--dry-run) or send.
int run(const QStringList &args, QTextStream &out, QTextStream &err, const Environment &environment);

// The worst of two exit codes: a port that cannot be used, then no verdict,
// then a refusal, then acceptance.
int worseExitCode(int a, int b);

}  // namespace smscfg::cli
