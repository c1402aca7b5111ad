#include "program_run.h"
#include "pty.h"
#include "sim_process.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

int cli(const QString &port)
{
    return run(QStringLiteral(SMSCFG_CLI_PATH), {"--port", port, "--timeout", "1000", "init"}).exitCode;
}

// What is at `path`, to see that it was left as it was.
QString whatIsAt(const QString &path)
{
    struct stat st {};
    if (::lstat(path.toLocal8Bit().constData(), &st) != 0)
        return "nothing";
    if (S_ISLNK(st.st_mode))
        return "link to " + QFileInfo(path).symLinkTarget();
    if (S_ISCHR(st.st_mode))
        return QStringLiteral("device %1,%2").arg(major(st.st_rdev)).arg(minor(st.st_rdev));
    if (S_ISDIR(st.st_mode))
        return "folder";
    return "file " + QString::fromLatin1(readFile(path).toHex());
}

}  // namespace

// --link makes a link where nothing is, or where a stale one is, and never
// takes the place of anything else.
class TestSimLink : public QObject {
    Q_OBJECT
private slots:
    void whatIsAtThePath_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("linked");
        QTest::newRow("nothing") << "nothing" << true;
        QTest::newRow("a dangling link") << "dangling" << true;
        QTest::newRow("a link to a terminal a bridge has open") << "bridged" << false;
        QTest::newRow("a file holding data") << "file" << false;
        QTest::newRow("a device node") << "node" << false;
        QTest::newRow("a link to a file") << "link to file" << false;
        QTest::newRow("a link to /dev/null") << "link to null" << false;
        QTest::newRow("a running simulator's link") << "served" << false;
    }
    void whatIsAtThePath()
    {
        QFETCH(QString, before);
        QFETCH(bool, linked);
        QTemporaryDir dir;
        const QString link = dir.filePath("controller");
        const QString data = dir.filePath("data");
        QFile(data).open(QIODevice::WriteOnly);
        Pty pty;
        std::unique_ptr<SimProcess> other;
        if (before == u"dangling") {
            QVERIFY(QFile::link("/dev/pts/999999", link));
        } else if (before == u"bridged") {
            QVERIFY(QFile::link(pty.slavePath(), link));
        } else if (before == u"file") {
            QFile file(link);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("settings\n\x01\x02") > 0);
        } else if (before == u"node") {
            if (::mknod(link.toLocal8Bit().constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
                QSKIP("cannot make a device node here (not root)");
        } else if (before == u"link to file") {
            QVERIFY(QFile::link(data, link));
        } else if (before == u"link to null") {
            QVERIFY(QFile::link("/dev/null", link));
        } else if (before == u"served") {
            other = std::make_unique<SimProcess>(QStringList{"--link", link});
            QVERIFY(!other->port().isEmpty());
        }
        const QString was = whatIsAt(link);

        if (linked) {
            SimProcess sim({"--link", link});
            QVERIFY(!sim.port().isEmpty());
            QCOMPARE(whatIsAt(link), "link to " + sim.port());
            QCOMPARE(cli(link), 0);
            sim.stop();
            QCOMPARE(sim.exitCode(), 0);
            QCOMPARE(whatIsAt(link), QStringLiteral("nothing"));
        } else {
            const ProgramRun r = run(QStringLiteral(SMSCFG_SIM_PATH), {"--link", link});
            QCOMPARE(r.exitCode, 1);
            QCOMPARE(r.out, QString());
            QVERIFY2(r.err.startsWith("smscfg-sim: 不建立链接 " + link + "："), qPrintable(r.err));
            QCOMPARE(whatIsAt(link), was);
        }
        if (other)
            QCOMPARE(cli(link), 0);
        // No temporary link left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(),
                 whatIsAt(link) == u"nothing" ? 1 : 2);
    }

    // An empty path would quietly mean none: refused as wrong usage, as is
    // a link to a device it is told to serve.
    void wrongUsageIsRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("says");
        for (const char *option : {"--link", "--device", "--state", "--log"})
            QTest::newRow(option) << QStringList{option, ""} << QStringLiteral("%1 后面要跟").arg(option);
        QTest::newRow("--link with --device") << QStringList{"--link", "/tmp/x", "--device", "/dev/ttyS0"}
                                              << "--link 和 --device 不能一起用";
    }
    void wrongUsageIsRefused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, says);
        const ProgramRun r = run(QStringLiteral(SMSCFG_SIM_PATH), args);
        QCOMPARE(r.exitCode, 64);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith("smscfg-sim: " + says), qPrintable(r.err));
    }

    // Two starting at once: one gets the link, the other is refused.
    void simultaneousStartsGetOneLink()
    {
        for (int round = 0; round < 3; ++round) {
            QTemporaryDir dir;
            const QString link = dir.filePath("controller");
            QProcess a, b;
            a.start(QStringLiteral(SMSCFG_SIM_PATH), {"--link", link});
            b.start(QStringLiteral(SMSCFG_SIM_PATH), {"--link", link});
            const auto outcome = [](QProcess &p) {
                while (!p.canReadLine() && p.waitForReadyRead(5000)) {
                }
                return QString::fromLocal8Bit(p.readLine()).trimmed();
            };
            const QString portA = outcome(a), portB = outcome(b);
            QVERIFY2(portA.isEmpty() != portB.isEmpty(), qPrintable(portA + " " + portB));
            QProcess &loser = portA.isEmpty() ? a : b;
            QVERIFY(loser.state() == QProcess::NotRunning || loser.waitForFinished(5000));
            QCOMPARE(loser.exitCode(), 1);
            QCOMPARE(whatIsAt(link), "link to " + (portA.isEmpty() ? portB : portA));
            QCOMPARE(cli(link), 0);
            for (QProcess *p : {&a, &b}) {
                p->terminate();
                p->waitForFinished(5000);
            }
            QCOMPARE(whatIsAt(link), QStringLiteral("nothing"));
        }
    }

    // Ended by a signal, SIGHUP too (its terminal closed), it removes its
    // link, and only its own.
    void signalRemovesOnlyItsOwnLink_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("replaced");  // someone put another link in its place
        QTest::newRow("SIGTERM, the link replaced") << int(SIGTERM) << true;
        QTest::newRow("SIGHUP") << int(SIGHUP) << false;
    }
    void signalRemovesOnlyItsOwnLink()
    {
        QFETCH(int, signal);
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        const QString link = dir.filePath("controller");
        SimProcess sim({"--link", link});
        QVERIFY(!replaced || (QFile::remove(link) && QFile::link("/dev/null", link)));
        ::kill(pid_t(sim.pid()), signal);
        QVERIFY(sim.process().waitForFinished(5000));
        QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.process().exitCode(), 0);
        QCOMPARE(whatIsAt(link), replaced ? QStringLiteral("link to /dev/null") : QStringLiteral("nothing"));
    }
};

QTEST_GUILESS_MAIN(TestSimLink)
#include "test_sim_link.moc"
