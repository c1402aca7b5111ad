#include "program_run.h"
#include "sim_process.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

ProgramRun cli(const QString &port, const QStringList &args, int timeoutMs = 1000)
{
    return run(QStringLiteral(SMSCFG_CLI_PATH), QStringList{"--port", port, "--timeout", QString::number(timeoutMs)} + args);
}

QJsonValue at(const QJsonObject &root, const QString &path)
{
    QJsonValue v = root;
    for (const QString &key : path.split(u'.'))
        v = v.isArray() ? v.toArray().at(key.toInt()) : v.toObject().value(key);
    return v;
}

}  // namespace

// Requests built by the library, sent by smscfg-cli, decoded by smscfg-sim.
class TestSimRoundTrip : public QObject {
    Q_OBJECT
private slots:
    // Smoke rows through both programs; the faults and their timing are
    // rows of test_simulator on virtual time.
    void faultModes_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::newRow("normal") << QStringList{} << 0 << "设置成功\n";
        QTest::newRow("--stray, --split 20, at 9600 baud") << QStringList{"--stray", "--split", "20", "--baud", "9600"}
                                                            << 0 << "设置成功\n";
    }
    void faultModes()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        SimProcess sim(simArgs);
        const ProgramRun r = cli(sim.port(), {"phone", "1", "1234567"});
        QCOMPARE(r.out, out);
        QCOMPARE(r.exitCode, exitCode);
    }

    // A file that is no state is not the simulator's to overwrite: it is
    // refused at once, without being read when it is a FIFO or a folder,
    // in the language of the locale or of --lang. Which files are no state
    // is the core's table; every kind of file the reader refuses is
    // in tests/core/test_files and test_cli's profileFilesOfTheWrongKind.
    void foreignStateFileIsLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("lang");
        QTest::addColumn<QString>("says");
        const QString zh = QStringLiteral("读不出控制器的状态，原样保留：");
        QTest::newRow("empty") << "file" << QByteArray() << QStringList{} << zh;
        QTest::newRow("binary") << "file" << QByteArray("\x00\xFF\x7E\xFE\x1B[2J", 8) << QStringList{"--lang", "en"}
                                << QStringLiteral("cannot be read as a controller's state, and is left as it is: ");
        QTest::newRow("a FIFO") << "fifo" << QByteArray() << QStringList{} << zh + "不是普通文件\n";
        QTest::newRow("a folder") << "folder" << QByteArray() << QStringList{} << zh + "不是普通文件\n";
    }
    void foreignStateFileIsLeftAlone()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, lang);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString stateFile = dir.filePath("state.json");
        if (kind == u"fifo")
            QVERIFY(::mkfifo(stateFile.toLocal8Bit().constData(), 0600) == 0);
        else if (kind == u"folder")
            QVERIFY(QDir(dir.path()).mkdir("state.json"));
        else
            QVERIFY(writeFile(stateFile, content));
        const ProgramRun r = run(QStringLiteral(SMSCFG_SIM_PATH), lang + QStringList{"--state", stateFile}, 5000);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith("smscfg-sim: " + stateFile + " " + says), qPrintable(r.err));
        if (kind == u"file")
            QCOMPARE(readFile(stateFile), content);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{"state.json"});
    }

    // The state survives a restart, each write replacing the file whole (a
    // new inode, so that a reader never sees half a state); and one state
    // has one simulator: a second one on the same file would lose the first
    // one's updates, and is refused for as long as the first runs, across
    // its writes.
    void stateIsKeptAndHeld()
    {
        QTemporaryDir dir;
        const QString stateFile = dir.filePath("state.json");
        auto inode = [&] {
            struct stat st {};
            return ::stat(stateFile.toLocal8Bit().constData(), &st) == 0 ? st.st_ino : ino_t(0);
        };
        SimProcess first({"--state", stateFile});
        QCOMPARE(cli(first.port(), {"phone", "3", "13912345678"}).exitCode, 0);
        const ino_t written = inode();
        QVERIFY(written != 0);
        QCOMPARE(cli(first.port(), {"centre", "13800138000"}).exitCode, 0);
        QVERIFY(inode() != written);
        const ProgramRun second = run(QStringLiteral(SMSCFG_SIM_PATH), {"--state", stateFile}, 5000);
        QCOMPARE(second.exitCode, 1);
        QCOMPARE(second.out, QString());
        QCOMPARE(second.err, "smscfg-sim: " + stateFile + " 是另一个仍在运行的 smscfg-sim 的状态\n");
        first.stop();
        SimProcess next({"--state", stateFile});
        QCOMPARE(cli(next.port(), {"device-count", "12"}).exitCode, 0);
        const QJsonObject state = readJsonObject(stateFile);
        QCOMPARE(at(state, "deviceCount"), QJsonValue(12));
        QCOMPARE(at(state, "phones.2"), QJsonValue("13912345678"));
        QCOMPARE(at(state, "smsCentre"), QJsonValue("13800138000"));
    }

    // A simulator that could not keep its state must not answer 06: one
    // whose state cannot be written does not start, and leaves it as it was.
    void stateThatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("a folder it may not write") << "read-only folder";
        QTest::newRow("someone else's state in a shared folder") << "shared folder";
        QTest::newRow("a place where no file can be made") << "/proc";
    }
    void stateThatCannotBeWritten()
    {
        QFETCH(QString, where);
        QTemporaryDir dir;
        QVERIFY(::chmod(dir.path().toLocal8Bit().constData(), 0755) == 0);
        QString stateFile = "/proc/smscfg-state.json";
        QStringList command{QStringLiteral(SMSCFG_SIM_PATH)};
        QByteArray before;
        if (where != u"/proc") {
            // A valid state, written by a simulator that has ended.
            const QString folder = dir.filePath("folder");
            QVERIFY(QDir(dir.path()).mkdir("folder"));
            stateFile = folder + "/state.json";
            {
                SimProcess earlier({"--state", stateFile});
                QCOMPARE(cli(earlier.port(), {"device-count", "7"}).exitCode, 0);
            }
            before = readFile(stateFile);
            QVERIFY(!before.isEmpty());
            QVERIFY(::chmod(folder.toLocal8Bit().constData(), where == u"shared folder" ? 01777 : 0555) == 0);
            // The simulator runs as another user than the one who owns them.
            if (::geteuid() == 0) {
                const QString setpriv = QStandardPaths::findExecutable("setpriv");
                if (setpriv.isEmpty())
                    QSKIP("running as root without setpriv: cannot run as another user");
                command = QStringList{setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"} + command;
            } else if (where == u"shared folder") {
                QSKIP("needs root to make a file that belongs to someone else");
            }
        }
        const ProgramRun r = run(command.first(), command.mid(1) + QStringList{"--state", stateFile}, 5000);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith("smscfg-sim: " + stateFile + " 写不进去（"), qPrintable(r.err));
        QVERIFY2(r.err.endsWith("）：什么也保存不了的控制器不能回答 06\n"), qPrintable(r.err));
        QCOMPARE(readFile(stateFile), before);
        if (where != u"/proc")
            QCOMPARE(QDir(dir.filePath("folder")).entryList(QDir::Files | QDir::Hidden), QStringList{"state.json"});
    }

    // A writer killed between writing its temporary file and renaming it
    // leaves the temporary behind; the next start clears ours, and only ours.
    // One a writer still holds is its own.
    void leftoverTemporariesAreRemoved()
    {
        QTemporaryDir dir;
        const QString stateFile = dir.filePath("state.json");
        const QStringList ours = {"state.json.smscfg-sim-a1B2c3", "state.json.smscfg-sim-ZZZZZZ"};
        const QStringList others = {"state.json.backup", "state.json.AbCdEf", "state.json.smscfg-sim-abc",
                                    "state.json.smscfg-sim-a1B2c3.old", "other.json.smscfg-sim-a1B2c3"};
        for (const QString &name : ours + others) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("{\"half") > 0);
        }
        QVERIFY(QFile::link(dir.filePath("state.json.backup"), dir.filePath("state.json.smscfg-sim-LINK00")));
        QFile held(dir.filePath("state.json.smscfg-sim-HELD00"));
        QVERIFY(held.open(QIODevice::WriteOnly) && ::flock(held.handle(), LOCK_EX | LOCK_NB) == 0);
        SimProcess sim({"--state", stateFile});
        QVERIFY(!sim.port().isEmpty());
        QCOMPARE(cli(sim.port(), {"init"}).exitCode, 0);
        QStringList expected = others + QStringList{"state.json", "state.json.smscfg-sim-LINK00",
                                                    "state.json.smscfg-sim-HELD00"};
        expected.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), expected);
    }
};

QTEST_GUILESS_MAIN(TestSimRoundTrip)
#include "test_sim_roundtrip.moc"
