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
        QTest::newRow("stray") << QStringList{"--stray"} << "Command2" << QStringList{};
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
        MainWindow form(link, sink, {std::chrono::milliseconds(500), std::chrono::milliseconds(100)});
        form.startUp(sim.port());
        QCOMPARE(sink.messages, QStringList());
        form.findChild<QLineEdit *>("Text11")->setText("3");
        form.findChild<QLineEdit *>("Text12")->setText("13912345678");
        QTest::mouseClick(form.findChild<QPushButton *>(button), Qt::LeftButton);
        QTest::qWait(900);
        QCOMPARE(sink.messages, messages);
        QVERIFY(!form.exchange().awaitingReply());
    }
};

QTEST_MAIN(TestWindowSim)
#include "test_window_sim.moc"
