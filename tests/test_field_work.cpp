#include "app/form_layout.h"
#include "app/log_pane.h"
#include "app/port_combo_box.h"
#include "cli/cli.h"
#include "program_run.h"
#include "pty.h"
#include "window_rig.h"

#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace smscfg;

namespace {

QList<PortInfo> threePorts()
{
    PortInfo ch340{"/dev/ttyUSB0", "USB-Serial CH340", "wch.cn", quint16(0x1A86), quint16(0x7523), "A12345"};
    PortInfo acm{"/dev/ttyACM0", "USB Modem", "", quint16(0x2341), quint16(0x0043), ""};
    PortInfo builtIn{"/dev/ttyS0", "", "", std::nullopt, std::nullopt, ""};
    return {builtIn, ch340, acm};
}

// The log pane's lines without their times, and without the lines that
// start a day.
QStringList logLines(MainWindow &window)
{
    QStringList lines;
    for (const QString &line : window.logPane().lines())
        if (!line.startsWith(QStringLiteral("——")))
            lines << line.mid(13);
    return lines;
}

}  // namespace

// What the window gives an installer besides the fourteen requests: the
// port list, the communication log, the status bar, the PC's time.
class TestFieldWork : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowRig<>> shared;

    // One window, open and shown, for the rows that can share it.
    WindowRig<> &sharedWindow()
    {
        if (!shared) {
            shared = std::make_unique<WindowRig<>>();
            shared->open();
            shared->window.show();
        }
        return *shared;
    }

