#include "commands/command_table.h"
#include "hex.h"
#include "sim/controller_state.h"

#include <QJsonArray>
#include <QJsonObject>

#include <functional>
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

    // What a restarted simulator reads back is what it had: every field.
    void stateComesBackFromItsJson()
    {
        ControllerState state;
        QCOMPARE(ControllerState::fromJson(state.toJson(), nullptr)->toJson(), state.toJson());
        const QList<QByteArray> frames = {
            frameOf("init", {}),
            frameOf("device-count", {"12"}),
            frameOf("addresses", {"0102"}),
            frameOf("port-counts", {"0408"}),
            frameOf("device-desc", {"1", "温度", "01"}, {"Check1"}),
            frameOf("device-desc", {"2", "温度", "0A0B"}),
            frameOf("port-desc", {"1", "2", "AB12"}),
            frameOf("centre", {"13800138000"}),
            frameOf("phone", {"16", "+8613912345"}),
            frameOf("device-switches", {"5"}, {"Check2_0", "Check2_15"}),
            frameOf("probe-switches", {"1", "2"}, {"Check2_1"}),
            frameOf("probe-type", {"1", "2"}, {"Check3"}),
            frameOf("upper-limit", {"1", "2"}, {"Option1_0"}),
            frameOf("lower-limit", {"1", "2"}, {"Option1_1"}),
            frameOf("clock", {"99", "12", "31", "24", "60", "星期天"}),
        };
        for (const QByteArray &frame : frames)
            QVERIFY2(applyRequest(state, frame).accepted, qPrintable(hexText(frame)));
        const QJsonObject json = state.toJson();
        QString error;
        const std::optional<ControllerState> back = ControllerState::fromJson(json, &error);
        QVERIFY2(back, qPrintable(error));
        QCOMPARE(back->toJson(), json);
        QCOMPARE(back->devices.value("2").content, hexBytes("0A0B"));
        QCOMPARE(back->phones[15], QStringLiteral("+8613912345"));
        QCOMPARE(back->clock->minute, 60);
    }

    // Anything toJson() would not have written is refused, naming the field.
    void foreignStatesAreRefused_data()
    {
        QTest::addColumn<QString>("path");      // where to put `value`, keys joined by "|"
        QTest::addColumn<QJsonValue>("value");  // Undefined: remove the field
        QTest::addColumn<QString>("reported");  // the field the message names
        const QJsonValue none(QJsonValue::Undefined);
        const QJsonObject description{{"description", "a"}, {"encoding", "unicode"}, {"descriptionBytes", "0061"}};
        QTest::newRow("a field missing") << "phones" << none << "phones";
        QTest::newRow("a field unknown") << "firmware" << QJsonValue("2.1") << "firmware";
        QTest::newRow("initialised not a flag") << "initialised" << QJsonValue(1) << "initialised";
        QTest::newRow("device count as text") << "deviceCount" << QJsonValue("12") << "deviceCount";
        QTest::newRow("device count 256") << "deviceCount" << QJsonValue(256) << "deviceCount";
        QTest::newRow("device count 1.5") << "deviceCount" << QJsonValue(1.5) << "deviceCount";
        QTest::newRow("odd hex") << "addresses" << QJsonValue("010") << "addresses";
        QTest::newRow("hex not as written") << "addresses" << QJsonValue("0a") << "addresses";
        QTest::newRow("device key not a number") << "devices|x" << QJsonValue(QJsonObject{}) << "devices.x";
        QTest::newRow("device 256") << "devices|256" << QJsonValue(QJsonObject{}) << "devices.256";
        QTest::newRow("description without bytes") << "ports|1/2" << QJsonValue(QJsonObject{{"description", "a"}, {"encoding", "unicode"}})
                                                   << "ports.1/2.descriptionBytes";
        QTest::newRow("device without content") << "devices|1" << QJsonValue(description) << "devices.1.content";
        QTest::newRow("encoding unknown") << "ports|1/2|encoding" << QJsonValue("utf8") << "ports.1/2.encoding";
        QTest::newRow("port key without probe") << "ports|1" << QJsonValue(description) << "ports.1";
        QTest::newRow("fifteen phones") << "phones" << QJsonValue(QJsonArray{"", "", "", "", "", "", "", "", "", "", "", "", "", "", ""})
                                        << "phones";
        QTest::newRow("phone 17 switched") << "deviceSwitches|1" << QJsonValue(QJsonArray{1, 17}) << "deviceSwitches.1";
        QTest::newRow("probe type analog") << "probeTypes|1/2" << QJsonValue("analog") << "probeTypes.1/2";
        QTest::newRow("limit medium") << "upperLimits|1/2" << QJsonValue("medium") << "upperLimits.1/2";
        QTest::newRow("clock month 13") << "clock|month" << QJsonValue(13) << "clock.month";
        QTest::newRow("clock without weekday") << "clock|weekday" << none << "clock.weekday";
        QTest::newRow("clock with seconds") << "clock|second" << QJsonValue(0) << "clock";
        QTest::newRow("control characters in a key") << "devices|\x1b[2J" << QJsonValue(QJsonObject{}) << "devices.\\x1b[2J";
    }
    void foreignStatesAreRefused()
    {
        QFETCH(QString, path);
        QFETCH(QJsonValue, value);
        QFETCH(QString, reported);
        ControllerState state;
        state.clock = ControllerState::Clock{26, 1, 1, 0, 0, 1};
        state.ports.insert("1/2", {"a", "unicode", hexBytes("0061"), {}});
        const std::function<QJsonObject(QJsonObject, QStringList)> set = [&](QJsonObject object, QStringList keys) {
            const QString key = keys.takeFirst();
            if (!keys.isEmpty())
                object.insert(key, set(object.value(key).toObject(), keys));
            else if (value.isUndefined())
                object.remove(key);
            else
                object.insert(key, value);
            return object;
        };
        QString error;
        QVERIFY(ControllerState::fromJson(state.toJson(), &error));
        QVERIFY(!ControllerState::fromJson(set(state.toJson(), path.split(u'|')), &error));
        QVERIFY2(error.startsWith(reported + ": "), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestSimState)
#include "test_sim_state.moc"
