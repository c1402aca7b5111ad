#include "cli/cli.h"

#include "process/version.h"

namespace smscfg::cli {
namespace {

const QString GlobalOptions = QStringLiteral("[--dry-run] [--port PORT] [--timeout MS]");

std::optional<Invocation> fail(QString *error, const QString &reason)
{
    *error = reason;
    return std::nullopt;
}

QString commandHelp(const CommandEntry &entry)
{
    QString text = QStringLiteral("  %1  (%2, code 0x%3)\n")
                       .arg(requestSynopsis(entry), entry.caption, QString::number(entry.code, 16).toUpper());
    for (const QString &line : entry.note.split(u'\n'))
        text += QStringLiteral("      %1\n").arg(line);
    const QString example = entry.example.isEmpty() ? entry.cliName : entry.cliName + u' ' + entry.example;
    text += QStringLiteral("      e.g. smscfg-cli --dry-run %1\n").arg(example);
    return text;
}

}  // namespace

QString usageLine()
{
    return QStringLiteral("usage: smscfg-cli %1 COMMAND ARG... (smscfg-cli --help lists the commands)")
        .arg(GlobalOptions);
}

std::optional<Invocation> parseArguments(const QStringList &args, const QDateTime &now, QString *error)
{
    Invocation inv;
    qsizetype i = 0;
    for (; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == u"--help" || arg == u"-h") {
            inv.action = Invocation::Action::Help;
            inv.help = helpText();
            return inv;
        }
        if (arg == u"--version") {
            inv.action = Invocation::Action::Version;
            return inv;
        }
        if (arg == u"--dry-run") {
            inv.dryRun = true;
        } else if (arg == u"--port" || arg == u"--timeout") {
            if (i + 1 >= args.size())
                return fail(error, QStringLiteral("%1 needs a value").arg(arg));
            const QString value = args[++i];
            if (arg == u"--port") {
                inv.port = value;
            } else {
                bool ok = false;
                const int ms = value.toInt(&ok);
                if (!ok || ms <= 0)
                    return fail(error, QStringLiteral("--timeout needs a positive number of milliseconds"));
                inv.timings.responseTimeout = std::chrono::milliseconds(ms);
            }
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            return fail(error, QStringLiteral("unknown option %1").arg(arg));
        } else {
            break;
        }
    }
    auto parsed = parseRequestWords(args.mid(i), now);
    if (auto *problem = std::get_if<WordsProblem>(&parsed)) {
        if (!problem->helpAsked)
            return fail(error, problem->reason);
        inv.action = Invocation::Action::Help;
        const CommandEntry &entry = *findCommandByCliName(args[i]);
        inv.help = QStringLiteral("usage: smscfg-cli %1 %2\n\n").arg(GlobalOptions, requestSynopsis(entry))
            + commandHelp(entry);
        return inv;
    }
    inv.request = std::get<ParsedRequest>(std::move(parsed));
    return inv;
}

QString helpText()
{
    QString text = QStringLiteral(
        "smscfg-cli: send one setting to the SMS alarm controller, as the window's buttons do.\n"
        "\n"
        "usage: smscfg-cli %1 COMMAND ARG...\n"
        "       smscfg-cli --help | --version\n"
        "\n"
        "  --dry-run     print the request frame as hex and send nothing\n"
        "  --port PORT   serial port: a number N (port N: COMN, /dev/ttyS<N-1> on Linux)\n"
        "                or a device path such as /dev/ttyUSB0; default 1\n"
        "  --timeout MS  how long to wait for the reply; default 3000\n"
        "\n"
        "Each ARG is taken exactly as the window's box would hold it: spaces are kept,\n"
        "\"\" is an empty box, and -1 is a text. A word starting with -- that is not the\n"
        "command's option is an error; after a bare -- every word is a text.\n"
        "COMMAND --help explains one command.\n"
        "\n"
        "Commands (button caption, then usage and an example):\n")
                       .arg(GlobalOptions);
    for (const CommandEntry &entry : commandTable())
        text += u'\n' + commandHelp(entry);
    text += QStringLiteral(
        "\n  clock now sends the PC's local time.\n"
        "\nExit status: 0 accepted (设置成功) or frame printed; 1 refused (设置失败);\n"
        "2 input rejected (message on stderr, nothing sent); 3 no response (设备无响应)\n"
        "or a reply without a verdict; 4 port cannot be opened; 64 wrong usage.\n");
    return text;
}

int run(const QStringList &args, QTextStream &out, QTextStream &err, const Sender &send, const QDateTime &now)
{
    QString error;
    const std::optional<Invocation> inv = parseArguments(args, now, &error);
    if (!inv) {
        err << "smscfg-cli: " << error << '\n' << usageLine() << '\n';
        return Usage;
    }
    switch (inv->action) {
    case Invocation::Action::Help: out << inv->help; return Accepted;
    case Invocation::Action::Version: out << "smscfg-cli " << programVersion() << '\n'; return Accepted;
    case Invocation::Action::Request: break;
    }
    const BuildResult result = inv->request.command->build(inv->request.controls);
    if (!result.hasFrame()) {
        err << result.text() << '\n';
        return InputRejected;
    }
    if (inv->dryRun) {
        out << result.frame().toHex() << '\n';
        return Accepted;
    }
    return send(*inv, result.frame(), out, err);
}

}  // namespace smscfg::cli
