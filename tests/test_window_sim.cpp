#include "app/main_window.h"
#include "link/qt_serial_link.h"
#include "recording_sink.h"
#include "sim_process.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace smscfg;

// The window against the virtual controller, through the real serial path.
class TestWindowSim : public QObject {
    Q_OBJECT
private slots:
    void verdicts_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("messages");
        const QStringList ok{"设置成功"};
        QTest::newRow("Command2") << QStringList{} << "Command2" << ok;
        QTest::newRow("Command9") << QStringList{} << "Command9" << ok;
        QTest::newRow("Command15") << QStringList{} << "Command15" << ok;
        QTest::newRow("refuse") << QStringList{"--refuse"} << "Command2" << QStringList{"设置失败"};
        QTest::newRow("silent") << QStringList{"--silent"} << "Command2" << QStringList{"设备无响应"};
        QTest::newRow("stray") << QStringList{"--stray"} << "Command2" << ok;
        QTest::newRow("short") << QStringList{"--short"} << "Command2" << QStringList{};
        QTest::newRow("split") << QStringList{"--split", "20"} << "Command9" << ok;
    }
    void verdicts()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QString, button);
        QFETCH(QStringList, messages);
        SimProcess sim(simArgs);
        QVERIFY(!sim.port().isEmpty());
        RecordingSink sink;
        QtSerialLink link;
        MainWindow window(link, sink, {std::chrono::milliseconds(400), std::chrono::milliseconds(100)});
        window.startUp(sim.port());
        QCOMPARE(sink.messages, QStringList());
        window.findChild<QLineEdit *>("Text11")->setText("3");
        window.findChild<QLineEdit *>("Text12")->setText("13912345678");
        QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton);
        if (messages.isEmpty()) {
            // Nothing to wait for: let the reply come and the settle pass.
            QTest::qWait(250);
        }
        QTRY_COMPARE(sink.messages, messages);
        QTRY_VERIFY(!window.exchange().awaitingReply());
    }
};

QTEST_MAIN(TestWindowSim)
#include "test_window_sim.moc"
