#include "commands/command_table.h"
#include "hex.h"
#include "sim/controller_state.h"
#include "sim/description_text.h"

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
    void descriptions_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoding");
        QTest::newRow("温度 utf-16") << hexBytes("6E 29 5E A6 00 20 00 20 00 20") << "温度" << "unicode";
        QTest::newRow("温度 gbk") << hexBytes("CE C2 B6 C8 00 20 00 20 00 20") << "温度" << "codepage";
        QTest::newRow("A gbk, odd") << hexBytes("41 00 20 00 20 00 20 00 20 00") << "A" << "codepage";
        QTest::newRow("AB12 utf-16") << hexBytes("00 41 00 42 00 31 00 32 00 20") << "AB12" << "unicode";
        QTest::newRow("A温 gbk") << hexBytes("41 CE C2 00 20 00 20 00 20 00") << "A温" << "codepage";
        QTest::newRow("一 ends in 00") << hexBytes("4E 00 00 20 00 20 00 20 00 20") << "一" << "unicode";
        QTest::newRow("empty") << hexBytes("00 20 00 20 00 20 00 20 00 20") << "" << "unicode";
        QTest::newRow("full gbk") << hexBytes("D2 BB B6 FE C8 FD CB C4 CE E5") << "一二三四五" << "codepage";
    }
    void descriptions()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QFETCH(QString, encoding);
        const DecodedDescription d = decodeDescriptionField(field);
        QCOMPARE(d.text, text);
        QCOMPARE(d.encoding, encoding);
    }

    void decisions_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("meaning");
        QTest::newRow("phone") << frameOf("phone", {"3", "1234567"}) << true << "0x4C phone 3 = 1234567";
        QTest::newRow("phone slot 0") << frameOf("phone", {"0", "1"}) << false << "0x4C refused: phone slot 0 is not 1..16";
        QTest::newRow("unknown code") << CommandFrame::build(0x60, {})->bytes() << false << "0x60 refused: unknown command";
        QTest::newRow("wrong size") << CommandFrame::build(0x46, hexBytes("01 02"))->bytes() << false
                                    << "0x46 refused: payload of 2 bytes";
        QTest::newRow("probe type 12") << CommandFrame::build(0x4F, hexBytes("01 02 12"))->bytes() << false
                                       << "0x4F refused: probe type 12 is not 11";
        QTest::newRow("level 00") << CommandFrame::build(0x50, hexBytes("01 02 00 00 00 00"))->bytes() << false
                                  << "0x50 refused: level 00 is neither 55 nor AA";
        const auto clock = [](const char *payload) { return CommandFrame::build(0x52, hexBytes(payload))->bytes(); };
        QTest::newRow("clock weekday 0") << clock("26 12 05 23 42 00") << false << "0x52 refused: weekday 0 is not 1..7";
        QTest::newRow("clock not BCD") << clock("2A 12 05 23 42 01") << false
                                       << "0x52 refused: byte 5 is not two BCD digits";
        QTest::newRow("clock month 13") << clock("26 13 05 23 42 01") << false << "0x52 refused: no such date or time";
        QTest::newRow("clock at the lists' ends") << frameOf("clock", {"99", "12", "31", "24", "60", "星期天"}) << true
                                                 << "0x52 clock = 99-12-31 24:60 weekday 7";
        QTest::newRow("clock as the lists start") << frameOf("clock", {"00", "01", "01", "01", "01", "星期一"}) << true
                                                  << "0x52 clock = 00-01-01 01:01 weekday 1";
        QTest::newRow("port byte 7") << CommandFrame::build(0x4A, hexBytes("01 02 02") + QByteArray(10, 0))->bytes()
                                     << false << "0x4A refused: byte 7 is not 01";
        QTest::newRow("switches") << frameOf("device-switches", {"1"}, {"Check2_0", "Check2_15"}) << true
                                  << "0x4D device 1 sends to phones 1,16";
    }
    void decisions()
    {
        QFETCH(QByteArray, frame);
        QFETCH(bool, accepted);
        QFETCH(QString, meaning);
        QVERIFY(!frame.isEmpty());
        ControllerState state;
        const QJsonObject before = state.toJson();
        const Decision d = applyRequest(state, frame);
        QCOMPARE(d.accepted, accepted);
        QCOMPARE(d.meaning, meaning);
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