private slots:
    void portListOffersTheSystemsPorts()
    {
        WindowRig<> rig;
        rig.ports.list = threePorts();
        rig.open();
        auto *box = rig.get<PortComboBox>("Combo1");
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        // The system's ports first, USB adapters first among them.
        QCOMPARE(items.mid(0, 3), (QStringList{"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyS0"}));
        QCOMPARE(items.mid(3).join(u','), QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16"));
        QCOMPARE(box->itemData(1, PortComboBox::DescriptionRole).toString(), QStringLiteral("USB-Serial CH340"));

        // Picked from the list, the box holds the port itself.
        box->setCurrentIndex(1);
        QCOMPARE(box->currentText(), QStringLiteral("/dev/ttyUSB0"));
        rig.click("Command7");
        QCOMPARE(rig.link.openedAs, QStringLiteral("/dev/ttyUSB0"));

        // Plugged in later: the list is read again when it drops down.
        rig.ports.list << PortInfo{"/dev/ttyUSB1", "CP2102", "", {}, {}, ""};
        rig.window.findChild<QAction *>("actionRefreshPorts")->trigger();
        QCOMPARE(box->itemText(2), QStringLiteral("/dev/ttyUSB1"));
        QCOMPARE(box->currentText(), QStringLiteral("/dev/ttyUSB0"));
    }

    void cliListsThePorts()
    {
        FakePorts ports;
        ports.list = threePorts();
        cli::Environment environment;
        environment.ports = &ports;
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        QCOMPARE(cli::run({"ports"}, outStream, errStream, environment), 0);
        outStream.flush();
        QCOMPARE(out, QStringLiteral("/dev/ttyACM0\tUSB Modem\t-\t2341:0043\t-\n"
                                     "/dev/ttyUSB0\tUSB-Serial CH340\twch.cn\t1A86:7523\tA12345\n"
                                     "/dev/ttyS0\t-\t-\t-\t-\n"));

        ports.list.clear();
        out.clear();
        QCOMPARE(cli::run({"ports"}, outStream, errStream, environment), 0);
        outStream.flush();
        errStream.flush();
        QCOMPARE(out, QString());
        QCOMPARE(err, QStringLiteral("没有找到串口\n"));
    }

    // Nothing remembered and no port given: the system's one USB adapter,
    // else port 1.
    void firstStartChoosesThePort_data()
    {
        QTest::addColumn<QStringList>("ports");  // "path", or "path usb" for a USB adapter (by its vendor id)
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("opened");
        const QStringList oneAdapter{"/dev/ttyS0", "/dev/ttyUSB0 usb"};
        QTest::newRow("one USB adapter") << QStringList{"/dev/ttyS4", "/dev/ttyS5 usb"} << "" << "" << "/dev/ttyS5";
        QTest::newRow("two adapters") << QStringList{"/dev/ttyUSB0 usb", "/dev/ttyACM0 usb"} << "" << "" << "1";
        QTest::newRow("built-in ports only") << QStringList{"/dev/ttyS0", "/dev/ttyS1"} << "" << "" << "1";
        QTest::newRow("no ports") << QStringList{} << "" << "" << "1";
        QTest::newRow("remembered wins") << oneAdapter << "3" << "" << "3";
        QTest::newRow("given wins") << oneAdapter << "" << "2" << "2";
    }
    void firstStartChoosesThePort()
    {
        QFETCH(QStringList, ports);
        QFETCH(QString, remembered);
        QFETCH(QString, given);
        QFETCH(QString, opened);
        QTemporaryDir dir;
        QSettings settings(dir.filePath("smscfg.conf"), QSettings::IniFormat);
        if (!remembered.isEmpty())
            settings.setValue("port", remembered);
        WindowRig<> rig;
        for (const QString &port : ports) {
            PortInfo info{port.section(u' ', 0, 0), "USB-Serial CH340", "", {}, {}, ""};
            if (port.endsWith(" usb"))
                info.vendorId = 0x1A86;
            rig.ports.list << info;
        }
        rig.window.setSettings(&settings);
        rig.window.startUp(given.isEmpty() ? std::nullopt : std::optional<QString>(given));
        QCOMPARE(rig.link.openedAs, opened);
        QCOMPARE(rig.get<QComboBox>("Combo1")->currentText(), opened);
        QCOMPARE(rig.sink.messages, QStringList());
    }

    // The port that last opened is remembered, for the next start
    // (firstStartChoosesThePort); one that fails to open is not.
    void remembersTheLastGoodPort()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("smscfg.conf"), QSettings::IniFormat);
        WindowRig<> rig;
        rig.window.setSettings(&settings);
        rig.open();
        rig.setText("Combo1", "/dev/ttyUSB0");
        rig.click("Command7");
        rig.link.unopenable << "/dev/ttyUSB9\x1b[2J";
        rig.setText("Combo1", "/dev/ttyUSB9\x1b[2J");
        rig.click("Command7");
        QCOMPARE(settings.value("port").toString(), QStringLiteral("/dev/ttyUSB0"));
        // The port as typed, its control characters shown escaped in the log.
        QVERIFY(rig.window.logPane().lines().last().contains("/dev/ttyUSB9\\x1b[2J不能用"));
    }

    // Only a port that will name the same device next time is remembered:
    // a pseudo-terminal's number goes to someone's shell once it is closed.
    // One remembered before (by an older version) is not opened either.
    void remembersOnlyPortsThatStayTheSame_data()
    {
        QTest::addColumn<QString>("port");  // PTY: a pseudo-terminal; LINK: a link to it
        QTest::addColumn<bool>("remembered");
        QTest::newRow("a number") << "3" << true;
        QTest::newRow("a serial device") << "/dev/ttyUSB0" << true;
        QTest::newRow("a pseudo-terminal") << "PTY" << false;
        QTest::newRow("a link to a pseudo-terminal") << "LINK" << false;
        QTest::newRow("the pseudo-terminal multiplexer") << "/dev/ptmx" << false;
    }
    void remembersOnlyPortsThatStayTheSame()
    {
        QFETCH(QString, port);
        QFETCH(bool, remembered);
        QTemporaryDir dir;
        Pty pty;
        QVERIFY(QFile::link(pty.slavePath(), dir.filePath("controller")));
        port.replace("PTY", pty.slavePath()).replace("LINK", dir.filePath("controller"));
        QSettings settings(dir.filePath("smscfg.conf"), QSettings::IniFormat);
        {
            WindowRig<> rig;
            rig.window.setSettings(&settings);
            rig.window.startUp(port);
            QCOMPARE(rig.link.openedAs, port);
        }
        QCOMPARE(settings.value("port").toString(), remembered ? port : QString());

        settings.setValue("port", port);
        WindowRig<> later;
        later.window.setSettings(&settings);
        later.window.startUp();
        QCOMPARE(later.link.openedAs, remembered ? port : QStringLiteral("1"));
    }

    // An exchange leaves its lines in the log, its words in the status bar,
    // and at most one box, with no time-out after its verdict (which words
    // for which outcome: the core's traffic-text tables).
    void logStatusAndBoxForEachExchange_data()
    {
        QTest::addColumn<int>("at");         // when the reply comes, in ms after the press
        QTest::addColumn<QString>("reply");  // "" for none; "lost" for a line that goes away
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("boxes");
        const QString sent = QStringLiteral("发送 7E FE 07 00 45 4C 16  0x45 初始化");
        const QString accepted = QStringLiteral("接收 7E FE 08 00 45 06 53 16  0x45 的应答：接受");
        const QString noReply = QStringLiteral("结果  0x45 无应答（3000 ms）");
        QTest::newRow("accepted") << 40 << "7E FE 08 00 45 06 53 16"
                                  << QStringList{sent, accepted, "结果  0x45 设置成功（40 ms）"} << "设置成功（40 ms）"
                                  << QStringList{"设置成功"};
        QTest::newRow("no reply") << 40 << "" << QStringList{sent, noReply} << "设备无响应（3000 ms）"
                                  << QStringList{"设备无响应"};
        const QString unrecognised = QStringLiteral("应答无法识别：7E FE 08 00 45");
        QTest::newRow("no verdict") << 40 << "7E FE 08 00 45"
                                    << QStringList{sent, "接收 7E FE 08 00 45", "结果  0x45 " + unrecognised}
                                    << unrecognised << QStringList{};
        QTest::newRow("late reply") << 3500 << "7E FE 08 00 45 06 53 16"
                                    << QStringList{sent, noReply, accepted, "结果  0x45 设置成功（迟到 3.5 秒）"}
                                    << "设置成功（迟到 3.5 秒）" << QStringList{"设备无响应", "设置成功"};
        QTest::newRow("noise after a time-out") << 3500 << "06 06 06 06 06 06 06 06"
                                                << QStringList{sent, noReply, "接收 06 06 06 06 06 06 06 06",
                                                               "忽略 06 06 06 06 06 06 06 06  无法识别的数据"}
                                                << "收到无法识别的数据（见通信记录）" << QStringList{"设备无响应"};
        QTest::newRow("lost port") << 40 << "lost"
                                   << QStringList{sent, "结果  0x45 串口连接已断开",
                                                  "串口  COM1 连接已断开（设备被拔出，或另一端已关闭）"}
                                   << "串口连接已断开" << QStringList{"串口连接已断开"};
    }
    void logStatusAndBoxForEachExchange()
    {
        QFETCH(int, at);
        QFETCH(QString, reply);
        QFETCH(QStringList, log);
        QFETCH(QString, status);
        QFETCH(QStringList, boxes);
        WindowRig<> rig;
        rig.open();
        rig.window.logPane().clear();
        rig.click("Command2");
        QCOMPARE(rig.window.exchangeStatus(), QStringLiteral("等待应答…"));
        QVERIFY(rig.window.findChild<QWidget *>("busy")->isVisibleTo(&rig.window));
        rig.wait(at);
        if (reply == u"lost")
            rig.link.lose();
        else if (!reply.isEmpty())
            rig.link.deliver(hexBytes(reply));
        rig.wait(10000);
        QCOMPARE(logLines(rig.window), log);
        QCOMPARE(rig.window.exchangeStatus(), status);
        QCOMPARE(rig.sink.messages, boxes);
        if (reply == u"lost")
            QCOMPARE(rig.window.portStatus(), QStringLiteral("串口 COM1（连接已断开）"));
        else
            QVERIFY(!rig.window.findChild<QWidget *>("busy")->isVisibleTo(&rig.window));
    }

    // The log is a record: each day's date, refused input, a header when
    // saved.
    void logIsARecord()
    {
        WindowRig<> rig;
        QDateTime now(QDate(2026, 12, 6), QTime(23, 59, 58));
        rig.window.setClock([&now] { return now; });
        rig.open();
        rig.window.logPane().clear();
        rig.click("Command2");
        rig.reply("7E FE 08 00 45 06 53 16");
        now = QDateTime(QDate(2026, 12, 7), QTime(0, 0, 1, 250));
        rig.setText("Text11", "3");
        rig.setText("Text12", "861391234567");
        rig.click("Command9");
        QCOMPARE(rig.link.writes.size(), 1);
        QCOMPARE(rig.window.logPane().lines(),
                 (QStringList{"—— 2026-12-06 星期天 ——",
                              "23:59:58.000 发送 7E FE 07 00 45 4C 16  0x45 初始化",
                              "23:59:58.000 接收 7E FE 08 00 45 06 53 16  0x45 的应答：接受",
                              "23:59:58.000 结果  0x45 设置成功（0 ms）",
                              "—— 2026-12-07 星期一 ——",
                              "00:00:01.250 未发送  设置短信接收电话号码：电话号码太长，最多11个字符"}));

        QTemporaryDir dir;
        QString error;
        QVERIFY(rig.window.logPane().saveTo(dir.filePath("log.txt"), &error));
        const QStringList text = QString::fromUtf8(readFile(dir.filePath("log.txt"))).split(u'\n');
        QCOMPARE(text.mid(0, 6), (QStringList{"短信报警控制器设置 通信记录", "保存时间：2026-12-07 00:00:01",
                                             "程序版本：smscfg 1.0（Qt " + QString::fromLatin1(qVersion()) + "）",
                                             "串口 COM1（已打开）", "", "—— 2026-12-06 星期天 ——"}));
    }

    // A long line wraps instead of scrolling sideways.
    void longLogLinesWrap()
    {
        WindowRig<> rig;
        rig.open();
        rig.window.show();
        rig.window.setLogVisible(true);
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        rig.window.logPane().append(QString(3000, u'7'));
        auto *view = rig.window.logPane().findChild<QPlainTextEdit *>("logView");
        QTRY_VERIFY(view->verticalScrollBar()->maximum() > 0);
        QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
    }

    // 查看 → 成功时弹出提示: unticked, 设置成功 goes to the status bar and the
    // log only; every other message still shows its box. Remembered.
    void successBoxIsOptional()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("smscfg.conf"), QSettings::IniFormat);
        {
            WindowRig<> rig;
            rig.window.setSettings(&settings);
            rig.open();
            auto *action = rig.window.findChild<QAction *>("actionSuccessBox");
            QVERIFY(action->isChecked());
            action->trigger();
        }
        WindowRig<> rig;
        rig.window.setSettings(&settings);
        rig.open();
        QVERIFY(!rig.window.findChild<QAction *>("actionSuccessBox")->isChecked());
        rig.click("Command2");
        rig.reply("7E FE 08 00 45 06 53 16");
        rig.click("Command2");
        rig.reply("7E FE 08 00 45 09 56 16");
        // Input that is refused still says so in a box.
        rig.click("Command3");
        QCOMPARE(rig.sink.messages, (QStringList{"设置失败", "设备总数"}));
    }

    // The log keeps its last lines, and says how many earlier ones it let
    // go, on screen and in the saved file; so do the lines logged before it
    // was first shown.
    void logPaneKeepsItsLastLines()
    {
        QCOMPARE(LogPane::MaxLines, 10000);  // what the manual promises
        // A small limit: the port's line, the day's, and ten exchanges of
        // three lines each make 32, twelve of them dropped.
        WindowRig<> early;
        WindowRig<> late;
        for (WindowRig<> *rig : {&early, &late}) {
            rig->window.setLogLimit(20);
            rig->open();
        }
        LogPane &pane = early.window.logPane();  // made before the lines, late's after
        for (int i = 0; i < 10; ++i) {
            for (WindowRig<> *rig : {&early, &late}) {
                rig->click("Command2");
                rig->reply("7E FE 08 00 45 06 53 16");
            }
        }
        QCOMPARE(pane.lines().size(), 20);
        QCOMPARE(pane.droppedLines(), 12);
        QCOMPARE(late.window.logPane().lines().size(), 20);
        QCOMPARE(late.window.logPane().droppedLines(), 12);
        const auto *note = pane.findChild<QLabel *>("logDropped");
        QVERIFY(note && note->isVisibleTo(&pane));
        QCOMPARE(note->text(), QStringLiteral("（较早的 12 行已不再保留，这里是最近的 20 行）"));

        for (int i = 0; i < 5; ++i)
            pane.append(QStringLiteral("line %1").arg(i));
        QCOMPARE(pane.lines().size(), 20);
        QCOMPARE(pane.droppedLines(), 17);
        QTemporaryDir dir;
        QString error;
        QVERIFY(pane.saveTo(dir.filePath("log.txt"), &error));
        const QString saved = QString::fromUtf8(readFile(dir.filePath("log.txt")));
        QVERIFY2(saved.contains("\n\n（较早的 17 行已不再保留，这里是最近的 20 行）\n"), qPrintable(saved.left(300)));
        QVERIFY(saved.endsWith("\nline 4\n"));
        pane.clear();
        QVERIFY(!note->isVisibleTo(&pane));
        QCOMPARE(pane.droppedLines(), 0);
    }

    void logPaneOpensBesideTheFormAndSaves()
    {
        WindowRig<> rig;
        rig.open();
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        const int closed = rig.window.width();
        QVERIFY(!rig.window.logPane().isVisible());
        rig.window.findChild<QAction *>("actionShowLog")->trigger();
        QVERIFY(rig.window.logPane().isVisible());
        // (The test screen is 800 pixels wide: the log gives up some of its
        // width, the form none.)
        QTRY_VERIFY(rig.window.width() > closed + 200);
        QVERIFY(rig.window.logPane().x() >= rig.window.findChild<QWidget *>("formScroll")->geometry().right());
        QCOMPARE(rig.window.findChild<QWidget *>("form")->size(), QSize(502, 592));
        QCOMPARE(rig.window.findChild<QAction *>("actionShowLog")->shortcut(), QKeySequence(Qt::Key_F12));

        // Why it cannot be saved, in the operator's words.
        QTemporaryDir dir;
        QString error;
        QVERIFY(!rig.window.logPane().saveTo(dir.filePath("missing/log.txt"), &error));
        QCOMPARE(error, QStringLiteral("文件或文件夹不存在"));
        rig.window.findChild<QPushButton *>("logClear")->click();
        QCOMPARE(rig.window.logPane().lines(), QStringList());
    }

    // Each control in its size, all in one CJK family: the title larger than
    // the labels, the lists and the small boxes smaller than the buttons.
    void controlsInTheirFonts_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<double>("points");
        QTest::newRow("title") << "Label1" << 15.0;
        QTest::newRow("label") << "Label3" << 12.0;
        QTest::newRow("hint") << "Label4" << 9.0;
        QTest::newRow("button") << "Command9" << 10.5;
        QTest::newRow("text box") << "Text12" << 10.5;
        QTest::newRow("check box") << "Check1" << 10.5;
        QTest::newRow("switch box in its frame") << "Check3" << 10.5;
        QTest::newRow("phone box") << "Check2_7" << 9.0;
        QTest::newRow("level button") << "Option1_1" << 9.0;
        QTest::newRow("clock list") << "Combo3" << 9.0;
        QTest::newRow("port list") << "Combo1" << 9.0;
    }
    void controlsInTheirFonts()
    {
        QFETCH(QString, control);
        QFETCH(double, points);
        WindowRig<> &rig = sharedWindow();
        const QFont font = rig.get<QWidget>(control)->font();
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.family(), rig.window.font().family());
        QCOMPARE(rig.window.menuBar()->font().family(), rig.window.font().family());
    }

    void pcTimeFillsTheClockRow()
    {
        WindowRig<> rig;
        rig.open();
        // Sunday 6 December 2026, 20:38.
        rig.window.setClock([] { return QDateTime(QDate(2026, 12, 6), QTime(20, 38, 59)); });
        QAction *fill = rig.window.findChild<QAction *>("actionFillPcTime");
        QCOMPARE(fill->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
        fill->trigger();
        QStringList texts;
        for (int n = 2; n <= 7; ++n)
            texts << rig.get<QComboBox>(QStringLiteral("Combo%1").arg(n))->currentText();
        QCOMPARE(texts, (QStringList{"26", "12", "06", "20", "38", "星期天"}));
        rig.click("Command15");
        QCOMPARE(rig.link.takeWritten(), hexBytes("7E FE 0D 00 52 26 12 06 20 38 07 FC 16"));
    }

    // Enter, from the main keyboard or the keypad, in a box presses the
    // button of its row; a box that several buttons read presses none; in
    // the port box it opens the port. The rows share one window.
    void enterPressesTheButtonOfItsRow_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");  // of the request sent; 0: nothing sent; -1: port 2 opened
        const QList<std::pair<const char *, int>> boxes = {
            {"Text3", 0x46}, {"Text2", 0x47}, {"Text4", 0x48}, {"Text1", 0x49}, {"Text5", 0x49},
            {"Text9", 0x49}, {"Text6", 0x4A}, {"Text7", 0x4A}, {"Text8", 0x4A}, {"Text10", 0x4B},
            {"Text11", 0x4C}, {"Text12", 0x4C}, {"Text13", 0}, {"Text14", 0}, {"Combo2", 0x52},
            {"Combo3", 0x52}, {"Combo4", 0x52}, {"Combo5", 0x52}, {"Combo6", 0x52}, {"Combo7", 0x52},
        };
        for (const auto &[box, code] : boxes)
            QTest::addRow("%s", box) << QString::fromLatin1(box) << int(Qt::Key_Return) << code;
        QTest::newRow("Text3 keypad Enter") << "Text3" << int(Qt::Key_Enter) << 0x46;
        QTest::newRow("Combo7 keypad Enter") << "Combo7" << int(Qt::Key_Enter) << 0x52;
        QTest::newRow("Combo1") << "Combo1" << int(Qt::Key_Return) << -1;
        QTest::newRow("Combo1 keypad Enter") << "Combo1" << int(Qt::Key_Enter) << -1;
    }
    void enterPressesTheButtonOfItsRow()
    {
        QFETCH(QString, box);
        QFETCH(int, key);
        QFETCH(int, code);
        WindowRig<> &rig = sharedWindow();
        rig.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        rig.wait(3000);  // the last row's request times out
        rig.fillValidInputs();
        rig.setText("Combo1", "2");
        rig.link.openedAs.clear();
        rig.sink.messages.clear();
        auto *combo = rig.get<QComboBox>(box);
        const int items = combo ? combo->count() : 0;
        rig.get<QWidget>(box)->setFocus();
        // Where a real keystroke goes: the focused widget.
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        QTest::keyClick(focused, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        const QByteArray written = rig.link.takeWritten();
        QCOMPARE(written.size() > 4 ? int(quint8(written[4])) : 0, std::max(code, 0));
        QCOMPARE(rig.link.openedAs, code < 0 ? QStringLiteral("2") : QString());
        QCOMPARE(rig.sink.messages, QStringList());
        // The typed text is not added to the list.
        if (combo)
            QCOMPARE(combo->count(), items);
    }

    void aboutNamesVersionAndPort()
    {
        WindowRig<> rig;
        rig.open();
        rig.window.findChild<QAction *>("actionAbout")->trigger();
        QCOMPARE(rig.sink.messages.size(), 1);
        QVERIFY(rig.sink.messages[0].contains("1.0"));
        QVERIFY(rig.sink.messages[0].contains(QString::fromLatin1(qVersion())));
        QVERIFY(rig.sink.messages[0].contains("COM1（已打开）"));
    }
};

QTEST_MAIN(TestFieldWork)
#include "test_field_work.moc"
