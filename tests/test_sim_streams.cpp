#include "line_end.h"
#include "program_run.h"
#include "sim/sim_log.h"
#include "pty.h"
#include "sim_process.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

namespace {

// Lines of a log that hold `text`, plus the lines it says it dropped.
int writtenOrDropped(const QByteArray &log, const QString &text)
{
    static const QRegularExpression note(QStringLiteral("^（日志写不出去，丢掉了(\\d+)行）$"));
    int count = 0;
    for (const QString &line : QString::fromUtf8(log).split(u'\n', Qt::SkipEmptyParts))
        count += line.contains(text) ? 1 : note.match(line).captured(1).toInt();
    return count;
}

const QString BinDir = QFileInfo(QStringLiteral(SMSCFG_SIM_PATH)).absolutePath();
const QByteArray PhoneRequest = QByteArray::fromHex("7EFE13004C033132330000000000000000F816");
const QByteArray PhoneReply = QByteArray::fromHex("7EFE08004C065A16");

// The pseudo-terminals a process has open.
QStringList terminalsOf(qint64 pid)
{
    QStringList terminals;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString &fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = QFileInfo(fds.filePath(fd)).symLinkTarget();
        if (target.startsWith("/dev/pts/"))
            terminals << target;
    }
    return terminals;
}

// Outside bytes that could act on a terminal.
bool hasControlBytes(const QByteArray &bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return (quint8(c) < 0x20 && c != '\n') || c == 0x7F; });
}

}  // namespace

