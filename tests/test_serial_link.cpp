#include "app/log_pane.h"
#include "app/message_box_sink.h"
#include "app/main_window.h"
#include "hex.h"
#include "link/port_text.h"
#include "link/qt_serial_link.h"
#include "process/language.h"
#include "pty.h"
#include "recording_sink.h"

#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace smscfg;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(smscfg::Language)

// The real serial link over pseudo-terminals: the few things a fake line
// cannot show.
class TestSerialLink : public QObject {
    Q_OBJECT
private slots:
    // Every byte value both ways; bytes left on the line before the port
    // opens would be taken for the first reply, and are dropped.
    void carriesEveryByteValueBothWays()
    {
        Pty pty;
        pty.write(hexBytes("7E FE 08 00 45 09 56 16"));
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

    // Numbered ports live in a folder of our own: port 2 is its "port1".
    // What the operator reads when a port cannot be opened: the port as
    // typed ("COM" only before a number), then why.
    void portNumbersAndMessages_data()
    {
        QTest::addColumn<QString>("text");      // "FILE" stands for a regular file's path
        QTest::addColumn<QString>("message");   // empty: it opens
        const QString tail = QStringLiteral("不能用,请换到另一个串口。\n");
        QTest::newRow("2 is port 2") << "2" << "";
        QTest::newRow("2.9 is port 2") << "2.9" << "";
        QTest::newRow("a number") << "3" << "COM3" + tail + "没有这个串口设备：它不存在，或已被拔出（COM3 即 /dev/ttyS2）";
        QTest::newRow("a path") << "/dev/smscfg-missing" << "/dev/smscfg-missing" + tail + "没有这个串口设备：它不存在，或已被拔出";
        QTest::newRow("COM3") << "COM3" << "COM3" + tail + "串口要写成数字（如 3）或设备路径（如 /dev/ttyUSB0）";
        QTest::newRow("a regular file") << "FILE" << "FILE" + tail + "这不是串口设备";
        QTest::newRow("empty") << "" << "串口" + tail + "串口要写成数字（如 3）或设备路径（如 /dev/ttyUSB0）";
    }
    void portNumbersAndMessages()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        Pty pty;
        QTemporaryDir dir;
        QVERIFY(QFile::link(pty.slavePath(), dir.filePath("port1")));
        const QString file = dir.filePath("state.json");
        QFile(file).open(QIODevice::WriteOnly);
        text.replace("FILE", file);
        message.replace("FILE", file);
        QtSerialLink link;
        link.setNumberedPortPrefix(dir.filePath("port"));
        OpenError error;
        QCOMPARE(link.open(text, &error), message.isEmpty());
        QCOMPARE(link.isOpen(), message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(unusablePortMessage(text, error), message);
    }

    // Port 1 that cannot be opened, the first thing a PC without a serial
    // port shows: in Chinese exactly the window's own message, in English
    // with no Chinese left in it, the reason included.
    void portOneMessageInEachLanguage_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("zh") << Language::Chinese << QStringLiteral("COM1不能用,请换到另一个串口。");
        QTest::newRow("en") << Language::English
                            << QStringLiteral("COM1 cannot be used; please choose another serial port.");
    }
    void portOneMessageInEachLanguage()
    {
        QFETCH(Language, language);
        QFETCH(QString, firstLine);
        QTemporaryDir dir;
        QtSerialLink link;
        link.setNumberedPortPrefix(dir.filePath("port"));
        OpenError error;
        QVERIFY(!link.open(QStringLiteral("1"), &error));
        installLanguage(language);
        const QString message = unusablePortMessage(QStringLiteral("1"), error);
        installLanguage(Language::Chinese);
        QCOMPARE(message.section(u'\n', 0, 0), firstLine);
        if (language == Language::English)
            QVERIFY2(!message.contains(QRegularExpression(QStringLiteral("[\\x{2E80}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"))),
                     qPrintable(message));
    }

