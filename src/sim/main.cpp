#include "process/quit_on_signal.h"
#include "process/standard_descriptors.h"
#include "process/version.h"
#include "qt_boundary/log_text.h"
#include "sim/sim_log.h"
#include "sim/simulator.h"
#include "sim/state_file.h"
#include "sim/system_io.h"
#include "sim/tool_link.h"

#include <QCoreApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>

namespace {

QString helpText()
{
    return QStringLiteral(
               "smscfg-sim: a virtual SMS alarm controller on a serial line.\n"
               "\n"
               "usage: smscfg-sim [--link PATH | --device PATH] [--state FILE] [--log FILE]\n"
               "                  [--baud N] [fault options]\n"
               "       smscfg-sim --help | --version\n"
               "\n"
               "By default it creates a pseudo-terminal pair and prints the path the tool\n"
               "should open as the only line on stdout; the request log goes to stderr.\n"
               "It serves until SIGINT, SIGTERM or SIGHUP. In bash, to open the window on\n"
               "it and stop it when the window closes:\n"
               "\n"
               "  read -r port < <(smscfg-sim); smscfg \"$port\"; kill $!\n"
               "\n"
               "or to send requests from a script, with the log in a file:\n"
               "\n"
               "  read -r port < <(smscfg-sim --log sim.log); smscfg-cli --port \"$port\" init; kill $!\n"
               "\n"
               "(Not smscfg \"$(smscfg-sim | head -1)\": the shell waits for the whole pipeline\n"
               "to end, and the simulator does not end.)\n"
               "\n"
               "  --link PATH    also make a symbolic link PATH to that side, in place before\n"
               "                 the port line is printed, removed on exit if it still points\n"
               "                 there. Only made where nothing is, or in place of a dangling\n"
               "                 link or a link to a pseudo-terminal that no running\n"
               "                 smscfg-sim serves; anything else at PATH is refused.\n"
               "  --device PATH  serve on an existing serial device instead, 9600 8N1\n"
               "  --state FILE   keep the controller's state in FILE as JSON: loaded at start\n"
               "                 when FILE exists (a FILE that is not a state is refused and\n"
               "                 left as it is), written after every accepted request\n"
               "                 (a temporary file FILE.smscfg-sim-XXXXXX, then a rename;\n"
               "                 ones left by a killed simulator are removed at start)\n"
               "  --log FILE     append the request log to FILE instead of stderr\n"
               "  --baud N       take as long as a line at N baud to receive each request and\n"
               "                 to send each reply (10 bits a byte: 1.04 ms at 9600)\n"
               "\n"
               "Fault modes:\n"
               "  --refuse       answer 09 (refused) to every request\n"
               "  --silent       never answer\n"
               "  --delay MS     answer MS milliseconds late\n"
               "  --stray        put one stray byte (EE) before each reply\n"
               "  --split MS     send each reply in two parts, MS milliseconds apart\n"
               "  --short        send only the first five bytes of each reply\n"
               "\n"
               "Replies are 7E FE 08 00 CODE STATUS CS 16, STATUS 06 accepted or 09 refused.\n"
               "Each request is logged in one line: time, frame, meaning, reply. A log that\n"
               "nobody reads never holds the simulator up: lines that cannot be written are\n"
               "dropped, and how many is logged when they can be again.\n"
               "\n")
        + smscfg::toQString(smscfg::controller::refusalRules());
}

int usage(const QString &reason)
{
    QTextStream(stderr) << "smscfg-sim: " << reason << "\n(smscfg-sim --help explains the options)\n";
    return 64;
}

int fail(const QString &message)
{
    QTextStream(stderr) << "smscfg-sim: " << message << '\n';
    return 1;
}

}  // namespace