// What the simulator writes, where, and that writing never stops it.
class TestSimStreams : public QObject {
    Q_OBJECT
private slots:
    // The log's reader (on stderr) first never reads, then goes away.
    void logNobodyReadsNeverStopsServing()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath("controller");
        int err[2];
        QVERIFY(::pipe2(err, O_CLOEXEC) == 0);
        SimProcess sim({"--link", link}, {{err[1], 2}});
        ::close(err[1]);
        LineEnd line(link);
        QVERIFY(line.ok());
        // 1600 requests, 40 at a time, 125 bytes of log each: the first 1200
        // are more than a pipe and the log's queue hold.
        constexpr int Batch = 40;
        for (int i = 0; i < 1600 / Batch; ++i) {
            if (i == 1200 / Batch)
                ::close(err[0]);
            QVERIFY(line.write(PhoneRequest.repeated(Batch)));
            QCOMPARE(line.read(PhoneReply.size() * Batch), PhoneReply.repeated(Batch));
        }
        sim.stop();
        QCOMPARE(sim.exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    // The log goes only to a regular file, a terminal or a pipe, and never
    // through a link someone planted where it was to go; whatever is
    // refused is refused at once and left as it was.
    void logGoesOnlyWhereItShould_data()
    {
        QTest::addColumn<QString>("log");  // what --log names
        QTest::addColumn<QString>("refusal");  // empty: the log is written there
        QTest::newRow("a new file") << "new file" << "";
        QTest::newRow("a file with lines") << "file" << "";
        QTest::newRow("a terminal") << "terminal" << "";
        QTest::newRow("a pipe it was given") << "/dev/fd/3" << "";
        QTest::newRow("standard error") << "/dev/stderr" << "";
        QTest::newRow("a link to a file, planted") << "link" << "它是符号链接，不跟随";
        QTest::newRow("a FIFO nobody reads") << "fifo" << "它是没有人读的 FIFO";
        QTest::newRow("a folder") << "folder" << "Is a directory";
        QTest::newRow("a device that is no terminal") << "/dev/full" << "它不是普通文件、终端或管道";
        QTest::newRow("a descriptor that is a device") << "/dev/fd/4" << "它不是普通文件、终端或管道";
    }
    void logGoesOnlyWhereItShould()
    {
        QFETCH(QString, log);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        const QString target = dir.filePath("target");
        QFile(target).open(QIODevice::WriteOnly);
        Pty terminal;
        QString path = log;
        if (log == u"new file" || log == u"file" || log == u"folder" || log == u"fifo" || log == u"link")
            path = dir.filePath("sim.log");
        const QByteArray earlier = "earlier line\n";
        if (log == u"file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
        }
        if (log == u"folder")
            QVERIFY(QDir(dir.path()).mkdir("sim.log"));
        if (log == u"fifo")
            QVERIFY(::mkfifo(path.toLocal8Bit().constData(), 0600) == 0);
        if (log == u"link")
            QVERIFY(QFile::link(target, path));
        if (log == u"terminal")
            path = terminal.slavePath();

        // The test's pipe on descriptor 3 and /dev/full on 4.
        int given[2];
        QVERIFY(::pipe2(given, O_CLOEXEC) == 0 && ::fcntl(given[0], F_SETFL, O_NONBLOCK) == 0);
        const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
        QVERIFY(full >= 0);
        const auto closeAll = qScopeGuard([&] {
            for (int fd : {given[0], given[1], full})
                ::close(fd);
        });
        SimProcess sim({"--log", path}, {{given[1], 3}, {full, 4}});
        if (!refusal.isEmpty()) {
            QCOMPARE(sim.port(), QString());
            QCOMPARE(QString::fromUtf8(sim.stop()), "smscfg-sim: 不往 " + path + " 写记录：" + refusal + "\n");
            QCOMPARE(sim.exitCode(), 1);
            QCOMPARE(readFile(target), QByteArray());
            QCOMPARE(QFileInfo(dir.filePath("sim.log")).isSymLink(), log == u"link");
            return;
        }
        {
            LineEnd tool(sim.port());
            QVERIFY(tool.ok() && tool.write(PhoneRequest));
            QCOMPARE(tool.read(PhoneReply.size()), PhoneReply);
        }
        const QByteArray stderrLog = sim.stop();
        QCOMPARE(sim.exitCode(), 0);
        QByteArray piped(4096, 0);
        piped.resize(std::max<qsizetype>(0, ::read(given[0], piped.data(), size_t(piped.size()))));
        const QByteArray written = log == u"terminal" ? terminal.readFor(50)
            : log == u"/dev/fd/3"                     ? piped
            : log == u"/dev/stderr"                   ? stderrLog
                                                      : readFile(path);
        QVERIFY2(written.contains("第3个电话 = 123"), written.constData());
        QCOMPARE(written.startsWith(earlier), log == u"file");
    }

    // Every line is written or counted as dropped, and the count is told.
    // The pipe is one someone made non-blocking, which takes the writer's
    // every path (a blocking one is the simulator's stderr above).
    void droppedLinesAreCounted()
    {
        int pipe[2];
        QVERIFY(::pipe2(pipe, O_CLOEXEC) == 0 && ::fcntl(pipe[0], F_SETFL, O_NONBLOCK) == 0);
        ::fcntl(pipe[1], F_SETFL, O_NONBLOCK);
        // Smaller than the log's queue, so the writer finds it full.
        QVERIFY(::fcntl(pipe[1], F_SETPIPE_SZ, 4096) == 4096);
        smscfg::sim::SimLog log(pipe[1], true);
        for (int i = 0; i < 2000; ++i)
            log.line(QString(100, u'x'));
        QByteArray out;
        // Reads until the writer has been quiet for 100 ms, or `until` ends
        // what came.
        const auto drain = [&](const QByteArray &until) {
            char chunk[65536];
            pollfd readable{pipe[0], POLLIN, 0};
            while ((until.isEmpty() || !out.endsWith(until)) && ::poll(&readable, 1, 100) > 0) {
                if (const ssize_t n = ::read(pipe[0], chunk, sizeof chunk); n > 0)
                    out.append(chunk, n);
            }
        };
        // Read only once the writer has filled the pipe, and so found it full.
        int queued = 0;
        QTRY_VERIFY(::ioctl(pipe[0], FIONREAD, &queued) == 0 && queued > 4096 - 101);
        drain({});
        log.line("after");
        drain("after\n");
        // Drops are told whenever there is room again, at the latest before
        // the next line.
        QCOMPARE(writtenOrDropped(out, QString(100, u'x')), 2000);
        QVERIFY(out.contains("丢掉了"));
        QVERIFY(out.endsWith("after\n"));
        ::close(pipe[0]);
    }

    // The recipes of smscfg-sim --help and of the README, the same in both
    // with build/src/ in the README's; the script's is run as written. (The
    // window opening the port it is given: closedStandardDescriptors.)
    void documentedRecipesWork_data()
    {
        QTest::addColumn<QString>("recipe");
        QTest::newRow("the window") << R"(read -r port < <(%1smscfg-sim); %1smscfg "$port"; kill $!)";
        QTest::newRow("a script") << R"(read -r port < <(%1smscfg-sim --log sim.log); %1smscfg-cli --port "$port" init; kill $!)";
    }
    void documentedRecipesWork()
    {
        QFETCH(QString, recipe);
        const ProgramRun help = run(QStringLiteral(SMSCFG_SIM_PATH), {"--help"}, 5000);
        QVERIFY2(help.out.contains(recipe.arg("")), qPrintable(recipe));
        recipe = recipe.arg("build/src/");
        QVERIFY2(QString::fromUtf8(readFile(QStringLiteral(SMSCFG_README))).contains(recipe), qPrintable(recipe));
        if (!recipe.contains("smscfg-cli"))
            return;
        QTemporaryDir dir;
        QProcess shell;
        shell.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", BinDir + ":" + env.value("PATH"));
        shell.setProcessEnvironment(env);
        shell.start("/bin/bash", {"-c", QString(recipe).replace("build/src/", BinDir + "/")});
        QVERIFY(shell.waitForFinished(10000));
        QCOMPARE(shell.readAllStandardOutput(), QByteArray("设置成功\n"));
        QCOMPARE(shell.exitCode(), 0);
        QTRY_VERIFY(readFile(dir.filePath("sim.log")).contains("0x45 初始化"));
    }

    // Started with descriptors 0-2 closed, a program finds /dev/null there,
    // so that no file it opens later (its line) takes their place.
    void closedStandardDescriptors_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");  // LINE: the line's path
        QTest::newRow("smscfg-sim") << QStringLiteral(SMSCFG_SIM_PATH) << QStringList{"--device", "LINE"};
        QTest::newRow("smscfg-cli") << QStringLiteral(SMSCFG_CLI_PATH) << QStringList{"--port", "LINE", "init"};
        QTest::newRow("smscfg") << QStringLiteral(SMSCFG_WINDOW_PATH) << QStringList{"LINE"};
    }
    void closedStandardDescriptors()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        Pty pty;
        QProcess p;
        p.start("/bin/sh", QStringList{"-c", R"(exec "$0" "$@" <&- >&- 2>&-)", program}
                               + args.replaceInStrings("LINE", pty.slavePath()));
        QVERIFY(p.waitForStarted(5000));
        // Up, and its line open.
        QTRY_VERIFY_WITH_TIMEOUT(terminalsOf(p.processId()).contains(pty.slavePath()), 10000);
        QStringList standard;
        for (int fd = 0; fd <= 2; ++fd)
            standard << QFileInfo(QStringLiteral("/proc/%1/fd/%2").arg(p.processId()).arg(fd)).symLinkTarget();
        QCOMPARE(standard, QStringList(3, "/dev/null"));
        p.kill();
        QVERIFY(p.waitForFinished(5000));
    }

    // Outside text never reaches the log or the terminal raw: not in a
    // request, not in a path or a file the simulator refuses.
    void outsideTextIsEscaped_data()
    {
        QTest::addColumn<QStringList>("simArgs");     // DIR: a fresh folder
        QTest::addColumn<QStringList>("cliRequest");  // sent to the simulator when it runs
        QTest::addColumn<QByteArray>("rawRequest");   // sent as it is
        QTest::addColumn<QString>("escaped");         // what the output shows instead
        QTest::newRow("a description") << QStringList{} << QStringList{"device-desc", "1", "\x1b[31mRED", "01"}
                                       << QByteArray() << "\\x1b[31mRED";
        QTest::newRow("a phone field") << QStringList{} << QStringList{}
                                       << QByteArray::fromHex("7EFE13004C03311B5B324A0700000000008C16")
                                       << "1\\x1b[2J\\x07";
        QTest::newRow("a refused link's path") << QStringList{"--link", "DIR/state.json\x1b]0;x\x07"} << QStringList{}
                                               << QByteArray() << "state.json\\x1b]0;x\\x07";
        QTest::newRow("a foreign state file's path") << QStringList{"--state", "DIR/\x1b[2Jstate.json"} << QStringList{}
                                                     << QByteArray() << "\\x1b[2Jstate.json";
        QTest::newRow("an unknown option") << QStringList{"--\x1b[2J"} << QStringList{} << QByteArray() << "--\\x1b[2J";
    }
    void outsideTextIsEscaped()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QStringList, cliRequest);
        QFETCH(QByteArray, rawRequest);
        QFETCH(QString, escaped);
        QTemporaryDir dir;
        simArgs.replaceInStrings("DIR", dir.path());
        // Files for the refusals: something at the link, a state that is
        // none. (A foreign state's own fields are the core's rows.)
        QFile(dir.filePath("state.json\x1b]0;x\x07")).open(QIODevice::WriteOnly);
        QFile(dir.filePath("\x1b[2Jstate.json")).open(QIODevice::WriteOnly);

        SimProcess sim(simArgs);
        if (!cliRequest.isEmpty()) {
            QProcess cli;
            cli.start(QStringLiteral(SMSCFG_CLI_PATH), QStringList{"--port", sim.port()} + cliRequest);
            QVERIFY(cli.waitForFinished(5000));
            QCOMPARE(cli.exitCode(), 0);
        }
        if (!rawRequest.isEmpty()) {
            LineEnd line(sim.port());
            QVERIFY(line.write(rawRequest));
            QCOMPARE(line.read(8).size(), 8);
        }
        const QByteArray output = sim.stop() + sim.moreOutput();
        QVERIFY2(!hasControlBytes(output), output.constData());
        QVERIFY2(QString::fromUtf8(output).contains(escaped), output.constData());
    }
};

QTEST_GUILESS_MAIN(TestSimStreams)
#include "test_sim_streams.moc"