    // A session's terminal (someone's shell, whatever mode its prompt left
    // it in) is never taken for a line, by its path or through a link; a
    // terminal that only a bridge or a simulator serves is one.
    void sessionTerminals_data()
    {
        QTest::addColumn<QString>("terminal");  // "shell" or "bridge"
        QTest::addColumn<bool>("raw");
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("a shell at work, by its path") << "shell" << false << false;
        QTest::newRow("an idle shell prompt, through a link") << "shell" << true << true;
        QTest::newRow("a bridge's terminal in line mode, through a link") << "bridge" << false << true;
        QTest::newRow("a bridge's raw terminal, through a link") << "bridge" << true << true;
    }
    void sessionTerminals()
    {
        QFETCH(QString, terminal);
        QFETCH(bool, raw);
        QFETCH(bool, throughLink);
        Pty pty;
        // Raw, or with a line discipline at work (canonical input and echo).
        termios mode{};
        const int slave = ::open(pty.slavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        const auto closeSlave = qScopeGuard([slave] { ::close(slave); });
        QVERIFY(slave >= 0 && tcgetattr(slave, &mode) == 0);
        if (!raw)
            mode.c_lflag |= ICANON | ECHO;
        QVERIFY(tcsetattr(slave, TCSANOW, &mode) == 0);
        // A shell's is the controlling terminal of a session of its own.
        QProcess shell;
        if (terminal == u"shell") {
            shell.start("setsid", {"sh", "-c", R"(exec 3<>"$0"; echo; exec sleep 60)", pty.slavePath()});
            QVERIFY(shell.waitForReadyRead(5000));
        }
        QTemporaryDir dir;
        const QString link = dir.filePath("ctl");
        QVERIFY(!throughLink || QFile::link(pty.slavePath(), link));
        QtSerialLink serial;
        OpenError error;
        const bool opened = serial.open(throughLink ? link : pty.slavePath(), &error);
        if (terminal == u"bridge") {
            QVERIFY2(opened, qPrintable(openErrorText(error)));
            QVERIFY(serial.write(hexBytes("7E FE 07 00 45 4C 16")));
            QCOMPARE(pty.read(7), hexBytes("7E FE 07 00 45 4C 16"));
            return;
        }
        QVERIFY(!opened);
        QCOMPARE(openErrorText(error), QStringLiteral("这是一个正在使用的终端，不是串口设备"));
        QVERIFY(!serial.write(hexBytes("7E FE 07 00 45 4C 16")));
        QCOMPARE(pty.readFor(20), QByteArray());
        termios now{};
        QVERIFY(tcgetattr(slave, &now) == 0);
        QVERIFY(now.c_lflag == mode.c_lflag && now.c_iflag == mode.c_iflag && now.c_oflag == mode.c_oflag
                && now.c_cflag == mode.c_cflag);
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

    // Each kind of exchange over a real line: the window's log and status
    // bar, and the same lines from the command line's --trace.
    void exchangeKindsInTheLogAndTrace_data()
    {
        QTest::addColumn<QString>("reply");  // "lost": the line goes away
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("exitCode");
        // The time-out costs only where nothing ends the wait: short there,
        // long where a reply is sure to come.
        QTest::addColumn<int>("timeoutMs");
        QTest::newRow("accepted") << "7E FE 08 00 45 06 53 16" << "设置成功（N ms）" << 0 << 3000;
        QTest::newRow("stray status") << "7E FE 08 00 45 07 54 16" << "应答无法识别：7E FE 08 00 45 07 54 16" << 3 << 300;
        QTest::newRow("lost port") << "lost" << "串口连接已断开" << 4 << 3000;
    }
    void exchangeKindsInTheLogAndTrace()
    {
        QFETCH(QString, reply);
        QFETCH(QString, status);
        QFETCH(int, exitCode);
        QFETCH(int, timeoutMs);
        // Timestamps and round trips vary from run to run, and so may the
        // terminal's number when other tests run beside this one.
        const auto steady = [](const QStringList &lines) {
            QStringList out;
            for (QString line : lines) {
                line.replace(QRegularExpression(QStringLiteral("（\\d+ ms）")), QStringLiteral("（N ms）"));
                line.replace(QRegularExpression(QStringLiteral("/dev/pts/\\d+")), QStringLiteral("/dev/pts/N"));
                if (!line.contains(u"已打开") && !line.startsWith(u"——"))
                    out << line.mid(line.indexOf(u' ') + 1);
            }
            return out;
        };
        const auto play = [&](Pty &pty) {
            QCOMPARE(pty.read(7), hexBytes("7E FE 07 00 45 4C 16"));
            if (reply == u"lost") {
                pty.closeKeeper();
                pty.closeMaster();
            } else {
                pty.write(hexBytes(reply));
            }
        };

        QStringList windowLines;
        {
            Pty pty;
            RecordingSink sink;
            QtSerialLink link;
            MainWindow window(link, sink, {std::chrono::milliseconds(timeoutMs), 20ms});
            window.startUp(pty.slavePath());
            window.findChild<QPushButton *>("Command2")->click();
            play(pty);
            QTRY_COMPARE(window.exchangeStatus().replace(QRegularExpression(QStringLiteral("（\\d+ ms）")),
                                                         QStringLiteral("（N ms）")),
                         status);
            windowLines = steady(window.logPane().lines());
        }
        QVERIFY2(windowLines.size() >= 2 && windowLines[0].startsWith(u"发送"), qPrintable(windowLines.join(u'\n')));

        Pty pty;
        QProcess cli;
        cli.start(QStringLiteral(SMSCFG_CLI_PATH), {"--trace", "--timeout", QString::number(timeoutMs), "--port", pty.slavePath(), "init"});
        QVERIFY(cli.waitForStarted());
        play(pty);
        QVERIFY(cli.waitForFinished(5000));
        const QString trace = QString::fromUtf8(cli.readAllStandardError());
        QVERIFY2(cli.exitCode() == exitCode, qPrintable(trace));
        QStringList traceLines = steady(trace.split(u'\n', Qt::SkipEmptyParts));
        // The window names the port as typed; so does the trace.
        QCOMPARE(traceLines.mid(0, windowLines.size()), windowLines);
    }

    // A verdict box does not stop the line being read: a reply that comes
    // while it is open is judged at once, and gets its own box.
    void replyWhileABoxIsOpen()
    {
        Pty pty;
        MessageBoxSink sink;
        QtSerialLink link;
        MainWindow window(link, sink, {3000ms, 20ms});
        sink.setParent(&window);
        window.show();
        window.startUp(pty.slavePath());
        const auto openBoxes = [&] {
            QStringList texts;
            for (const QMessageBox *box : window.findChildren<QMessageBox *>())
                if (box->isVisible())
                    texts << box->text();
            return texts;
        };
        // Were a box to hold the line, this closes it before the test's
        // time runs out, and the checks below fail instead of hanging.
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, [&] {
            for (QMessageBox *box : window.findChildren<QMessageBox *>())
                box->close();
        });
        watchdog.start(4000);
        auto *init = window.findChild<QPushButton *>("Command2");
        init->click();
        init->click();
        QCOMPARE(pty.read(14), hexBytes("7E FE 07 00 45 4C 16 7E FE 07 00 45 4C 16"));
        pty.write(hexBytes("7E FE 08 00 45 06 53 16"));
        QTRY_COMPARE(openBoxes(), QStringList{"设置成功"});
        pty.write(hexBytes("7E FE 08 00 45 09 56 16"));
        QTRY_COMPARE_WITH_TIMEOUT(openBoxes(), (QStringList{"设置成功", "设置失败"}), 2000);
        QVERIFY(!window.exchange().awaitingReply());
    }
};

QTEST_MAIN(TestSerialLink)
#include "test_serial_link.moc"
