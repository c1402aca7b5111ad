#include "commands/command_table.h"
#include "hex.h"
#include "sim/controller_state.h"

#include <QJsonArray>
#include <QTest>

using namespace smscfg;
using namespace smscfg::sim;

namespace {

QByteArray frameOf(const char *cliName, const QStringList &texts, const QStringList &ticked = {})
{
    const CommandEntry *entry = findCommandByCliName(QString::fromLatin1(cliName));
    ControlValues v;
    for (qsizetype i = 0; i < texts.size(); ++i)
        v.texts.insert(entry->textControls()[i], texts[i]);
    for (const QString &t : ticked)
        v.ticked.insert(t);
    const BuildResult r = entry->build(v);
    return r.hasFrame() ? r.frame().bytes() : QByteArray();
}

}  // namespace

class TestSimState : public QObject {
    Q_OBJECT
private slots:
    void decisions_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("refusal");  // empty: accepted
        const auto frame = [](int code, const char *payload) {
            return CommandFrame::build(quint8(code), hexBytes(payload))->bytes();
        };
        QTest::newRow("phone") << frameOf("phone", {"3", "1234567"}) << true << "";
        QTest::newRow("phone slot 0") << frameOf("phone", {"0", "1"}) << false << "电话序号0不在1到16之间";
        QTest::newRow("bytes after the number") << frame(0x4B, "31 00 32 00 00 00 00 00 00 00 00") << false
                                                << "号码的0x00后面还有字节";
        QTest::newRow("unknown code") << frame(0x60, "") << false << "未知命令";
        QTest::newRow("wrong size") << frame(0x46, "01 02") << false << "负载2字节，长度不对";
        QTest::newRow("probe type 12") << frame(0x4F, "01 02 12") << false << "探头类型12不是11";
        QTest::newRow("level 00") << frame(0x50, "01 02 00 00 00 00") << false << "电平00既不是55也不是AA";
        QTest::newRow("clock weekday 0") << frame(0x52, "26 12 05 23 42 00") << false << "星期0不在1到7之间";
        QTest::newRow("clock not BCD") << frame(0x52, "2A 12 05 23 42 01") << false << "第5字节不是两位BCD数字";
        QTest::newRow("clock month 13") << frame(0x52, "26 13 05 23 42 01") << false << "没有这个日期或时间";
        QTest::newRow("clock hour 25") << frame(0x52, "26 12 05 25 42 01") << false << "没有这个日期或时间";
        QTest::newRow("clock at the lists' ends") << frameOf("clock", {"99", "12", "31", "24", "60", "星期天"}) << true
                                                 << "";
        QTest::newRow("clock hour 00") << frameOf("clock", {"00", "01", "01", "00", "00", "星期一"}) << true << "";
        QTest::newRow("port byte 7") << frame(0x4A, "01 02 02 00 20 00 20 00 20 00 20 00 20") << false
                                     << "第7字节不是01";
        QTest::newRow("switches") << frameOf("device-switches", {"1"}, {"Check2_0", "Check2_15"}) << true << "";
    }
    void decisions()
    {
        QFETCH(QByteArray, frame);
        QFETCH(bool, accepted);
        QFETCH(QString, refusal);
        QVERIFY(!frame.isEmpty());
        ControllerState state;
        const QJsonObject before = state.toJson();
        const Decision d = applyRequest(state, frame);
        QCOMPARE(d.accepted, accepted);
        QCOMPARE(d.refusal, refusal);
        if (!accepted)
            QCOMPARE(state.toJson(), before);
    }

    void initialiseClearsTheState()
    {
        ControllerState state;
        QVERIFY(applyRequest(state, frameOf("centre", {"13800138000"})).accepted);
        QCOMPARE(state.smsCentre, QStringLiteral("13800138000"));
        QVERIFY(applyRequest(state, frameOf("init", {})).accepted);
        QCOMPARE(state.smsCentre, QString());
        QVERIFY(state.toJson().value("initialised").toBool());
    }
};

QTEST_GUILESS_MAIN(TestSimState)
#include "test_sim_state.moc"
