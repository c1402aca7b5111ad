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

// A few kinds of request (each kind against the controller: the core's
// controller table).
const QByteArray Profile = R"({"smscfg-profile": 1, "name": "一号楼",
 "steps": [["init"],
           ["device-count", "12"],
           ["phone", "16", "+8613912345"],
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
        const ProgramRun r = cli({"--port", sim.port(), "apply", write(dir, "p.json", Profile)});
        QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
        QCOMPARE(r.out.count(u'\n'), 5 + 2);  // a line a step, the summary's two
        QVERIFY(r.out.contains("第5步  clock 26 12 06 20 38 星期天  设置成功"));
        const QJsonObject state = readJsonObject(dir.filePath("state.json"));
        QCOMPARE(state["deviceCount"].toInt(), 12);
        QCOMPARE(state["phones"][15].toString(), QStringLiteral("+8613912345"));
        QCOMPARE(state["lowerLimits"]["1/2"].toString(), QStringLiteral("low"));
        QCOMPARE(state["clock"]["weekday"].toInt(), 7);
    }

    // A profile is checked whole before anything is sent: a bad second step
    // keeps the good first one off the line. (Which message for which fault:
    // the core's profile table.)
    void badProfileSendsNothing()
    {
        QTemporaryDir dir;
        SimProcess sim({});
        const QByteArray json = R"({"smscfg-profile": 1,
            "steps": [["init"], ["clock", "2026", "12", "06", "20", "38", "星期天"]]})";
        const ProgramRun r = cli({"--port", sim.port(), "apply", write(dir, "p.json", json)});
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, QStringLiteral("第2步：年必须是00到99之间的两位数字\n"));
        QCOMPARE(r.out, QString());
        QTest::qWait(50);
        const QString log = QString::fromUtf8(sim.stop());
        QVERIFY2(!log.contains(u"0x"), qPrintable(log));
    }
};

QTEST_MAIN(TestProfileApply)
#include "test_profile_apply.moc"
