#pragma once

#include "cli_words/cli_words.h"
#include "link/exchange.h"
#include "link/port_discovery.h"

#include <QDateTime>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <vector>

// smscfg-cli's Qt side: the words are the core's (cli_words); this runs them
// with the PC's clock and files, and sends what they ask for over the line.
namespace smscfg::cli {

// What the command line needs from the world, so that tests can stand in.
struct Environment {
    // Sends one request and reports its verdict; returns the exit code.
    std::function<int(const Invocation &, const CommandFrame &, QTextStream &out, QTextStream &err)> send;
    // Applies built steps to every port of the invocation; returns the exit code.
    std::function<int(const Invocation &, const std::vector<ProfileStep> &, QTextStream &out, QTextStream &err)> apply;
    QDateTime now = QDateTime::currentDateTime();
    const PortDiscovery *ports = &PortDiscovery::system();
    QString defaultPort;  // $SMSCFG_PORT: the port when no --port is given
};

// The reply time-out the invocation asks for, with the exchange's defaults.
ExchangeTimings timingsOf(const Invocation &inv);

// The whole command line: parse, build, then print (--dry-run) or send.
int run(const QStringList &args, QTextStream &out, QTextStream &err, const Environment &environment);

}  // namespace smscfg::cli
