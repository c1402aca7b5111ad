#include "hex.h"
#include "resident_memory.h"
#include "window_rig.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>


using namespace smscfg;

namespace {

const ExchangeTimings FastTimings{std::chrono::milliseconds(300), std::chrono::milliseconds(20)};
const int TimeoutMs = int(FastTimings.responseTimeout.count());
const int SettleMs = int(FastTimings.settle.count());

// Opens real modal boxes, each closed by a timer after `openMs`, and records
// how deeply they nest: a box opened while another is open is a stacked box.
class ModalBoxSink : public MessageSink {
public:
    explicit ModalBoxSink(int openMs) : m_openMs(openMs) {}
    void show(const QString &text) override
    {
        messages << text;
        maxDepth = std::max(maxDepth, ++m_depth);
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), text, QMessageBox::Ok);
        QTimer::singleShot(m_openMs, &box, &QMessageBox::accept);
        box.exec();
        --m_depth;
    }
    QStringList messages;
    int maxDepth = 0;

private:
    int m_openMs;
    int m_depth = 0;
};

}  // namespace

class TestFaultInjection : public QObject {
    Q_OBJECT
private slots:
    // Noise on the line for a while: judged as it comes, nothing piles up,
    // and the next real exchange is judged by its own reply.
    void floodOfRandomBytes()
    {
        WindowRig<> rig(FastTimings);
        rig.open();
        auto [pty, sink, form] = std::tie(rig.pty, rig.sink, rig.form);
        QRandomGenerator rng(7);
        const long before = residentKiB();
        QElapsedTimer timer;
        timer.start();
        qint64 sent = 0;
        while (timer.elapsed() < 2000) {
            QByteArray noise(4096, '\0');
            for (char &b : noise)
                b = char(rng.bounded(256));
            pty.write(noise);
            sent += noise.size();
            QTest::qWait(1);
        }
        QTest::qWait(SettleMs * 3);
        const long growth = residentKiB() - before;
#ifndef __SANITIZE_ADDRESS__
        // (AddressSanitizer holds freed memory in quarantine, so only a plain
        // build can tell a leak from bookkeeping.)
        QVERIFY2(growth < 32 * 1024, qPrintable(QStringLiteral("grew by %1 KiB after %2 bytes").arg(growth).arg(sent)));
#else
        Q_UNUSED(growth);
#endif
        QVERIFY(!form.exchange().awaitingReply());

        sink.messages.clear();
        form.findChild<QPushButton *>("Command2")->click();
        QCOMPARE(pty.read(7), hexBytes("7E FE 07 00 45 4C 16"));
        pty.write(hexBytes("7E FE 08 00 45 09 54 16"));
        QTRY_COMPARE(sink.messages, QStringList{"设置失败"});
    }

    void rapidClicksOnOneButton()
    {
        WindowRig<> rig(FastTimings);
        rig.open();
        auto [pty, sink, form] = std::tie(rig.pty, rig.sink, rig.form);
        auto *button = form.findChild<QPushButton *>("Command2");
        for (int i = 0; i < 200; ++i)
            QTest::mouseClick(button, Qt::LeftButton);
        const QByteArray frame = hexBytes("7E FE 07 00 45 4C 16");
        QCOMPARE(pty.read(200 * frame.size(), 10000), frame.repeated(200));
        // One shared timer: one time-out for the whole burst.
        QTest::qWait(TimeoutMs * 2);
        QCOMPARE(sink.messages, QStringList{"设备无响应"});
    }

    void rapidClicksAcrossButtons()
    {
        WindowRig<> rig(FastTimings);
        rig.open();
        auto [pty, sink, form] = std::tie(rig.pty, rig.sink, rig.form);
        rig.fillValidInputs();
        QList<QPushButton *> buttons;
        for (const CommandEntry &entry : commandTable())
            if (entry.button != u"Command14")
                buttons << form.findChild<QPushButton *>(entry.button);
        // Frames must arrive whole and in click order.
        QByteArray stream;
        for (int i = 0; i < 200; ++i) {
            QPushButton *button = buttons[i % buttons.size()];
            stream += findCommandByButton(button->objectName())->build(form.controlValues()).frame().bytes();
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(pty.read(int(stream.size()), 20000), stream);
        QTest::qWait(TimeoutMs * 2);
        QCOMPARE(sink.messages, QStringList{"设备无响应"});
    }

    // A time-out box that stays open longer than the time-out must not be
    // joined by a second one.
    void timeoutBoxesDoNotStack()
    {
        WindowRig<ModalBoxSink> rig(FastTimings, TimeoutMs * 2);
        rig.open();
        auto [sink, form] = std::tie(rig.sink, rig.form);
        form.findChild<QPushButton *>("Command2")->click();
        QTest::qWait(TimeoutMs * 5);
        QCOMPARE(sink.messages, QStringList{"设备无响应"});
        QCOMPARE(sink.maxDepth, 1);
    }

    // A port that cannot be written gives its message and no time-out box
    // after it, even while the box is still open.
    void unusablePortGivesOneBox()
    {
        ModalBoxSink sink(TimeoutMs * 2);
        QtSerialLink link;
        MainWindow form(link, sink, FastTimings);
        form.startUp(QStringLiteral("/dev/smscfg-missing"));
        sink.messages.clear();
        form.findChild<QPushButton *>("Command8")->click();  // empty number: its own message
        form.findChild<QLineEdit *>("Text10")->setText("1");
        form.findChild<QPushButton *>("Command8")->click();
        QTest::qWait(TimeoutMs * 3);
        QCOMPARE(sink.messages, (QStringList{"请输入短信中心号码", "串口不可用，请重新设置"}));
        QCOMPARE(sink.maxDepth, 1);
    }
};

QTEST_MAIN(TestFaultInjection)
#include "test_fault_injection.moc"