int main(int argc, char *argv[])
{
    smscfg::ensureStandardDescriptors();
    // A reader that has gone makes writes fail, and that is all.
    std::signal(SIGPIPE, SIG_IGN);
    using smscfg::escapeForLog;
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    smscfg::sim::SimOptions options;
    QString link, device, logFile;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&](QString *out) {
            if (i + 1 >= args.size())
                return false;
            *out = args[++i];
            return true;
        };
        auto number = [&](int *out) {
            QString text;
            bool ok = false;
            if (value(&text))
                *out = text.toInt(&ok);
            return ok && *out >= 0;
        };
        if (a == u"--help" || a == u"-h") {
            QTextStream(stdout) << helpText();
            return 0;
        }
        if (a == u"--version") {
            QTextStream(stdout) << "smscfg-sim " << smscfg::programVersion() << '\n';
            return 0;
        }
        if (a == u"--refuse") {
            options.refuseAll = true;
        } else if (a == u"--silent") {
            options.silent = true;
        } else if (a == u"--stray") {
            options.stray = true;
        } else if (a == u"--short") {
            options.shortReply = true;
        } else if (a == u"--delay") {
            if (!number(&options.delayMs))
                return usage(QStringLiteral("--delay needs a number of milliseconds"));
        } else if (a == u"--split") {
            if (!number(&options.splitMs))
                return usage(QStringLiteral("--split needs a number of milliseconds"));
        } else if (a == u"--baud") {
            if (!number(&options.baud) || options.baud == 0)
                return usage(QStringLiteral("--baud needs a number of bits per second above 0"));
        } else if (a == u"--link") {
            if (!value(&link))
                return usage(QStringLiteral("--link needs a path"));
        } else if (a == u"--device") {
            if (!value(&device))
                return usage(QStringLiteral("--device needs a path"));
        } else if (a == u"--state") {
            if (!value(&options.stateFile))
                return usage(QStringLiteral("--state needs a file name"));
        } else if (a == u"--log") {
            if (!value(&logFile))
                return usage(QStringLiteral("--log needs a file name"));
        } else {
            return usage(QStringLiteral("unknown argument %1").arg(escapeForLog(a)));
        }
    }
    if (!link.isEmpty() && !device.isEmpty())
        return usage(QStringLiteral("--link and --device do not go together"));

    QString error;
    smscfg::sim::ControllerState state;
    if (!options.stateFile.isEmpty()) {
        const std::optional<smscfg::sim::ControllerState> loaded = smscfg::sim::readStateFile(options.stateFile, &error);
        if (!loaded)
            return fail(QStringLiteral("%1 cannot be read as a controller's state, and is left as it is: %2")
                            .arg(escapeForLog(options.stateFile), error));
        state = *loaded;
        smscfg::sim::removeLeftoverTemporaries(options.stateFile);
    }
    int logFd = STDERR_FILENO;
    if (!logFile.isEmpty()) {
        logFd = ::open(logFile.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
        if (logFd < 0)
            return fail(QStringLiteral("cannot open the log %1: %2")
                            .arg(escapeForLog(logFile), smscfg::sim::errnoText()));
    }
    smscfg::sim::SimLog log(logFd, logFd != STDERR_FILENO);

    std::unique_ptr<smscfg::sim::SimLine> line = device.isEmpty() ? smscfg::sim::SimLine::openPty(&error)
                                                                  : smscfg::sim::SimLine::openDevice(device, &error);
    if (!line)
        return fail(escapeForLog(error));
    // Before the link is made: a signal from now on ends the event loop
    // once it runs, and the link is removed on the way out.
    smscfg::quitOnTerminationSignals(app);
    std::unique_ptr<smscfg::sim::ToolLink> toolLink;
    if (!link.isEmpty() && !(toolLink = smscfg::sim::ToolLink::create(link, line->toolPath(), &error)))
        return fail(error);

    // The only line on stdout, so that a reader may stop after it.
    std::fprintf(stdout, "%s\n", line->toolPath().toLocal8Bit().constData());
    std::fflush(stdout);

    smscfg::sim::Simulator simulator(*line, options, std::move(state), [&log](const QString &l) { log.line(l); });
    int status = 0;
    QObject::connect(line.get(), &smscfg::sim::SimLine::lost, &app, [&](const QString &reason) {
        log.line(QStringLiteral("smscfg-sim: ") + escapeForLog(reason));
        status = 1;
        app.quit();
    });
    const int rc = app.exec();
    return rc != 0 ? rc : status;
}
