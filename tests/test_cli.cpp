#include "cli/cli.h"
#include "commands/command_table.h"
#include "program_run.h"
#include "qt_boundary/core_types.h"
#include "sim_process.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace smscfg;

namespace {

ProgramRun runCli(const QStringList &args, const QStringList &environment = {})
{
    return run(QStringLiteral(SMSCFG_CLI_PATH), args, 20000, environment);
}

// The locale variables, all set: none is left to the test's own.
QStringList locale(const char *lcAll, const char *lcMessages, const char *lang)
{
    return {QStringLiteral("LC_ALL=") + lcAll, QStringLiteral("LC_MESSAGES=") + lcMessages,
            QStringLiteral("LANG=") + lang};
}

bool isChinese(QChar c)
{
    return (c.unicode() >= 0x2E80 && c.unicode() <= 0x9FFF) || (c.unicode() >= 0xF900 && c.unicode() <= 0xFAFF)
        || (c.unicode() >= 0xFF00 && c.unicode() <= 0xFFEF);
}

// Sunday 6 December 2026, 20:38.
const QDateTime SundayEvening(QDate(2026, 12, 6), QTime(20, 38, 17));

}  // namespace

// smscfg-cli's Qt side: the words themselves are the core's (tests/core).
class TestCli : public QObject {
    Q_OBJECT
private slots:
    // --lang, else the messages locale (LC_ALL, LC_MESSAGES, LANG); Chinese
    // where it names no language. Which locale means which language, and the
    // English texts themselves, are the core's rows (tests/core). And the
    // port, without --port, is $SMSCFG_PORT.
    void readsItsEnvironment_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("start");  // of stdout, else of stderr
        const QStringList english = locale("", "", "en_US.UTF-8");
        QTest::newRow("LANG English") << english << QStringList{"--help"} << "smscfg-cli: send settings to";
        QTest::newRow("no locale") << locale("", "", "") << QStringList{"--help"} << "smscfg-cli：把设置发送到";
        QTest::newRow("LC_ALL before LANG") << locale("en_GB.UTF-8", "", "zh_CN.UTF-8") << QStringList{"--help"}
                                            << "smscfg-cli: send settings to";
        QTest::newRow("LC_MESSAGES before LANG") << locale("", "zh_TW.UTF-8", "de_DE.UTF-8") << QStringList{"--help"}
                                                 << "smscfg-cli：把设置发送到";
        QTest::newRow("--lang zh over the locale") << english << QStringList{"--lang", "zh", "--help"}
                                                   << "smscfg-cli：把设置发送到";
        QTest::newRow("--lang en over the locale") << locale("", "", "zh_CN.UTF-8")
                                                   << QStringList{"--dry-run", "--lang", "en", "nope"}
                                                   << "smscfg-cli: unknown command nope\n";
        QTest::newRow("bad --lang, in the locale's language") << english << QStringList{"--lang", "fr", "init"}
                                                              << "smscfg-cli: --lang takes zh (Chinese) or en (English)\n";
        QTest::newRow("$SMSCFG_PORT") << locale("", "", "") + QStringList{"SMSCFG_PORT=/dev/smscfg-missing"}
                                      << QStringList{"init"} << "/dev/smscfg-missing不能用,请换到另一个串口。";
    }
    void readsItsEnvironment()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, args);
        QFETCH(QString, start);
        const ProgramRun r = runCli(args, environment);
        const QString shown = r.out.isEmpty() ? r.err : r.out;
        QVERIFY2(shown.startsWith(start), qPrintable(shown));
    }

    // In English nothing the program says is Chinese: what Chinese it
    // prints is what the user gave it.
    void englishHasNoChinese_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("help") << QStringList{"--help"};
        for (const CommandEntry &entry : commandTable())
            QTest::addRow("%s --help", qPrintable(toQString(entry.cliName))) << QStringList{toQString(entry.cliName), "-h"};
        QTest::newRow("ports --help") << QStringList{"ports", "--help"};
        QTest::newRow("apply --help") << QStringList{"apply", "--help"};
        QTest::newRow("a near miss") << QStringList{"devicecount", "12"};
        QTest::newRow("an unknown command in Chinese") << QStringList{"设置"};
        QTest::newRow("a bad level in Chinese") << QStringList{"upper-limit", "1", "2", "中等"};
        QTest::newRow("a description too long") << QStringList{"--dry-run", "device-desc", "1", "一二三四五六七八九", "01"};
        QTest::newRow("no description") << QStringList{"--dry-run", "port-desc", "1", "2", ""};
        QTest::newRow("a level not chosen") << QStringList{"--dry-run", "upper-limit", "1", "2", "none"};
        QTest::newRow("a Chinese weekday") << QStringList{"--dry-run", "clock", "26", "12", "05", "23", "42", "星期八"};
        QTest::newRow("a profile missing") << QStringList{"--dry-run", "apply", "一号楼.json"};
        QTest::newRow("no serial port") << QStringList{"--port", "/dev/smscfg-missing", "init"};
    }
    void englishHasNoChinese()
    {
        QFETCH(QStringList, args);
        const ProgramRun r = runCli(args, locale("", "", "en_US.UTF-8"));
        QString said = r.out + r.err;
        for (const QString &arg : args)
            said.replace(arg, QString());
        const auto chinese = std::find_if(said.cbegin(), said.cend(), isChinese);
        QVERIFY2(chinese == said.cend(), qPrintable(said.mid(std::max<qsizetype>(0, chinese - said.cbegin() - 20), 40)));
    }

    // A profile that is a FIFO, a device or too large is refused at once,
    // without being read: nothing hangs, nothing fills the memory. (A folder,
    // and the size limit exactly: tests/core/test_files.)
    void profileFilesOfTheWrongKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a FIFO") << "fifo" << "不是普通文件";
        QTest::newRow("a device without end") << "/dev/zero" << "不是普通文件";
        QTest::newRow("over 1 MB") << "large" << "文件太大（超过 1 MB）";
    }
    void profileFilesOfTheWrongKind()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path = dir.filePath("profile.json");
        if (kind == u"fifo") {
            QVERIFY(::mkfifo(path.toLocal8Bit().constData(), 0600) == 0);
        } else if (kind == u"large") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(MaxProfileBytes + 1));
        } else {
            path = kind;
        }
        const ProgramRun r = run(QStringLiteral(SMSCFG_CLI_PATH), {"--dry-run", "apply", path}, 5000);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err, "无法读取配置文件 " + path + "：" + reason + "\n");
    }

    // Outside text that the line's side prints (a step's words as it goes
    // out, a port's path) never reaches the terminal raw: control characters
    // are shown escaped. (The words' own are in tests/core.)
    void outsideTextIsEscaped_data()
    {
        QTest::addColumn<QStringList>("args");  // PROFILE: a profile with a description that clears the screen
        QTest::addColumn<QString>("shown");
        QTest::newRow("a step's words, sent") << QStringList{"--port", "SIM", "apply", "PROFILE"} << "\\x1b[2J\\x1b[H";
        QTest::newRow("a port's path") << QStringList{"--port", "/dev/\x1b[2J", "init"} << "/dev/\\x1b[2J不能用";
    }
    void outsideTextIsEscaped()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("p.json"),
                          "{\"smscfg-profile\": 1, \"steps\": [[\"device-desc\", \"1\", \"\\u001b[2J\\u001b[H\", \"01\"]]}"));
        args.replaceInStrings("PROFILE", dir.filePath("p.json"));
        std::unique_ptr<SimProcess> sim;
        if (args.contains("SIM")) {
            sim = std::make_unique<SimProcess>(QStringList{});
            args.replaceInStrings("SIM", sim->port());
        }
        const ProgramRun r = runCli(args);
        const QString output = r.out + r.err;
        QVERIFY2(std::none_of(output.cbegin(), output.cend(), [](QChar c) { return c < u' ' && c != u'\n'; }),
                 qPrintable(output));
        QVERIFY2(output.contains(shown), qPrintable(output));
    }

    // A result that cannot be printed is no result: a script must not take
    // a full disk for success.
    void outputThatCannotBeWritten_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("a frame") << QStringList{"--dry-run", "init"};
        QTest::newRow("help") << QStringList{"--help"};
    }
    void outputThatCannotBeWritten()
    {
        QFETCH(QStringList, args);
        QProcess cli;
        cli.setStandardOutputFile("/dev/full");
        QProcessEnvironment chinese = QProcessEnvironment::systemEnvironment();
        chinese.insert("LC_ALL", "C");
        cli.setProcessEnvironment(chinese);
        cli.start(QStringLiteral(SMSCFG_CLI_PATH), args);
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.exitCode(), 74);
        QCOMPARE(QString::fromUtf8(cli.readAllStandardError()),
                 QStringLiteral("smscfg-cli：输出无法写入（No space left on device）\n"));
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

    // What the words leave for the line goes to the environment's sender.
    void requestsGoToTheSender()
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        cli::Environment environment;
        QString sent;
        environment.send = [&](const cli::Invocation &inv, const CommandFrame &frame, QTextStream &, QTextStream &) {
            sent = toQString(inv.ports.front()) + u' ' + toQString(frame.toHex()) + u' '
                + QString::number(cli::timingsOf(inv).responseTimeout.count());
            return int(cli::Refused);
        };
        QCOMPARE(cli::run({"--port", "/dev/ttyUSB0", "--timeout", "250", "device-count", "12"}, outStream, errStream,
                          environment),
                 int(cli::Refused));
        QCOMPARE(sent, QStringLiteral("/dev/ttyUSB0 7E FE 08 00 46 0C 5A 16 250"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
