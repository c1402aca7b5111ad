#include "cli/cli.h"

namespace smscfg::cli {
namespace {

QString commandSynopsis(const CommandEntry &entry)
{
    QStringList parts{entry.cliName};
    for (const CommandArgument &argument : entry.arguments)
        parts << argument.name;
    if (entry.hasOption(CliOption::Level))
        parts << QStringLiteral("LEVEL");
    if (entry.hasOption(CliOption::CodePage))
        parts << QStringLiteral("[--codepage]");
    if (entry.hasOption(CliOption::Phones))
        parts << QStringLiteral("[--phones LIST]");
    if (entry.hasOption(CliOption::NoSwitch))
        parts << QStringLiteral("[--no-switch]");
    return parts.join(u' ');
}

// "1,5,16" -> the names of those phone check boxes. "" ticks none.
std::optional<QStringList> parsePhoneList(const QString &list)
{
    QStringList names;
    if (list.isEmpty())
        return names;
    for (const QString &item : list.split(u',')) {
        bool ok = false;
        const int phone = item.toInt(&ok);
        if (!ok || phone < 1 || phone > 16 || item.startsWith(u'+'))
            return std::nullopt;
        names << phoneCheckName(phone);
    }
    return names;
}

std::optional<Invocation> fail(QString *error, const QString &reason)
{
    *error = reason;
    return std::nullopt;
}

}  // namespace

QString usageLine()
{
    return QStringLiteral("usage: smscfg-cli [--dry-run] [--port PORT] [--timeout MS] COMMAND ARG... "
                          "(smscfg-cli --help lists the commands)");
}

std::optional<Invocation> parseArguments(const QStringList &args, QString *error)
{
    Invocation inv;
    qsizetype i = 0;
    for (; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == u"--help" || arg == u"-h")
            return fail(error, {});
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
                inv.timings.responseTimeout = std::chrono::milliseconds(ms);
                if (!ok || ms <= 0)
                    return fail(error, QStringLiteral("--timeout needs a positive number of milliseconds"));
            }
        } else if (arg.startsWith(QStringLiteral("--"))) {
            return fail(error, QStringLiteral("unknown option %1").arg(arg));
        } else {
            break;
        }
    }
    if (i >= args.size())
        return fail(error, QStringLiteral("no command given"));

    inv.command = findCommandByCliName(args[i]);
    if (!inv.command)
        return fail(error, QStringLiteral("unknown command %1").arg(args[i]));
    const CommandEntry &entry = *inv.command;

    // The window's defaults: "Unicode" and "开关量" ticked.
    inv.controls.ticked << QStringLiteral("Check1") << QStringLiteral("Check3");
    QStringList texts;
    for (++i; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == u"--codepage" && entry.hasOption(CliOption::CodePage)) {
            inv.controls.ticked.remove(QStringLiteral("Check1"));
        } else if (arg == u"--no-switch" && entry.hasOption(CliOption::NoSwitch)) {
            inv.controls.ticked.remove(QStringLiteral("Check3"));
        } else if (arg == u"--phones" && entry.hasOption(CliOption::Phones)) {
            if (i + 1 >= args.size())
                return fail(error, QStringLiteral("--phones needs a list such as 1,5,16"));
            const std::optional<QStringList> phones = parsePhoneList(args[++i]);
            if (!phones)
                return fail(error, QStringLiteral("--phones takes phone numbers 1 to 16 separated by commas"));
            for (const QString &name : *phones)
                inv.controls.ticked.insert(name);
        } else {
            texts << arg;
        }
    }

    const QStringList controls = entry.textControls();
    const qsizetype expected = controls.size() + (entry.hasOption(CliOption::Level) ? 1 : 0);
    if (texts.size() != expected)
        return fail(error, QStringLiteral("usage: smscfg-cli [--dry-run] [--port PORT] [--timeout MS] %1")
                               .arg(commandSynopsis(entry)));
    for (qsizetype k = 0; k < controls.size(); ++k)
        inv.controls.texts.insert(controls[k], texts[k]);
    if (entry.hasOption(CliOption::Level)) {
        const QString &level = texts.last();
        if (level == u"high")
            inv.controls.ticked << QStringLiteral("Option1_1");
        else if (level == u"low")
            inv.controls.ticked << QStringLiteral("Option1_0");
        else if (level != u"none")
            return fail(error, QStringLiteral("LEVEL must be high, low or none, not %1").arg(level));
    }
    return inv;
}

QString helpText()
{
    QString text = QStringLiteral(
        "smscfg-cli: send one setting to the SMS alarm controller, as the window's buttons do.\n"
        "\n"
        "usage: smscfg-cli [--dry-run] [--port PORT] [--timeout MS] COMMAND ARG...\n"
        "\n"
        "  --dry-run     print the request frame as hex and send nothing\n"
        "  --port PORT   serial port: a number N (port N: COMN, /dev/ttyS<N-1> on Linux)\n"
        "                or a device path such as /dev/ttyUSB0; default 1\n"
        "  --timeout MS  how long to wait for the reply; default 3000\n"
        "\n"
        "Each ARG is taken exactly as the window's box would hold it: spaces are kept,\n"
        "\"\" is an empty box, and -1 is a text, not an option.\n"
        "\n"
        "Commands (button caption, then usage and an example):\n");
    for (const CommandEntry &entry : commandTable()) {
        text += QStringLiteral("\n  %1  (%2, code 0x%3)\n")
                    .arg(commandSynopsis(entry), entry.caption, QString::number(entry.code, 16).toUpper());
        for (const QString &line : entry.note.split(u'\n'))
            text += QStringLiteral("      %1\n").arg(line);
        const QString example = entry.example.isEmpty() ? entry.cliName : entry.cliName + u' ' + entry.example;
        text += QStringLiteral("      e.g. smscfg-cli --dry-run %1\n").arg(example);
    }
    text += QStringLiteral(
        "\nExit status: 0 accepted (设置成功) or frame printed; 1 refused (设置失败);\n"
        "2 input rejected (message on stderr, nothing sent); 3 no response (设备无响应)\n"
        "or a reply without a verdict; 4 port cannot be opened; 64 wrong usage.\n");
    return text;
}

int run(const QStringList &args, QTextStream &out, QTextStream &err, const Sender &send)
{
    QString error;
    const std::optional<Invocation> inv = parseArguments(args, &error);
    if (!inv) {
        if (error.isEmpty()) {
            out << helpText();
            return Accepted;
        }
        err << error << '\n' << usageLine() << '\n';
        return Usage;
    }
    const BuildResult result = inv->command->build(inv->controls);
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
