#include "cli/cli.h"
#include "program_run.h"
#include "qt_boundary/core_types.h"

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

// smscfg-cli's Qt side: the words themselves are the core's (tests/core).
class TestCli : public QObject {
    Q_OBJECT
private slots:
    // Through the real binary: arguments, stdout, stderr and exit status.
    void endToEnd_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");  // a prefix of stderr
        QTest::newRow("init") << QStringList{"--dry-run", "init"} << 0 << "7E FE 07 00 45 4C 16\n" << "";
        QTest::newRow("chinese words") << QStringList{"--dry-run", "device-desc", "1", "温度", "01"} << 0
                                       << "7E FE 19 00 49 01 6E 29 5E A6 00 20 00 20 00 20 00 20 00 20 00 20 01 BF 16\n"
                                       << "";
        QTest::newRow("refused") << QStringList{"--dry-run", "centre", "8613912345678"} << 2 << ""
                                 << "短信中心号码太长，最多11个字符\n";
        QTest::newRow("unknown command") << QStringList{"nope"} << 64 << "" << "smscfg-cli: unknown command nope\n";
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
