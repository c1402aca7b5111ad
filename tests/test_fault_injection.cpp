#include "qt_boundary/core_types.h"
#include "resident_memory.h"
#include "window_rig.h"

#include <QRandomGenerator>
#include <QTest>

using namespace smscfg;

namespace {

// A box that stays open while `openMs` of virtual time pass, recording how
// deeply boxes nest: a box opened while another is open is a stacked box.
class SlowBoxSink : public RecordingSink {
public:
    void keepOpen(VirtualTime &time, int openMs)
    {
        m_time = &time;
        m_openMs = openMs;
    }
    void show(const QString &text) override
    {
        messages << text;
        maxDepth = std::max(maxDepth, ++m_depth);
        m_time->advance(std::chrono::milliseconds(m_openMs));
        --m_depth;
    }
    int maxDepth = 0;

private:
    VirtualTime *m_time = nullptr;
    int m_openMs = 0;
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
        WindowRig<> rig;
        rig.open();
        QRandomGenerator rng(7);
        const long before = residentKiB();
        for (int i = 0; i < 800; ++i) {
            QByteArray noise(4096, '\0');
            for (char &b : noise)
                b = char(rng.bounded(256));
            rig.link.deliver(noise);
            rig.wait(1 + rng.bounded(150));
        }
        rig.wait(1000);
        const long growth = residentKiB() - before;
#ifndef __SANITIZE_ADDRESS__
        // (AddressSanitizer holds freed memory in quarantine, so only a plain
        // build can tell a leak from bookkeeping.)
        QVERIFY2(growth < 16 * 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth)));
#else
        Q_UNUSED(growth);
#endif
        QVERIFY(!rig.window.exchange().awaitingReply());

        rig.sink.messages.clear();
        rig.click("Command2");
        QCOMPARE(rig.link.takeWritten(), hexBytes("7E FE 07 00 45 4C 16"));
        rig.reply("7E FE 08 00 45 09 56 16");
        QCOMPARE(rig.sink.messages, QStringList{"设置失败"});
    }

    void rapidClicksOnOneButton()
    {
        WindowRig<> rig;
        rig.open();
        for (int i = 0; i < 200; ++i)
            QTest::mouseClick(rig.button("Command2"), Qt::LeftButton);
        QCOMPARE(rig.link.takeWritten(), hexBytes("7E FE 07 00 45 4C 16").repeated(200));
        // One shared timer: one time-out for the whole burst.
        rig.wait(10000);
        QCOMPARE(rig.sink.messages, QStringList{"设备无响应"});
    }

    // A time-out box that stays open longer than the time-out must not be
    // joined by a second one.
    void timeoutBoxesDoNotStack()
    {
        WindowRig<SlowBoxSink> rig;
        rig.sink.keepOpen(rig.time, 6000);
        rig.window.startUp();
        rig.window.findChild<QPushButton *>("Command2")->click();
        rig.time.advance(std::chrono::milliseconds(20000));
        QCOMPARE(rig.sink.messages, QStringList{"设备无响应"});
        QCOMPARE(rig.sink.maxDepth, 1);
    }

    // A port that cannot be written gives its message and no time-out box
    // after it, even while the box is still open.
    void unusablePortGivesOneBox()
    {
        WindowRig<SlowBoxSink> rig;
        rig.sink.keepOpen(rig.time, 6000);
        rig.link.unopenable << "/dev/smscfg-missing";
        rig.window.startUp(QStringLiteral("/dev/smscfg-missing"));
        rig.sink.messages.clear();
        rig.window.findChild<QPushButton *>("Command8")->click();  // empty number: its own message
        rig.window.findChild<QLineEdit *>("Text10")->setText("1");
        rig.window.findChild<QPushButton *>("Command8")->click();
        rig.time.advance(std::chrono::milliseconds(20000));
        QCOMPARE(rig.sink.messages, (QStringList{"请输入短信中心号码", "串口不可用，请重新设置"}));
        QCOMPARE(rig.sink.maxDepth, 1);
    }
};

QTEST_MAIN(TestFaultInjection)
#include "test_fault_injection.moc"
