#include "program_run.h"
#include "sim_process.h"

#include <QTemporaryDir>
#include <QTest>

// Profiles applied by smscfg-cli to virtual controllers.
namespace {

ProgramRun cli(const QStringList &args)
{
    return run(QStringLiteral(SMSCFG_CLI_PATH), QStringList{"--timeout", "1000"} + args, 20000);
}

QString write(const QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    writeFile(dir.filePath(name), text);
    return dir.filePath(name);
}

// Every kind of request once.
const QByteArray FullProfile = R"({"smscfg-profile": 1, "name": "一号楼",
 "steps": [["init"],
           ["device-count", "12"],
           ["addresses", "01 02 03"],
           ["port-counts", "0408"],
           ["device-desc", "1", "一号楼机房", "01", "--codepage"],
           ["port-desc", "1", "2", "温度"],
           ["centre", "13800100500"],
           ["phone", "1", "13912345678"],
           ["phone", "16", "+8613912345"],
           ["device-switches", "1", "--phones", "1,16"],
           ["probe-switches", "1", "2", "--phones", "2"],
           ["probe-type", "1", "2"],
           ["upper-limit", "1", "2", "high"],
           ["lower-limit", "1", "2", "low"],
           ["clock", "26", "12", "06", "20", "38", "星期天"]]})";

}  // namespace

class TestProfileApply : public QObject {
    Q_OBJECT
private slots:
    void profileEndsInTheControllersState()
    {
        QTemporaryDir dir;
        SimProcess sim({"--state", dir.filePath("state.json")});
        const ProgramRun r = cli({"--port", sim.port(), "apply", write(dir, "p.json", FullProfile)});
        QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
        QCOMPARE(r.out.count(u'\n'), 15 + 2);  // a line a step, the summary's two
        QVERIFY(r.out.contains("第15步  clock 26 12 06 20 38 星期天  设置成功"));
        const QJsonObject state = readJsonObject(dir.filePath("state.json"));
        QCOMPARE(state["deviceCount"].toInt(), 12);
        QCOMPARE(state["addresses"].toString(), QStringLiteral("010203"));
        QCOMPARE(state["portCounts"].toString(), QStringLiteral("0408"));
        QCOMPARE(state["devices"]["1"]["description"].toString(), QStringLiteral("一号楼机房"));
        QCOMPARE(state["devices"]["1"]["encoding"].toString(), QStringLiteral("codepage"));
        QCOMPARE(state["ports"]["1/2"]["description"].toString(), QStringLiteral("温度"));
        QCOMPARE(state["smsCentre"].toString(), QStringLiteral("13800100500"));
        QCOMPARE(state["phones"][0].toString(), QStringLiteral("13912345678"));
        QCOMPARE(state["phones"][15].toString(), QStringLiteral("+8613912345"));
        QCOMPARE(state["deviceSwitches"]["1"].toVariant(), QVariant(QVariantList{1, 16}));
        QCOMPARE(state["probeSwitches"]["1/2"].toVariant(), QVariant(QVariantList{2}));
        QCOMPARE(state["probeTypes"]["1/2"].toString(), QStringLiteral("switch"));
        QCOMPARE(state["upperLimits"]["1/2"].toString(), QStringLiteral("high"));
        QCOMPARE(state["lowerLimits"]["1/2"].toString(), QStringLiteral("low"));
        QCOMPARE(state["clock"]["minute"].toInt(), 38);
        QCOMPARE(state["clock"]["weekday"].toInt(), 7);
    }

    // The simulator refuses phone slot 0: the run stops there, or goes on
    // with --keep-going; either way the exit says a step was refused.
    void refusedStep_data()
    {
        QTest::addColumn<bool>("keepGoing");
        QTest::addColumn<QJsonValue>("deviceCount");
        QTest::newRow("stops") << false << QJsonValue();
        QTest::newRow("keeps going") << true << QJsonValue(3);
    }
    void refusedStep()
    {
        QFETCH(bool, keepGoing);
        QFETCH(QJsonValue, deviceCount);
        QTemporaryDir dir;
        SimProcess sim({"--state", dir.filePath("state.json")});
        const QString profile = write(dir, "p.json", R"({"smscfg-profile": 1,
            "steps": [["init"], ["phone", "0", "1"], ["device-count", "3"]]})");
        QStringList args{"--port", sim.port(), "apply", profile};
        if (keepGoing)
            args << "--keep-going";
        const ProgramRun r = cli(args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.contains("第2步  phone 0 1  设置失败"));
        QCOMPARE(r.out.contains("第3步"), keepGoing);
        QCOMPARE(readJsonObject(dir.filePath("state.json"))["deviceCount"], deviceCount);
    }

    void badProfilesSendNothing_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        QTest::newRow("malformed") << QByteArray("{\"smscfg-profile\": 1,\n \"steps\": [[\"init\"] [\"init\"]]}")
                                   << "配置文件第2行第21列：缺少逗号\n";
        QTest::newRow("unknown command") << QByteArray(R"({"smscfg-profile": 1, "steps": [["init"], ["reset"]]})")
                                         << "第2步：未知命令 reset\n";
        QTest::newRow("bad value") << QByteArray(R"({"smscfg-profile": 1, "steps": [["init"], ["clock", "2026", "12", "06", "20", "38", "星期天"]]})")
                                   << "第2步：年必须是00到99之间的两位数字\n";
    }
    void badProfilesSendNothing()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        QTemporaryDir dir;
        SimProcess sim({});
        const ProgramRun r = cli({"--port", sim.port(), "apply", write(dir, "p.json", json)});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, message);
        QCOMPARE(r.out, QString());
        QTest::qWait(50);
        const QString log = QString::fromUtf8(sim.stop());
        QVERIFY2(!log.contains(u"0x"), qPrintable(log));
    }
};

QTEST_MAIN(TestProfileApply)
#include "test_profile_apply.moc"
