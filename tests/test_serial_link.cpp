#include "app/main_window.h"
#include "hex.h"
#include "link/qt_serial_link.h"
#include "pty.h"
#include "recording_sink.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

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
        QString error;
        QVERIFY2(link.open(pty.slavePath(), &error), qPrintable(error));
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
        QString error;
        QCOMPARE(link.open(text, &error), opens);
        QCOMPARE(link.isOpen(), opens);
        QCOMPARE(error.isEmpty(), opens);
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
