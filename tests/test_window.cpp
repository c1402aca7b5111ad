#include "window_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace smscfg;

namespace {

const QString PortMessageTail = QStringLiteral("不能用,请换到另一个串口。\n没有这个串口设备：它不存在，或已被拔出");

struct Rig : WindowRig<> {
    explicit Rig(bool startUp = true)
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
        QCOMPARE(rig.sink.messages, QStringList());
        QCOMPARE(rig.link.openedAs, QStringLiteral("1"));
        for (int n = 1; n <= 15; ++n) {
            auto *b = rig.button(QStringLiteral("Command%1").arg(n));
            QVERIFY2(b, qPrintable(QString::number(n)));
            QCOMPARE(b->isEnabled(), n != 14);
            QCOMPARE(b->isVisibleTo(&rig.window), n != 14);
        }
        QCOMPARE(rig.get<QComboBox>("Combo2")->currentText(), QStringLiteral("00"));
        QCOMPARE(rig.get<QComboBox>("Combo2")->count(), 100);
        QCOMPARE(rig.get<QComboBox>("Combo5")->findText("24"), 23);
        QCOMPARE(rig.get<QComboBox>("Combo6")->findText("60"), 59);
        QCOMPARE(rig.get<QComboBox>("Combo7")->currentText(), QStringLiteral("星期一"));
        QCOMPARE(rig.get<QComboBox>("Combo7")->count(), 7);
        QVERIFY(rig.get<QCheckBox>("Check1")->isChecked());
        QVERIFY(rig.get<QCheckBox>("Check3")->isChecked());
        QVERIFY(!rig.get<QRadioButton>("Option1_0")->isChecked());
        QVERIFY(!rig.get<QRadioButton>("Option1_1")->isChecked());
        QCOMPARE(rig.window.objectName(), QStringLiteral("Form1"));
    }

