#include "cli/cli.h"

#include "process/version.h"
#include "protocol/request_text.h"

#include <QFile>

#include <algorithm>

namespace smscfg::cli {
namespace {

const QString GlobalOptions = QStringLiteral("[--dry-run] [--trace] [--port PORT] [--timeout MS]");

std::optional<Invocation> fail(QString *error, const QString &reason)
{
    *error = reason;
    return std::nullopt;
}

QString commandHelp(const CommandEntry &entry)
{
    QString text = QStringLiteral("  %1  (%2, code %3)\n").arg(requestSynopsis(entry), entry.caption, codeText(entry.code));
    for (const QString &line : entry.note.split(u'\n'))
        text += QStringLiteral("      %1\n").arg(line);
    const QString example = entry.example.isEmpty() ? entry.cliName : entry.cliName + u' ' + entry.example;
    text += QStringLiteral("      e.g. smscfg-cli --dry-run %1\n").arg(example);
    return text;
}

const QString PortsHelp = QStringLiteral(
    "  ports\n"
    "      list the serial ports the system has: path, description, manufacturer,\n"
    "      VID:PID and serial number, tab-separated\n");

const QString ApplyHelp = QStringLiteral(
    "  apply PROFILE [--keep-going]\n"
    "      send every step of a profile file, in order, to each --port at the same\n"
    "      time; stop at the first 设置失败 or 设备无响应 unless --keep-going.\n"
    "      A profile is JSON: {\"smscfg-profile\": 1, \"name\": \"一号楼\",\n"
    "        \"steps\": [[\"device-count\", \"12\"], [\"phone\", \"1\", \"13912345678\"], [\"clock\", \"now\"]]}\n"
    "      each step being the words that follow smscfg-cli for one request.\n");

Invocation helpFor(const QString &text)
{
    Invocation inv;
    inv.action = Invocation::Action::Help;
    inv.help = text;
    return inv;
}

// `apply PROFILE [--keep-going]` after the global options.
std::optional<Invocation> parseApply(Invocation inv, const QStringList &words, QString *error)
{
    inv.action = Invocation::Action::Apply;
    QStringList rest;
    for (const QString &word : words.mid(1)) {
        if (word == u"--keep-going")
            inv.keepGoing = true;
        else if (word == u"--help" || word == u"-h")
            return helpFor(QStringLiteral("usage: smscfg-cli %1... apply PROFILE [--keep-going]\n\n").arg(GlobalOptions)
                           + ApplyHelp);
        else if (word.startsWith(QStringLiteral("--")))
            return fail(error, QStringLiteral("%1 is not an option of apply").arg(word));
        else
            rest << word;
    }
    if (rest.size() != 1)
        return fail(error, QStringLiteral("usage: apply PROFILE [--keep-going]"));
    inv.profilePath = rest.first();
    return inv;
}

int listPorts(QTextStream &out, QTextStream &err, const PortDiscovery &discovery)
{
    const QList<PortInfo> ports = portsForDisplay(discovery.ports());
    if (ports.isEmpty())
        err << "没有找到串口\n";
    for (const PortInfo &port : ports)
        out << portLine(port) << '\n';
    return Accepted;
}

int applyProfile(const Invocation &inv, QTextStream &out, QTextStream &err, const Environment &environment)
{
    QFile file(inv.profilePath);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "无法读取配置文件 " << inv.profilePath << "：" << file.errorString() << '\n';
        return InputRejected;
    }
    const auto profile = parseProfile(file.readAll());
    if (const auto *problem = std::get_if<QString>(&profile)) {
        err << *problem << '\n';
        return InputRejected;
    }
    const auto steps = buildProfileSteps(std::get<Profile>(profile), environment.now);
    if (const auto *problem = std::get_if<QString>(&steps)) {
        err << *problem << '\n';
        return InputRejected;
    }
    const QList<ProfileStep> &built = std::get<QList<ProfileStep>>(steps);
    if (inv.dryRun) {
        for (qsizetype i = 0; i < built.size(); ++i)
            out << QStringLiteral("第%1步  %2  %3\n").arg(i + 1).arg(built[i].frame.toHex(), built[i].words.join(u' '));
        return Accepted;
    }
    return environment.apply(inv, built, out, err);
}

// Edits (insertions, deletions, substitutions) that turn `a` into `b`.
qsizetype editDistance(const QString &a, const QString &b)
{
    QList<qsizetype> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The command a mistyped word most likely meant: the nearest name within a
// third of its length (at least one edit). Empty when none is that near.
QString nearestCommand(const QString &word)
{
    QStringList names{QStringLiteral("ports"), QStringLiteral("apply")};
    for (const CommandEntry &entry : commandTable())
        names << entry.cliName;
    QString nearest;
    qsizetype best = std::max<qsizetype>(1, word.size() / 3) + 1;
    for (const QString &name : std::as_const(names)) {
        const qsizetype distance = editDistance(word.toLower(), name);
        if (distance < best) {
            best = distance;
            nearest = name;
        }
    }
    return nearest;
}

QString usageLine()
{
    return QStringLiteral("usage: smscfg-cli %1 COMMAND ARG... (smscfg-cli --help lists the commands)")
        .arg(GlobalOptions);
}

QString helpText()
{
    QString text = QStringLiteral(
        "smscfg-cli: send settings to the SMS alarm controller, as the window's buttons do.\n"
        "\n"
        "usage: smscfg-cli %1 COMMAND ARG...\n"
        "       smscfg-cli [--dry-run] [--trace] [--port PORT]... apply PROFILE [--keep-going]\n"
        "       smscfg-cli ports\n"
        "       smscfg-cli --help | --version\n"
        "\n"
        "  --dry-run     print the request frame as hex and send nothing\n"
        "  --trace       print every frame sent and every chunk received on stderr,\n"
        "                with the time, the hex and what it means\n"
        "  --port PORT   serial port: a number N (port N: COMN, /dev/ttyS<N-1> on Linux)\n"
        "                or a device path such as /dev/ttyUSB0; default $SMSCFG_PORT,\n"
        "                or 1 when that is not set\n"
        "  --timeout MS  how long to wait for each reply; default 3000\n"
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
    text += QStringLiteral("\n  clock now sends the PC's local time.\n\n") + PortsHelp + u'\n' + ApplyHelp;
    text += QStringLiteral(
        "\nExit status: 0 accepted (设置成功) or frame printed; 1 refused (设置失败);\n"
        "2 input rejected (message on stderr, nothing sent); 3 no response (设备无响应)\n"
        "or a reply without a verdict; 4 port cannot be used; 64 wrong usage.\n"
        "With apply, the worst over all steps and ports.\n");
    return text;
}

}  // namespace

int worseExitCode(int a, int b)
{
    const auto rank = [](int code) {
        switch (code) {
        case Accepted: return 0;
        case Refused: return 1;
        case NoVerdict: return 2;
        default: return 3;
        }
    };
    return rank(a) >= rank(b) ? a : b;
}

std::optional<Invocation> parseArguments(const QStringList &args, const QDateTime &now, QString *error,
                                         const QString &defaultPort)
{
    Invocation inv;
    qsizetype i = 0;
    for (; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == u"--help" || arg == u"-h")
            return helpFor(helpText());
        if (arg == u"--version") {
            inv.action = Invocation::Action::Version;
            return inv;
        }
        if (arg == u"--dry-run") {
            inv.dryRun = true;
        } else if (arg == u"--trace") {
            inv.trace = true;
        } else if (arg == u"--port" || arg == u"--timeout") {
            if (i + 1 >= args.size())
                return fail(error, QStringLiteral("%1 needs a value").arg(arg));
            const QString value = args[++i];
            if (arg == u"--port") {
                inv.ports << value;
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
    const QStringList words = args.mid(i);
    if (inv.ports.isEmpty())
        inv.ports << (defaultPort.isEmpty() ? QStringLiteral("1") : defaultPort);
    if (!words.isEmpty() && words.first() == u"ports") {
        if (words.size() == 2 && (words[1] == u"--help" || words[1] == u"-h"))
            return helpFor(QStringLiteral("usage: smscfg-cli ports\n\n") + PortsHelp);
        if (words.size() > 1)
            return fail(error, QStringLiteral("usage: ports"));
        inv.action = Invocation::Action::ListPorts;
        return inv;
    }
    if (!words.isEmpty() && words.first() == u"apply")
        return parseApply(std::move(inv), words, error);
    if (inv.ports.size() > 1)
        return fail(error, QStringLiteral("several --port go with apply only"));

    auto parsed = parseRequestWords(words, now);
    if (auto *problem = std::get_if<WordsProblem>(&parsed)) {
        if (!problem->helpAsked) {
            const QString nearest = words.isEmpty() || findCommandByCliName(words.first())
                                        ? QString()
                                        : nearestCommand(words.first());
            if (!nearest.isEmpty())
                return fail(error, QStringLiteral("%1（是不是 %2？）").arg(problem->reason, nearest));
            return fail(error, problem->reason);
        }
        const CommandEntry &entry = *findCommandByCliName(words.first());
        return helpFor(QStringLiteral("usage: smscfg-cli %1 %2\n\n").arg(GlobalOptions, requestSynopsis(entry))
                       + commandHelp(entry));
    }
    inv.request = std::get<ParsedRequest>(std::move(parsed));
    return inv;
}

int run(const QStringList &args, QTextStream &out, QTextStream &err, const Environment &environment)
{
    QString error;
    const std::optional<Invocation> inv = parseArguments(args, environment.now, &error, environment.defaultPort);
    if (!inv) {
        err << "smscfg-cli: " << error << '\n' << usageLine() << '\n';
        return Usage;
    }
    switch (inv->action) {
    case Invocation::Action::Help: out << inv->help; return Accepted;
    case Invocation::Action::Version: out << "smscfg-cli " << programVersion() << '\n'; return Accepted;
    case Invocation::Action::ListPorts: return listPorts(out, err, *environment.ports);
    case Invocation::Action::Apply: return applyProfile(*inv, out, err, environment);
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
    return environment.send(*inv, result.frame(), out, err);
}

}  // namespace smscfg::cli
