#include "hex.h"
#include "window_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace smscfg;

namespace {

const ExchangeTimings FastTimings{std::chrono::milliseconds(300), std::chrono::milliseconds(20)};
const int TimeoutMs = int(FastTimings.responseTimeout.count());
const int SettleMs = int(FastTimings.settle.count());
const QString PortMessageTail = QStringLiteral("不能用,请换到另一个串口。");

// The usual rig; `open` false leaves the start-up to the test.
struct Rig : WindowRig<> {
    explicit Rig(bool startUp = true) : WindowRig(FastTimings)
    {
        if (startUp)
            open();
    }
};

}  // namespace

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpOnAWorkingPort()
    {
        Rig rig;
        QVERIFY(rig.pty.ok());
        QCOMPARE(rig.sink.messages, QStringList());
        for (int n = 1; n <= 15; ++n) {
            auto *b = rig.button(QStringLiteral("Command%1").arg(n));
            QVERIFY2(b, qPrintable(QString::number(n)));
            QCOMPARE(b->isEnabled(), n != 14);
            QCOMPARE(b->isVisibleTo(&rig.form), n != 14);
        }
        QCOMPARE(rig.get<QComboBox>("Combo1")->count(), 16);
        QCOMPARE(rig.get<QComboBox>("Combo2")->currentText(), QStringLiteral("00"));
        QCOMPARE(rig.get<QComboBox>("Combo2")->count(), 100);
        QCOMPARE(rig.get<QComboBox>("Combo5")->currentText(), QStringLiteral("01"));
        QCOMPARE(rig.get<QComboBox>("Combo5")->findText("24"), 23);
        QCOMPARE(rig.get<QComboBox>("Combo5")->findText("00"), -1);
        QCOMPARE(rig.get<QComboBox>("Combo6")->findText("60"), 59);
        QCOMPARE(rig.get<QComboBox>("Combo6")->findText("00"), -1);
        QCOMPARE(rig.get<QComboBox>("Combo7")->currentText(), QStringLiteral("星期一"));
        QCOMPARE(rig.get<QComboBox>("Combo7")->count(), 7);
        QVERIFY(rig.get<QCheckBox>("Check1")->isChecked());
        QVERIFY(rig.get<QCheckBox>("Check3")->isChecked());
        QVERIFY(!rig.get<QRadioButton>("Option1_0")->isChecked());
        QVERIFY(!rig.get<QRadioButton>("Option1_1")->isChecked());
        QCOMPARE(rig.get<QCheckBox>("Check2_15")->text(), QStringLiteral("电话16"));
        QCOMPARE(rig.form.size(), QSize(502, 592));
        QCOMPARE(rig.form.minimumSize(), rig.form.maximumSize());
    }

    void buttonsWriteTheirFrames_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("toggles");  // controls clicked before the button
        QTest::addColumn<QString>("expected");
        QTest::newRow("Command2") << "Command2" << QStringList{} << QStringList{} << "7E FE 07 00 45 4C 16";
        QTest::newRow("Command3") << "Command3" << QStringList{"Text3=12"} << QStringList{} << "7E FE 08 00 46 0C 5A 16";
        QTest::newRow("Command4") << "Command4" << QStringList{"Text2=0102"} << QStringList{}
                                  << "7E FE 09 00 47 01 02 53 16";
        QTest::newRow("Command5") << "Command5" << QStringList{"Text4=0408"} << QStringList{}
                                  << "7E FE 09 00 48 04 08 5D 16";
        QTest::newRow("Command6") << "Command6" << QStringList{"Text1=1", "Text5=温度", "Text9=01"} << QStringList{}
                                  << "7E FE 19 00 49 01 6E 29 5E A6 00 20 00 20 00 20 00 20 00 20 00 20 01 BF 16";
        QTest::newRow("Command6 code page") << "Command6" << QStringList{"Text1=1", "Text5=温度", "Text9=01"}
                                            << QStringList{"Check1"}
                                            << "7E FE 19 00 49 01 CE C2 B6 C8 00 20 00 20 00 20 00 20 00 20 00 20 01 32 16";
        QTest::newRow("Command1") << "Command1" << QStringList{"Text6=1", "Text7=2", "Text8=AB12"} << QStringList{}
                                  << "7E FE 14 00 4A 01 02 01 00 41 00 42 00 31 00 32 00 20 68 16";
        QTest::newRow("Command8") << "Command8" << QStringList{"Text10=12345678901"} << QStringList{}
                                  << "7E FE 12 00 4B 31 32 33 34 35 36 37 38 39 30 31 9B 16";
        QTest::newRow("Command9") << "Command9" << QStringList{"Text11=3", "Text12=1234567"} << QStringList{}
                                  << "7E FE 13 00 4C 03 31 32 33 34 35 36 37 00 00 00 00 CE 16";
        QTest::newRow("Command10") << "Command10" << QStringList{"Text13=1"} << QStringList{"Check2_0", "Check2_15"}
                                   << "7E FE 0A 00 4D 01 7F FE D5 16";
        QTest::newRow("Command11") << "Command11" << QStringList{"Text13=1", "Text14=2"}
                                   << QStringList{"Check2_0", "Check2_15"} << "7E FE 0B 00 4E 01 02 7F FE D9 16";
        QTest::newRow("Command12") << "Command12" << QStringList{"Text13=1", "Text14=2"} << QStringList{}
                                   << "7E FE 0A 00 4F 01 02 11 6D 16";
        QTest::newRow("Command13") << "Command13" << QStringList{"Text13=1", "Text14=2"} << QStringList{"Option1_1"}
                                   << "7E FE 0D 00 50 01 02 55 00 00 00 B5 16";
        QTest::newRow("Command15") << "Command15"
                                   << QStringList{"Combo2=26", "Combo3=12", "Combo4=05", "Combo5=23", "Combo6=42",
                                                  "Combo7=星期六"}
                                   << QStringList{} << "7E FE 0D 00 52 26 12 05 23 42 06 07 16";
        QTest::newRow("Command15 as the lists start") << "Command15" << QStringList{} << QStringList{}
                                                      << "7E FE 0D 00 52 00 01 01 01 01 01 64 16";
    }
    void buttonsWriteTheirFrames()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, toggles);
        QFETCH(QString, expected);
        Rig rig;
        for (const QString &pair : texts)
            rig.setText(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        for (const QString &name : toggles)
            QTest::mouseClick(rig.get<QAbstractButton>(name), Qt::LeftButton);
        QTest::mouseClick(rig.button(button), Qt::LeftButton);
        const QByteArray frame = hexBytes(expected);
        QCOMPARE(rig.pty.read(frame.size()), frame);
        QCOMPARE(rig.pty.readFor(30), QByteArray());
        QCOMPARE(rig.sink.messages, QStringList());
    }

    void hiddenLowerLimitButton()
    {
        Rig rig;
        rig.setText("Text13", "1");
        rig.setText("Text14", "2");
        rig.get<QRadioButton>("Option1_0")->setChecked(true);
        rig.button("Command14")->click();  // disabled: nothing happens
        QCOMPARE(rig.pty.readFor(50), QByteArray());
        // Made available, it runs the lower-limit request.
        rig.button("Command14")->setEnabled(true);
        rig.button("Command14")->click();
        QCOMPARE(rig.pty.read(13), hexBytes("7E FE 0D 00 51 01 02 AA 00 00 00 0B 16"));
    }

    void replies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("accepted") << hexBytes("00 11 22 33 44 06") << QStringList{"设置成功"};
        QTest::newRow("refused") << hexBytes("00 11 22 33 44 09") << QStringList{"设置失败"};
        QTest::newRow("longer reply") << hexBytes("7E FE 08 00 45 06 51 16") << QStringList{"设置成功"};
        QTest::newRow("bad framing, judged by byte 5") << hexBytes("FF FF FF FF FF 09 FF") << QStringList{"设置失败"};
        QTest::newRow("five bytes") << hexBytes("7E FE 08 00 45") << QStringList{};
        QTest::newRow("other status") << hexBytes("7E FE 08 00 45 07 51 16") << QStringList{};
        QTest::newRow("status 60 is not 06") << hexBytes("00 00 00 00 00 60") << QStringList{};
    }
    void replies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, messages);
        Rig rig;
        rig.button("Command2")->click();
        QCOMPARE(rig.pty.read(7).size(), 7);
        rig.pty.write(reply);
        // Past the time-out: a judged (or unjudged) reply stops the timer, so
        // no "设备无响应" may follow.
        QTest::qWait(TimeoutMs + 100);
        QCOMPARE(rig.sink.messages, messages);
        QVERIFY(!rig.form.exchange().awaitingReply());
    }

    void replySplitAcrossReads()
    {
        Rig rig;
        rig.button("Command2")->click();
        rig.pty.read(7);
        rig.pty.write(hexBytes("7E FE 08"));
        QTest::qWait(5);
        rig.pty.write(hexBytes("00 45 06 51 16"));
        QTRY_COMPARE(rig.sink.messages, QStringList{"设置成功"});
    }

    void noReplyGivesOneNoResponse()
    {
        Rig rig;
        rig.button("Command2")->click();
        QTest::qWait(TimeoutMs * 3);
        QCOMPARE(rig.sink.messages, QStringList{"设备无响应"});
    }

    void lateReplyIsStillJudged()
    {
        Rig rig;
        rig.button("Command2")->click();
        QTRY_COMPARE(rig.sink.messages, QStringList{"设备无响应"});
        rig.pty.write(hexBytes("00 11 22 33 44 06"));
        QTRY_COMPARE(rig.sink.messages, (QStringList{"设备无响应", "设置成功"}));
    }

    void startUpOnAMissingPortThenRecover()
    {
        Rig rig(false);
        rig.form.startUp(QStringLiteral("/dev/smscfg-missing"));
        QCOMPARE(rig.sink.messages, QStringList{"COM/dev/smscfg-missing" + PortMessageTail});
        for (int n = 1; n <= 15; ++n)
            QCOMPARE(rig.button(QStringLiteral("Command%1").arg(n))->isEnabled(), n > 6 && n != 14);
        QCOMPARE(rig.get<QComboBox>("Combo1")->currentText(), QStringLiteral("/dev/smscfg-missing"));
        // The clock lists are there even though the port failed.
        QCOMPARE(rig.get<QComboBox>("Combo2")->currentText(), QStringLiteral("00"));
        QCOMPARE(rig.get<QComboBox>("Combo7")->count(), 7);

        // A request that reaches the line is reported, and no time-out follows.
        rig.button("Command15")->click();
        QTest::qWait(TimeoutMs + 100);
        QCOMPARE(rig.sink.messages.mid(1), QStringList{"串口不可用，请重新设置"});

        rig.sink.messages.clear();
        rig.setText("Combo1", rig.pty.slavePath());
        rig.button("Command7")->click();
        QCOMPARE(rig.sink.messages, QStringList());
        for (int n = 1; n <= 6; ++n)
            QVERIFY(rig.button(QStringLiteral("Command%1").arg(n))->isEnabled());
        rig.button("Command2")->click();
        QCOMPARE(rig.pty.read(7), hexBytes("7E FE 07 00 45 4C 16"));
    }

    void portTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("opens");
        QTest::newRow("2.9 is port 2") << "2.9" << true;
        QTest::newRow("2 is port 2") << "2" << true;
        QTest::newRow("3 does not exist") << "3" << false;
        QTest::newRow("COM3 is not a number") << "COM3" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("relative path") << "dev/ttyS0" << false;
    }
    void portTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, opens);
        Rig rig;
        // Numbered ports live in a folder of our own: port 2 is its "port1".
        QTemporaryDir dir;
        QVERIFY(QFile::link(rig.pty.slavePath(), dir.filePath("port1")));
        rig.link.setNumberedPortPrefix(dir.filePath("port"));

        rig.setText("Combo1", text);
        rig.button("Command7")->click();
        if (opens) {
            QCOMPARE(rig.sink.messages, QStringList());
            rig.button("Command2")->click();
            QCOMPARE(rig.pty.read(7), hexBytes("7E FE 07 00 45 4C 16"));
        } else {
            QCOMPARE(rig.sink.messages, QStringList{"COM" + text + PortMessageTail});
            QVERIFY(!rig.link.isOpen());
            QVERIFY(!rig.button("Command1")->isEnabled());
            QVERIFY(!rig.button("Command6")->isEnabled());
            QVERIFY(rig.button("Command8")->isEnabled());
        }
        QCOMPARE(rig.get<QComboBox>("Combo1")->currentText(), text);
    }

    void portVanishesWhileOpen()
    {
        Rig rig;
        rig.pty.closeKeeper();
        rig.pty.closeMaster();
        // The lost link is noticed in the background; the window stays idle.
        QTRY_VERIFY(!rig.link.isOpen());
        QCOMPARE(rig.sink.messages, QStringList());
        rig.button("Command8")->click();  // empty centre number: its own message
        rig.setText("Text10", "1234567");
        rig.button("Command8")->click();
        QTest::qWait(TimeoutMs + 100);
        QCOMPARE(rig.sink.messages, (QStringList{"请输入短信中心号码", "串口不可用，请重新设置"}));

        Pty fresh;
        rig.sink.messages.clear();
        rig.setText("Combo1", fresh.slavePath());
        rig.button("Command7")->click();
        rig.button("Command8")->click();
        QCOMPARE(fresh.read(18), hexBytes("7E FE 12 00 4B 31 32 33 34 35 36 37 00 00 00 00 C9 16"));
        fresh.write(hexBytes("00 00 00 00 00 06"));
        QTRY_COMPARE(rig.sink.messages, QStringList{"设置成功"});
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