    // The window hands each kind of control to the core as it stands (the
    // core's table has every request): texts, the code-page box, the phone
    // boxes, the option buttons (the clock lists: typingIntoAClockBox).
    void buttonsWriteTheirFrames_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("toggles");  // controls clicked before the button
        QTest::addColumn<QString>("expected");
        QTest::newRow("Command6 code page") << "Command6" << QStringList{"Text1=1", "Text5=温度", "Text9=01"}
                                            << QStringList{"Check1"}
                                            << "7E FE 19 00 49 01 CE C2 B6 C8 00 20 00 20 00 20 00 20 00 20 00 20 01 32 16";
        QTest::newRow("Command10") << "Command10" << QStringList{"Text13=1"} << QStringList{"Check2_0", "Check2_15"}
                                   << "7E FE 0A 00 4D 01 7F FE D5 16";
        QTest::newRow("Command13") << "Command13" << QStringList{"Text13=1", "Text14=2"} << QStringList{"Option1_1"}
                                   << "7E FE 0D 00 50 01 02 55 00 00 00 B5 16";
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
        QCOMPARE(rig.link.writes, QByteArrayList{hexBytes(expected)});
        QCOMPARE(rig.sink.messages, QStringList());
    }

    // A press on the wrong port, then 串口设置 to the right one and a press
    // there: the reply on the new port is not the first request's.
    void pressAfterReopeningOnAnotherPort()
    {
        Rig rig;
        rig.click("Command2");
        rig.wait(500);
        rig.setText("Combo1", "2");
        rig.click("Command7");
        rig.click("Command2");
        rig.wait(40);
        rig.link.deliver(hexBytes("7E FE 08 00 45 06 53 16"));
        rig.wait(10000);
        QCOMPARE(rig.sink.messages, QStringList{"设置成功"});
        QCOMPARE(rig.window.exchangeStatus(), QStringLiteral("设置成功（40 ms）"));
    }

    // Typing into a clock box replaces what it shows, so that it never shows
    // one value while holding another.
    void typingIntoAClockBoxReplacesIt()
    {
        Rig rig;
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        QLineEdit *month = rig.get<QComboBox>("Combo3")->lineEdit();
        QCOMPARE(month->text(), QStringLiteral("01"));
        QTest::mouseClick(month, Qt::LeftButton, {}, QPoint(month->width() - 2, month->height() / 2));
        QTest::qWait(0);
        QTest::keyClicks(month, "12");
        QCOMPARE(month->text(), QStringLiteral("12"));
        rig.click("Command15");
        QCOMPARE(rig.link.takeWritten(), hexBytes("7E FE 0D 00 52 00 12 01 01 01 01 75 16"));
        // Clicked again with the focus already there: still replaced.
        QTest::mouseClick(month, Qt::LeftButton, {}, QPoint(2, month->height() / 2));
        QTest::keyClicks(month, "11");
        QCOMPARE(month->text(), QStringLiteral("11"));
        // Nothing completes what was typed: "1" stays "1", not the "10" of
        // the list.
        QTest::mouseClick(month, Qt::LeftButton, {}, QPoint(2, month->height() / 2));
        QTest::keyClicks(month, "1");
        QCOMPARE(month->text(), QStringLiteral("1"));
    }

    void portsThatDoNotOpen()
    {
        Rig rig(false);
        rig.link.unopenable << "/dev/smscfg-missing";
        rig.window.startUp(QStringLiteral("/dev/smscfg-missing"));
        QCOMPARE(rig.sink.messages, QStringList{"/dev/smscfg-missing" + PortMessageTail});
        QStringList enabled;
        for (int i = 1; i <= 15; ++i)
            if (rig.button(QStringLiteral("Command%1").arg(i))->isEnabled())
                enabled << QStringLiteral("Command%1").arg(i);
        // The six that need an open port, and 下限 (never), are not.
        QCOMPARE(enabled, (QStringList{"Command7", "Command8", "Command9", "Command10", "Command11", "Command12",
                                       "Command13", "Command15"}));
        QCOMPARE(rig.get<QComboBox>("Combo1")->currentText(), QStringLiteral("/dev/smscfg-missing"));
        // The clock lists are there even though the port failed.
        QCOMPARE(rig.get<QComboBox>("Combo2")->currentText(), QStringLiteral("00"));
        QCOMPARE(rig.get<QComboBox>("Combo7")->count(), 7);

        // Another port opens, and a third does not: it closes the line again.
        rig.setText("Combo1", "2");
        rig.click("Command7");
        QCOMPARE(rig.sink.messages.size(), 1);
        QCOMPARE(rig.link.openedAs, QStringLiteral("2"));
        for (int n = 1; n <= 6; ++n)
            QVERIFY(rig.button(QStringLiteral("Command%1").arg(n))->isEnabled());
        rig.link.unopenable << "COM3";
        rig.setText("Combo1", "COM3");
        rig.click("Command7");
        QCOMPARE(rig.sink.messages.mid(1), QStringList{"COM3" + PortMessageTail});
        QVERIFY(!rig.button("Command1")->isEnabled());
        QVERIFY(rig.button("Command8")->isEnabled());
    }

    // Like the time-out, a lost line gives one box for the requests it ends.
    void lostLineWithSeveralWaitingGivesOneBox()
    {
        Rig rig;
        for (int i = 0; i < 3; ++i)
            rig.click("Command2");
        rig.link.lose();
        rig.wait(10000);
        QCOMPARE(rig.sink.messages, QStringList{"串口连接已断开"});
        rig.click("Command7");
        rig.click("Command2");
        rig.link.lose();
        QCOMPARE(rig.sink.messages, (QStringList{"串口连接已断开", "串口连接已断开"}));
    }

    // A line lost with nothing waiting shows no box; the next request says
    // the port is unusable. (Reopening after a loss:
    // lostLineWithSeveralWaitingGivesOneBox.)
    void portVanishesWhileOpen()
    {
        Rig rig;
        rig.link.lose();
        QCOMPARE(rig.sink.messages, QStringList());
        rig.setText("Text10", "1234567");
        rig.click("Command8");
        rig.wait(10000);
        QCOMPARE(rig.sink.messages, QStringList{"串口不可用，请重新设置"});
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
