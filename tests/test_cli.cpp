#include "cli/cli.h"
#include "program_run.h"

#include <QTest>

using namespace smscfg;

namespace {

ProgramRun runCli(const QStringList &args)
{
    return run(QStringLiteral(SMSCFG_CLI_PATH), args, 20000);
}

// Sunday 6 December 2026, 20:38.
const QDateTime SundayEvening(QDate(2026, 12, 6), QTime(20, 38, 17));

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("texts");   // "Name=value;..." sorted, "usage" or "help"
        QTest::addColumn<QString>("ticked");  // sorted, comma-separated
        QTest::newRow("defaults") << QStringList{"init"} << "" << "Check1,Check3";
        QTest::newRow("texts keep spaces") << QStringList{"port-desc", " 1", "2 ", "  "}
                                           << "Text6= 1;Text7=2 ;Text8=  " << "Check1,Check3";
        QTest::newRow("codepage anywhere") << QStringList{"port-desc", "--codepage", "1", "2", "A"}
                                           << "Text6=1;Text7=2;Text8=A" << "Check3";
        QTest::newRow("negative numbers are texts") << QStringList{"probe-type", "-1", "-0.5", "--no-switch"}
                                                    << "Text13=-1;Text14=-0.5" << "Check1";
        QTest::newRow("phones") << QStringList{"device-switches", "--phones", "1,16", "3"} << "Text13=3"
                                << "Check1,Check2_0,Check2_15,Check3";
        QTest::newRow("empty phone list") << QStringList{"device-switches", "3", "--phones", ""} << "Text13=3"
                                          << "Check1,Check3";
        QTest::newRow("level high") << QStringList{"upper-limit", "1", "2", "high"} << "Text13=1;Text14=2"
                                    << "Check1,Check3,Option1_1";
        QTest::newRow("level none") << QStringList{"lower-limit", "1", "2", "none"} << "Text13=1;Text14=2"
                                    << "Check1,Check3";
        QTest::newRow("level 高电平") << QStringList{"upper-limit", "1", "2", "高电平"} << "Text13=1;Text14=2"
                                   << "Check1,Check3,Option1_1";
        QTest::newRow("level 低电平") << QStringList{"upper-limit", "1", "2", "低电平"} << "Text13=1;Text14=2"
                                   << "Check1,Check3,Option1_0";
        QTest::newRow("level 无") << QStringList{"lower-limit", "1", "2", "无"} << "Text13=1;Text14=2"
                                 << "Check1,Check3";
        QTest::newRow("clock") << QStringList{"clock", "26", "12", "05", "23", "42", "星期六"}
                               << "Combo2=26;Combo3=12;Combo4=05;Combo5=23;Combo6=42;Combo7=星期六" << "Check1,Check3";
        QTest::newRow("clock now") << QStringList{"clock", "now"}
                                   << "Combo2=26;Combo3=12;Combo4=06;Combo5=20;Combo6=38;Combo7=星期天"
                                   << "Check1,Check3";
        QTest::newRow("bare -- makes texts") << QStringList{"centre", "--", "--x"} << "Text10=--x" << "Check1,Check3";
        QTest::newRow("-- keeps earlier options") << QStringList{"port-desc", "--codepage", "--", "1", "-2", "--"}
                                                  << "Text6=1;Text7=-2;Text8=--" << "Check3";
        QTest::newRow("another command's option") << QStringList{"device-count", "--codepage"} << "usage" << "";
        QTest::newRow("unknown option") << QStringList{"addresses", "--help-me"} << "usage" << "";
        QTest::newRow("dash and a letter") << QStringList{"centre", "-x"} << "usage" << "";
        QTest::newRow("--help after the command") << QStringList{"centre", "--help"} << "help" << "";
        QTest::newRow("-h after the command") << QStringList{"addresses", "-h"} << "help" << "";
        QTest::newRow("too few texts") << QStringList{"phone", "1"} << "usage" << "";
        QTest::newRow("too many texts") << QStringList{"init", "x"} << "usage" << "";
        QTest::newRow("unknown command") << QStringList{"reboot"} << "usage" << "";
        QTest::newRow("no command") << QStringList{"--dry-run"} << "usage" << "";
        QTest::newRow("bad level") << QStringList{"upper-limit", "1", "2", "medium"} << "usage" << "";
        QTest::newRow("phone 17") << QStringList{"device-switches", "1", "--phones", "1,17"} << "usage" << "";
        QTest::newRow("phones without list") << QStringList{"device-switches", "1", "--phones"} << "usage" << "";
        QTest::newRow("bad timeout") << QStringList{"--timeout", "0", "init"} << "usage" << "";
        QTest::newRow("unknown global option") << QStringList{"--fast", "init"} << "usage" << "";
    }
    void parse()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, texts);
        QFETCH(QString, ticked);
        QString error;
        const auto inv = cli::parseArguments(words, SundayEvening, &error);
        if (texts == "usage") {
            QVERIFY(!inv);
            QVERIFY(!error.isEmpty());
            return;
        }
        QVERIFY2(inv, qPrintable(error));
        if (texts == "help") {
            QCOMPARE(inv->action, cli::Invocation::Action::Help);
            QVERIFY(inv->help.contains(words[0]));
            return;
        }
        QCOMPARE(inv->action, cli::Invocation::Action::Request);
        const ControlValues &controls = inv->request.controls;
        QStringList pairs;
        for (auto it = controls.texts.cbegin(); it != controls.texts.cend(); ++it)
            pairs << it.key() + "=" + it.value();
        pairs.sort();
        QStringList names = controls.ticked.values();
        names.sort();
        QCOMPARE(pairs.join(u';'), texts);
        QCOMPARE(names.join(u','), ticked);

        // The words that a profile saves read back into the same controls.
        const QStringList again = requestWords(*inv->request.command, controls);
        const auto reparsed = parseRequestWords(again, SundayEvening);
        QVERIFY2(std::holds_alternative<ParsedRequest>(reparsed), qPrintable(again.join(u' ')));
        QCOMPARE(std::get<ParsedRequest>(reparsed).controls.texts, controls.texts);
        QCOMPARE(std::get<ParsedRequest>(reparsed).controls.ticked, controls.ticked);
    }

    void globalOptions()
    {
        QString error;
        const auto inv = cli::parseArguments({"--port", "/dev/ttyUSB0", "--timeout", "250", "--dry-run", "init"},
                                             SundayEvening, &error);
        QVERIFY(inv);
        QCOMPARE(inv->ports, QStringList{"/dev/ttyUSB0"});
        QCOMPARE(inv->timings.responseTimeout.count(), 250);
        QVERIFY(inv->dryRun);
        QCOMPARE(cli::parseArguments({"init"}, SundayEvening, &error)->ports, QStringList{"1"});
        // $SMSCFG_PORT stands in for a missing --port, and --port wins.
        QCOMPARE(cli::parseArguments({"init"}, SundayEvening, &error, "/dev/ttyUSB3")->ports,
                 QStringList{"/dev/ttyUSB3"});
        QCOMPARE(cli::parseArguments({"--port", "2", "init"}, SundayEvening, &error, "/dev/ttyUSB3")->ports,
                 QStringList{"2"});
        QCOMPARE(cli::parseArguments({"apply", "p.json"}, SundayEvening, &error, "/dev/ttyUSB3")->ports,
                 QStringList{"/dev/ttyUSB3"});
        // --keep-going before or after the profile.
        for (const QStringList &words : {QStringList{"apply", "--keep-going", "p.json"},
                                         QStringList{"--dry-run", "apply", "p.json", "--keep-going"}}) {
            const auto apply = cli::parseArguments(words, SundayEvening, &error);
            QVERIFY2(apply && apply->keepGoing && apply->profilePath == "p.json", qPrintable(words.join(u' ')));
        }
    }

    // The program reads $SMSCFG_PORT.
    void portFromTheEnvironment()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SMSCFG_PORT", "/dev/smscfg-missing");
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(SMSCFG_CLI_PATH), {"init"});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 4);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.startsWith("/dev/smscfg-missing不能用,请换到另一个串口。"), qPrintable(err));
    }

    // Through the real binary: stdout, stderr and exit status.
    void endToEnd_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");  // a prefix of stderr
        auto row = [](const char *name, QStringList args, int exitCode, const QString &out, const QString &err) {
            QTest::newRow(name) << (QStringList{"--dry-run"} + args) << exitCode << out << err;
        };
        row("init", {"init"}, 0, "7E FE 07 00 45 4C 16\n", "");
        row("chinese description", {"device-desc", "1", "温度", "01"}, 0,
            "7E FE 19 00 49 01 6E 29 5E A6 00 20 00 20 00 20 00 20 00 20 00 20 01 BF 16\n", "");
        row("chinese description, code page", {"device-desc", "--codepage", "1", "温度", "01"}, 0,
            "7E FE 19 00 49 01 CE C2 B6 C8 00 20 00 20 00 20 00 20 00 20 00 20 01 32 16\n", "");
        row("spaces kept", {"port-desc", " 1 ", "2", " A B "}, 0,
            "7E FE 14 00 4A 01 02 01 00 41 00 20 00 42 00 20 00 20 45 16\n", "");
        row("phone spaces only", {"phone", "1", "   "}, 0,
            "7E FE 13 00 4C 01 00 00 00 00 00 00 00 00 00 00 00 60 16\n", "");
        row("13-character number", {"centre", "8613912345678"}, 2, "", "短信中心号码太长，最多11个字符\n");
        row("12-character number", {"phone", "3", "861391234567"}, 2, "", "电话号码太长，最多11个字符\n");
        row("number with ESC", {"centre", "1391234\x1b"}, 2, "", "短信中心号码含有控制字符");
        row("012", {"addresses", "012"}, 2, "", "地址数必须是成对的16进制数字");
        row("0G", {"port-counts", "0G"}, 2, "", "设备端口数必须是成对的16进制数字");
        row("0x08", {"addresses", "0x08"}, 2, "", "地址数必须是成对的16进制数字");
        row("chinese content", {"device-desc", "1", "A", "温度"}, 2, "", "内容必须是成对的16进制数字");
        row("01 0A 1F", {"addresses", "01 0A 1F"}, 0, "7E FE 0A 00 47 01 0A 1F 7B 16\n", "");
        row("year 2026", {"clock", "2026", "12", "06", "20", "38", "星期天"}, 2, "", "年必须是00到99之间的两位数字\n");
        row("0112", {"clock", "26", "0112", "06", "20", "38", "星期天"}, 2, "", "月必须是01到12之间的两位数字\n");
        row("month 13", {"clock", "26", "13", "06", "20", "38", "星期天"}, 2, "", "月必须是01到12之间的两位数字\n");
        row("hour 00", {"clock", "26", "12", "06", "00", "38", "星期天"}, 0, "7E FE 0D 00 52 26 12 06 00 38 07 DC 16\n",
            "");
        row("星期日", {"clock", "26", "12", "06", "20", "38", "星期日"}, 0, "7E FE 0D 00 52 26 12 06 20 38 07 FC 16\n",
            "");
        row("Monday", {"clock", "26", "12", "07", "20", "38", "Monday"}, 2, "", "星期必须是星期一到星期天之一\n");
        row("centre --help", {"centre", "--help"}, 0, "usage: smscfg-cli [--dry-run] [--trace] [--port PORT] [--timeout MS] "
                                                       "centre NUMBER\n\n  centre NUMBER  (设置短信中心号码, code 0x4B)\n"
                                                       "      NUMBER: the SMS centre's phone number, at most 11 characters\n"
                                                       "      e.g. smscfg-cli --dry-run centre 13800138000\n", "");
        row("centre -- --x", {"centre", "--", "--x"}, 0,
            "7E FE 12 00 4B 2D 2D 78 00 00 00 00 00 00 00 00 2F 16\n", "");
        row("addresses --help", {"addresses", "--help"}, 0, "usage: smscfg-cli", "");
        row("device-count -1", {"device-count", "-1"}, 2, "", "设备总数必须是0到255之间的数字\n");
        row("device-count --x", {"device-count", "--x"}, 64, "", "smscfg-cli: --x is not an option of device-count");
        row("wrong count", {"device-count"}, 64, "", "smscfg-cli: usage: device-count COUNT\n");
        row("unknown command", {"nope"}, 64, "", "smscfg-cli: unknown command nope\n");
        row("a near miss is named", {"devicecount", "12"}, 64, "",
            "smscfg-cli: unknown command devicecount（是不是 device-count？）\n");
        row("a near miss of ports", {"port"}, 64, "", "smscfg-cli: unknown command port（是不是 ports？）\n");
        row("ports --help", {"ports", "--help"}, 0, "usage: smscfg-cli ports\n", "");
        row("apply --help", {"apply", "--help"}, 0, "usage: smscfg-cli", "");
        row("init --help", {"init", "--help"}, 0, "usage: smscfg-cli", "");
    }
    void endToEnd()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const ProgramRun r = runCli(args);
        QVERIFY2(out.isEmpty() ? r.out.isEmpty() : r.out.startsWith(out), qPrintable(r.out));
        QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.startsWith(err), qPrintable(r.err));
        QCOMPARE(r.exitCode, exitCode);
    }

    void clockNowTakesThePcTime()
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        cli::Environment environment;
        environment.now = SundayEvening;
        const int code = cli::run({"--dry-run", "clock", "now"}, outStream, errStream, environment);
        QCOMPARE(code, 0);
        outStream.flush();
        QCOMPARE(out, QStringLiteral("7E FE 0D 00 52 26 12 06 20 38 07 FC 16\n"));
    }

    void helpListsEveryCommand()
    {
        const ProgramRun help = runCli({"--help"});
        QCOMPARE(help.exitCode, 0);
        for (const CommandEntry &entry : commandTable()) {
            QVERIFY2(help.out.contains("\n  " + entry.cliName), qPrintable(entry.cliName));
            QVERIFY(help.out.contains("--dry-run " + entry.cliName));
        }
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
