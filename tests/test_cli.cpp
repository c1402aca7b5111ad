#include "cli/cli.h"

#include <QProcess>
#include <QTest>

using namespace smscfg;

namespace {

struct Run {
    int exitCode;
    QString out, err;
};

Run runCli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(SMSCFG_CLI_PATH), args);
    if (!p.waitForFinished(20000))
        return {-1, {}, QStringLiteral("did not finish")};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("texts");   // "Name=value;..." sorted, or "usage"
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
        QTest::newRow("other command's option is a text") << QStringList{"device-count", "--codepage"}
                                                          << "Text3=--codepage" << "Check1,Check3";
        QTest::newRow("level high") << QStringList{"upper-limit", "1", "2", "high"} << "Text13=1;Text14=2"
                                    << "Check1,Check3,Option1_1";
        QTest::newRow("level none") << QStringList{"lower-limit", "1", "2", "none"} << "Text13=1;Text14=2"
                                    << "Check1,Check3";
        QTest::newRow("clock") << QStringList{"clock", "26", "12", "05", "23", "42", "星期六"}
                               << "Combo2=26;Combo3=12;Combo4=05;Combo5=23;Combo6=42;Combo7=星期六" << "Check1,Check3";
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
        QFETCH(QStringList, args);
        QFETCH(QString, texts);
        QFETCH(QString, ticked);
        QString error;
        const auto inv = cli::parseArguments(args, &error);
        if (texts == "usage") {
            QVERIFY(!inv);
            QVERIFY(!error.isEmpty());
            return;
        }
        QVERIFY2(inv, qPrintable(error));
        QStringList pairs;
        for (auto it = inv->controls.texts.cbegin(); it != inv->controls.texts.cend(); ++it)
            pairs << it.key() + "=" + it.value();
        pairs.sort();
        QStringList names = inv->controls.ticked.values();
        names.sort();
        QCOMPARE(pairs.join(u';'), texts);
        QCOMPARE(names.join(u','), ticked);
    }

    void globalOptions()
    {
        QString error;
        const auto inv = cli::parseArguments({"--port", "/dev/ttyUSB0", "--timeout", "250", "--dry-run", "init"},
                                             &error);
        QVERIFY(inv);
        QCOMPARE(inv->port, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(inv->timings.responseTimeout.count(), 250);
        QVERIFY(inv->dryRun);
        QCOMPARE(cli::parseArguments({"init"}, &error)->port, QStringLiteral("1"));
    }

    // Through the real binary: stdout, stderr and exit status.
    void endToEnd_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");  // a prefix of stderr
        QTest::newRow("init") << QStringList{"--dry-run", "init"} << 0 << "7E FE 07 00 45 4C 16\n" << "";
        QTest::newRow("chinese description")
            << QStringList{"--dry-run", "device-desc", "1", "温度", "01"} << 0
            << "7E FE 19 00 49 01 6E 29 5E A6 00 20 00 20 00 20 00 20 00 20 00 20 01 BF 16\n" << "";
        QTest::newRow("chinese description, code page")
            << QStringList{"--dry-run", "device-desc", "--codepage", "1", "温度", "01"} << 0
            << "7E FE 19 00 49 01 CE C2 B6 C8 00 20 00 20 00 20 00 20 00 20 00 20 01 32 16\n" << "";
        QTest::newRow("spaces kept") << QStringList{"--dry-run", "port-desc", " 1 ", "2", " A B "} << 0
                                     << "7E FE 14 00 4A 01 02 01 00 41 00 20 00 42 00 20 00 20 45 16\n" << "";
        QTest::newRow("phone spaces only") << QStringList{"--dry-run", "phone", "1", "   "} << 0
                                           << "7E FE 13 00 4C 01 00 00 00 00 00 00 00 00 00 00 00 60 16\n" << "";
        QTest::newRow("-1 refused") << QStringList{"--dry-run", "device-count", "-1"} << 2 << ""
                                    << "设备总数必须是0到255之间的数字\n";
        QTest::newRow("empty box message") << QStringList{"--dry-run", "phone", "300", ""} << 2 << ""
                                           << "请输入第几个电话或电话号码\n";
        QTest::newRow("weekday") << QStringList{"--dry-run", "clock", "26", "12", "05", "23", "42", "星期六"} << 0
                                 << "7E FE 0D 00 52 26 12 05 23 42 06 07 16\n" << "";
        QTest::newRow("switches") << QStringList{"--dry-run", "probe-switches", "1", "--phones", "1,16", "2"} << 0
                                  << "7E FE 0B 00 4E 01 02 7F FE D9 16\n" << "";
        QTest::newRow("lower limit") << QStringList{"--dry-run", "lower-limit", "1", "2", "low"} << 0
                                     << "7E FE 0D 00 51 01 02 AA 00 00 00 0B 16\n" << "";
        QTest::newRow("wrong count") << QStringList{"--dry-run", "device-count"} << 64 << "" << "usage: ";
        QTest::newRow("unknown command") << QStringList{"--dry-run", "nope"} << 64 << "" << "unknown command nope\n";
    }
    void endToEnd()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Run r = runCli(args);
        QCOMPARE(r.out, out);
        QVERIFY2(err.isEmpty() ? r.err.isEmpty() : r.err.startsWith(err), qPrintable(r.err));
        QCOMPARE(r.exitCode, exitCode);
    }

    void helpNamesEveryCommand()
    {
        const Run r = runCli({"--help"});
        QCOMPARE(r.exitCode, 0);
        for (const CommandEntry &entry : commandTable()) {
            QVERIFY2(r.out.contains("\n  " + entry.cliName), qPrintable(entry.cliName));
            QVERIFY(r.out.contains("--dry-run " + entry.cliName));
        }
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
