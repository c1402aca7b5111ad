#include "app/main_window.h"
#include "hex.h"
#include "link/outcome_text.h"
#include "link/qt_serial_link.h"
#include "pty.h"
#include "recording_sink.h"

#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace smscfg;
using namespace std::chrono_literals;

// The real serial link over pseudo-terminals: the few things a fake line
// cannot show.
class TestSerialLink : public QObject {
    Q_OBJECT
private slots:
    void carriesEveryByteValueBothWays()
    {
        Pty pty;
        QtSerialLink link;
        OpenError error;
        QVERIFY2(link.open(pty.slavePath(), &error), qPrintable(openErrorText(error)));
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        QVERIFY(link.write(all));
        QCOMPARE(pty.read(256), all);
        pty.write(all);
        QByteArray received;
        QTRY_COMPARE((received += link.readAll()), all);
    }

    // Bytes left on the line before the port opens would be taken for the
    // first reply.
    void bytesWaitingBeforeOpenAreDropped()
    {
        Pty pty;
        pty.write(hexBytes("7E FE 08 00 45 09 56 16"));
        QtSerialLink link;
        QSignalSpy data(&link, &SerialLink::dataReceived);
        QVERIFY(link.open(pty.slavePath(), nullptr));
        QTest::qWait(50);
        QCOMPARE(link.readAll(), QByteArray());
        pty.write(hexBytes("AB"));
        QByteArray received;
        QTRY_COMPARE((received += link.readAll()), hexBytes("AB"));
    }

    void numberedPorts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("opens");
        QTest::newRow("2 is port 2") << "2" << true;
        QTest::newRow("2.9 is port 2") << "2.9" << true;
        QTest::newRow("3 does not exist") << "3" << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("COM3 is not a number") << "COM3" << false;
        QTest::newRow("relative path") << "dev/ttyS1" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("spaces") << "   " << false;
        QTest::newRow("control characters") << "\x01\t\x1b" << false;
        QTest::newRow("non-BMP") << QString::fromUcs4(U"\U0001F600") << false;
        QTest::newRow("10000 digits") << QString(10000, u'1') << false;
    }
    void numberedPorts()
    {
        QFETCH(QString, text);
        QFETCH(bool, opens);
        Pty pty;
        // Numbered ports live in a folder of our own: port 2 is its "port1".
        QTemporaryDir dir;
        QVERIFY(QFile::link(pty.slavePath(), dir.filePath("port1")));
        QtSerialLink link;
        link.setNumberedPortPrefix(dir.filePath("port"));
        QCOMPARE(link.open(text, nullptr), opens);
        QCOMPARE(link.isOpen(), opens);
    }

    // What the operator reads when a port cannot be opened: the port as
    // typed ("COM" only before a number), then why.
    void portMessages_data()
    {
        QTest::addColumn<QString>("text");      // "FILE" stands for a regular file's path
        QTest::addColumn<QString>("message");
        const QString tail = QStringLiteral("不能用,请换到另一个串口。\n");
        QTest::newRow("a number") << "3" << "COM3" + tail + "没有这个串口设备：它不存在，或已被拔出";
        QTest::newRow("a path") << "/dev/smscfg-missing" << "/dev/smscfg-missing" + tail + "没有这个串口设备：它不存在，或已被拔出";
        QTest::newRow("COM3") << "COM3" << "COM3" + tail + "串口要写成数字（如 3）或设备路径（如 /dev/ttyUSB0）";
        QTest::newRow("a regular file") << "FILE" << "FILE" + tail + "这不是串口设备";
        QTest::newRow("empty") << "" << "串口" + tail + "串口要写成数字（如 3）或设备路径（如 /dev/ttyUSB0）";
    }
    void portMessages()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString file = dir.filePath("state.json");
        QFile(file).open(QIODevice::WriteOnly);
        text.replace("FILE", file);
        message.replace("FILE", file);
        QtSerialLink link;
        link.setNumberedPortPrefix(dir.filePath("port"));
        OpenError error;
        QVERIFY(!link.open(text, &error));
        QCOMPARE(unusablePortMessage(text, error), message);
    }

    // A user outside the dialout group is told so. Root may open anything,
    // so the check runs the command line as nobody.
    void portWithoutPermission()
    {
        Pty pty;
        if (::geteuid() != 0) {
            QVERIFY(::chmod(pty.slavePath().toLocal8Bit().constData(), 0) == 0);
            QtSerialLink link;
            OpenError error;
            QVERIFY(!link.open(pty.slavePath(), &error));
            QCOMPARE(error.reason, OpenError::Reason::NoPermission);
            return;
        }
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty())
            QSKIP("running as root without setpriv: cannot drop privileges to test");
        QProcess cli;
        cli.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", QStringLiteral(SMSCFG_CLI_PATH),
                            "--port", pty.slavePath(), "init"});
        QVERIFY(cli.waitForFinished(10000));
        const QString err = QString::fromUtf8(cli.readAllStandardError());
        if (cli.exitCode() != 4 && err.isEmpty())
            QSKIP(qPrintable("cannot run the command line as nobody: " + err));
        QCOMPARE(err, pty.slavePath() + "不能用,请换到另一个串口。\n没有权限打开该串口：请把当前用户加入 dialout 组，然后重新登录\n");
        QCOMPARE(cli.exitCode(), 4);
        QCOMPARE(pty.readFor(50), QByteArray());
    }

    // The other end goes away: the port is closed once, without a busy loop.
    void lostLinkClosesThePort()
    {
        Pty pty;
        QtSerialLink link;
        QSignalSpy lost(&link, &SerialLink::linkLost);
        QVERIFY(link.open(pty.slavePath(), nullptr));
        pty.closeKeeper();
        pty.closeMaster();
        QTRY_COMPARE(lost.count(), 1);
        QVERIFY(!link.isOpen());
        QVERIFY(!link.write(hexBytes("00")));
        QTest::qWait(50);
        QCOMPARE(lost.count(), 1);
    }

    // Noise on a real line: the link keeps up and the next exchange works.
    void windowOverAPseudoTerminal()
    {
        Pty pty;
        RecordingSink sink;
        QtSerialLink link;
        MainWindow window(link, sink, {300ms, 20ms});
        window.startUp(pty.slavePath());
        QCOMPARE(sink.messages, QStringList());
        QRandomGenerator rng(3);
        for (int i = 0; i < 50; ++i) {
            QByteArray noise(1024, '\0');
            for (char &b : noise)
                b = char(rng.bounded(256));
            pty.write(noise);
            QTest::qWait(2);
        }
        QTest::qWait(100);
        sink.messages.clear();
        window.findChild<QPushButton *>("Command2")->click();
        QCOMPARE(pty.read(7), hexBytes("7E FE 07 00 45 4C 16"));
        pty.write(hexBytes("7E FE 08 00 45 06 53 16"));
        QTRY_COMPARE(sink.messages, QStringList{"设置成功"});
    }
};

QTEST_MAIN(TestSerialLink)
#include "test_serial_link.moc"
