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
        QTest::addColumn<QStringList>("request");
        QTest::addColumn<QByteArray>("reply");  // "none": stay silent
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        const QStringList count{"device-count", "12"};
        QTest::newRow("accepted") << count << hexBytes("7E FE 08 00 46 06 54 16") << 0 << "设置成功\n";
        QTest::newRow("refused") << count << hexBytes("7E FE 08 00 46 09 57 16") << 1 << "设置失败\n";
        QTest::newRow("five bytes") << count << hexBytes("7E FE 08 00 46") << 3 << "";
        QTest::newRow("silent") << count << QByteArray("none") << 3 << "设备无响应\n";
        QTest::newRow("stray byte before the reply") << QStringList{"init"} << hexBytes("00 7E FE 08 00 45 06 53 16")
                                                     << 0 << "设置成功\n";
        QTest::newRow("reply to another request") << QStringList{"init"} << hexBytes("7E FE 08 00 52 09 63 16") << 3
                                                  << "设备无响应\n";
    }
    void verdicts()
    {
        QFETCH(QStringList, request);
        QFETCH(QByteArray, reply);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        Pty pty;
        QProcess cli;
        cli.start(QStringLiteral(SMSCFG_CLI_PATH), QStringList{"--port", pty.slavePath(), "--timeout", "400"} + request);
        QVERIFY(cli.waitForStarted());
        const QByteArray frame = request == QStringList{"init"} ? hexBytes("7E FE 07 00 45 4C 16")
                                                                : hexBytes("7E FE 08 00 46 0C 5A 16");
        QCOMPARE(pty.read(frame.size(), 5000), frame);
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
                    .startsWith("/dev/smscfg-missing不能用,请换到另一个串口。\n没有这个串口设备"));
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
