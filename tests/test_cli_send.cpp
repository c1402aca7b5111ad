#include "hex.h"
#include "pty.h"

#include <QProcess>
#include <QTest>

// smscfg-cli against a pseudo-terminal that plays the controller.
class TestCliSend : public QObject {
    Q_OBJECT
private slots:
    void verdicts_data()
    {
        QTest::addColumn<QByteArray>("reply");  // "none": stay silent
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("accepted") << hexBytes("7E FE 08 00 45 06 51 16") << 0 << "设置成功\n";
        QTest::newRow("refused") << hexBytes("7E FE 08 00 45 09 54 16") << 1 << "设置失败\n";
        QTest::newRow("five bytes") << hexBytes("7E FE 08 00 45") << 3 << "";
        QTest::newRow("silent") << QByteArray("none") << 3 << "设备无响应\n";
    }
    void verdicts()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        Pty pty;
        QProcess cli;
        cli.start(QStringLiteral(SMSCFG_CLI_PATH),
                  {"--port", pty.slavePath(), "--timeout", "400", "device-count", "12"});
        QVERIFY(cli.waitForStarted());
        QCOMPARE(pty.read(8, 5000), hexBytes("7E FE 08 00 46 0C 5A 16"));
        if (reply != "none")
            pty.write(reply);
        QVERIFY(cli.waitForFinished(5000));
        QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()), out);
        QCOMPARE(cli.exitCode(), exitCode);
    }

    void portCannotBeOpened()
    {
        QProcess cli;
        cli.start(QStringLiteral(SMSCFG_CLI_PATH), {"--port", "/dev/smscfg-missing", "init"});
        QVERIFY(cli.waitForFinished(5000));
        QCOMPARE(cli.exitCode(), 4);
        QVERIFY(QString::fromUtf8(cli.readAllStandardError())
                    .startsWith("COM/dev/smscfg-missing不能用,请换到另一个串口。\n"));
    }

    void refusedInputOpensNothing()
    {
        QProcess cli;
        cli.start(QStringLiteral(SMSCFG_CLI_PATH), {"--port", "/dev/smscfg-missing", "device-count", "256"});
        QVERIFY(cli.waitForFinished(5000));
        QCOMPARE(cli.exitCode(), 2);
    }
};

QTEST_GUILESS_MAIN(TestCliSend)
#include "test_cli_send.moc"
