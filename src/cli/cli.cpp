#include "cli/cli.h"

namespace smscfg::cli {
namespace {

bool hasOption(const CommandEntry &entry, CliOption option)
{
    return (entry.cliOptions & int(option)) != 0;
}

QString commandSynopsis(const CommandEntry &entry)
{
    QStringList parts{entry.cliName};
    for (const QString &control : entry.texts)
        parts << control.toUpper();
    if (hasOption(entry, CliOption::Level))
        parts << QStringLiteral("high|low|none");
    if (hasOption(entry, CliOption::CodePage))
        parts << QStringLiteral("[--codepage]");
    if (hasOption(entry, CliOption::Phones))
        parts << QStringLiteral("[--phones LIST]");
    if (hasOption(entry, CliOption::NoSwitch))
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
                inv.timeoutMs = value.toInt(&ok);
                if (!ok || inv.timeoutMs <= 0)
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
        if (arg == u"--codepage" && hasOption(entry, CliOption::CodePage)) {
            inv.controls.ticked.remove(QStringLiteral("Check1"));
        } else if (arg == u"--no-switch" && hasOption(entry, CliOption::NoSwitch)) {
            inv.controls.ticked.remove(QStringLiteral("Check3"));
        } else if (arg == u"--phones" && hasOption(entry, CliOption::Phones)) {
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

    const qsizetype expected = entry.texts.size() + (hasOption(entry, CliOption::Level) ? 1 : 0);
    if (texts.size() != expected)
        return fail(error, QStringLiteral("usage: smscfg-cli [--dry-run] [--port PORT] [--timeout MS] %1")
                               .arg(commandSynopsis(entry)));
    for (qsizetype k = 0; k < entry.texts.size(); ++k)
        inv.controls.texts.insert(entry.texts[k], texts[k]);
    if (hasOption(entry, CliOption::Level)) {
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
    const QHash<QString, QString> examples = {
        {"init", "init"},
        {"device-count", "device-count 12"},
        {"addresses", "addresses 010203"},
        {"port-counts", "port-counts 0408"},
        {"device-desc", "device-desc 1 温度 01 --codepage"},
        {"port-desc", "port-desc 1 2 \"AB12\""},
        {"centre", "centre 13800138000"},
        {"phone", "phone 3 13912345678"},
        {"device-switches", "device-switches 1 --phones 1,16"},
        {"probe-switches", "probe-switches 1 2 --phones 1,2,3"},
        {"probe-type", "probe-type 1 2"},
        {"upper-limit", "upper-limit 1 2 high"},
        {"lower-limit", "lower-limit 1 2 low"},
        {"clock", "clock 26 12 05 23 42 星期六"},
    };
    const QHash<QString, QString> notes = {
        {"device-count", "TEXT3: number of devices, 0..255"},
        {"addresses", "TEXT2: device addresses as hex digit pairs, no spaces"},
        {"port-counts", "TEXT4: port counts as hex digit pairs, no spaces"},
        {"device-desc", "TEXT1 address 0..255, TEXT5 description (8 characters at most),\n"
                        "      TEXT9 content as hex digit pairs; --codepage sends code page 936, not UTF-16"},
        {"port-desc", "TEXT6 address, TEXT7 port (0..255), TEXT8 description (5 characters at most)"},
        {"centre", "TEXT10: SMS centre number"},
        {"phone", "TEXT11 phone slot 0..16, TEXT12 phone number"},
        {"device-switches", "TEXT13 device polling number; --phones: phones (1..16) that receive messages"},
        {"probe-switches", "TEXT13 device polling number, TEXT14 probe number; --phones as above"},
        {"probe-type", "declare the probe a switch input; --no-switch as if the box were cleared"},
        {"upper-limit", "alarm level of the probe: high (高电平), low (低电平) or none"},
        {"lower-limit", "as upper-limit; the window keeps this button hidden"},
        {"clock", "year month day hour minute as two digits each, then the weekday name"},
    };
    for (const CommandEntry &entry : commandTable()) {
        text += QStringLiteral("\n  %1  (%2, code 0x%3)\n")
                    .arg(commandSynopsis(entry), entry.caption, QString::number(entry.code, 16).toUpper());
        if (notes.contains(entry.cliName))
            text += QStringLiteral("      %1\n").arg(notes.value(entry.cliName));
        text += QStringLiteral("      e.g. smscfg-cli --dry-run %1\n").arg(examples.value(entry.cliName));
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
