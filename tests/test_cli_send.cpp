#include "fake_link.h"
#include "hex.h"
#include "program_run.h"
#include "pty.h"
#include "virtual_time.h"

#include "cli/send.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>

using namespace smscfg;

namespace {

// The controllers behind fake links: port "N" answers each write with the
// next of `replies[N]`, `delayMs` later on virtual time ("" stays silent,
// "lost" pulls the line, "fail" refuses the write itself); port "x" cannot
// be opened.
class ScriptedLink : public FakeLink {
public:
    ScriptedLink(VirtualTime &time, const std::map<QString, QStringList> &replies, int delayMs)
        : m_time(time), m_all(replies), m_delayMs(delayMs)
    {
        unopenable << "x";
    }
    bool open(const QString &port, OpenError *error) override
    {
        const auto it = m_all.find(port);
        m_replies = it == m_all.end() ? QStringList{} : it->second;
        return FakeLink::open(port, error);
    }
    bool write(const QByteArray &bytes) override
    {
        const QString reply = m_replies.isEmpty() ? QString() : m_replies.takeFirst();
        if (reply == u"fail" || !FakeLink::write(bytes))
            return false;
        m_time.at(m_time.elapsed() + m_delayMs, [this, reply] {
            if (reply == u"lost")
                lose();
            else if (!reply.isEmpty())
                deliver(hexBytes(reply));
        });
        return true;
    }

private:
    VirtualTime &m_time;
    const std::map<QString, QStringList> &m_all;
    QStringList m_replies;
    int m_delayMs;
};

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

// smscfg-cli's words and sessions in this process, against ScriptedLinks.
// Virtual time moves a millisecond each pass of the event loop.
CliRun runCli(const QStringList &args, const std::map<QString, QStringList> &replies, int delayMs = 10)
{
    VirtualTime time;
    cli::LineSeam seam;
    seam.time = &time;
    seam.makeLink = [&] { return std::make_unique<ScriptedLink>(time, replies, delayMs); };
    QTimer pump;
    QObject::connect(&pump, &QTimer::timeout, [&] { time.advance(VirtualTime::ms(1)); });
    pump.start(0);
    cli::Environment environment;
    environment.send = [&](const auto &inv, const auto &frame, auto &o, auto &e) {
        return cli::sendOverSerial(inv, frame, o, e, seam);
    };
    environment.apply = [&](const auto &inv, const auto &steps, auto &o, auto &e) {
        return cli::applyOverSerial(inv, steps, o, e, seam);
    };
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = cli::run(args, outStream, errStream, environment);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

const QString Accepted = QStringLiteral("7E FE 08 00 45 06 53 16");  // init
const QString Refused = QStringLiteral("7E FE 08 00 45 09 56 16");

}  // namespace

// smscfg-cli's sessions on the link seam and virtual time: the verdict it
// prints and its exit status, for each outcome (which bytes make which
// outcome is the exchange machine's table).
class TestCliSend : public QObject {
    Q_OBJECT
private slots:
    void verdicts_data()
    {
        QTest::addColumn<QStringList>("replies");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");  // a part of what it says on stderr
        QTest::newRow("accepted") << QStringList{Accepted} << "1" << 0 << "设置成功\n" << "";
        QTest::newRow("refused") << QStringList{Refused} << "1" << 1 << "设置失败\n" << "";
        QTest::newRow("no verdict: five bytes") << QStringList{"7E FE 08 00 45"} << "1" << 3 << ""
                                                << "应答无法识别：7E FE 08 00 45\n";
        QTest::newRow("silent") << QStringList{""} << "1" << 3 << "设备无响应\n" << "";
        QTest::newRow("the write fails") << QStringList{"fail"} << "1" << 4 << "串口不可用，请重新设置\n" << "";
        QTest::newRow("the line goes away") << QStringList{"lost"} << "1" << 4 << "串口连接已断开\n" << "";
        QTest::newRow("the port cannot be opened") << QStringList{} << "x" << 4 << "" << "";
    }
    void verdicts()
    {
        QFETCH(QStringList, replies);
        QFETCH(QString, port);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const CliRun r = runCli({"--port", port, "init"}, {{port, replies}});
        QCOMPARE(r.out, out);
        QVERIFY2(r.err.contains(err), qPrintable(r.err));
        QCOMPARE(r.exitCode, exitCode);
    }

    // Over several ports, or several steps, the worst result is the exit
    // status: no verdict (3) is worse than refused (1), in either order.
    void applyExitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("port1");
        QTest::addColumn<QStringList>("port2");
        QTest::addColumn<int>("exitCode");
        const QStringList two{"--port", "1", "--port", "2", "apply"};
        const QStringList oneKeepGoing{"--port", "1", "apply", "--keep-going"};
        QTest::newRow("refused, then no response (ports)") << two << QStringList{Refused} << QStringList{""} << 3;
        QTest::newRow("no response, then refused (ports)") << two << QStringList{""} << QStringList{Refused} << 3;
        QTest::newRow("refused, then no response (steps)") << oneKeepGoing << QStringList{Refused, ""} << QStringList{}
                                                           << 3;
        QTest::newRow("no response, then refused (steps)") << oneKeepGoing << QStringList{"", Refused} << QStringList{}
                                                           << 3;
        QTest::newRow("accepted and refused") << two << QStringList{Accepted, Accepted} << QStringList{Refused} << 1;
        QTest::newRow("a port that cannot be used") << QStringList{"--port", "1", "--port", "x", "apply"}
                                                    << QStringList{Accepted, Accepted} << QStringList{} << 4;
    }
    void applyExitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, port1);
        QFETCH(QStringList, port2);
        QFETCH(int, exitCode);
        QTemporaryDir dir;
        const QString profile = dir.filePath("p.json");
        QVERIFY(writeFile(profile, R"({"smscfg-profile": 1, "steps": [["init"], ["init"]]})"));
        const CliRun r = runCli(args << profile, {{"1", port1}, {"2", port2}});
        QVERIFY2(r.exitCode == exitCode, qPrintable(r.out + r.err));
    }

    // Each port's summary gives its own time, exactly: a port refused at the
    // first step ends then, however long the other goes on.
    void eachPortIsTimedToItsOwnEnd()
    {
        QTemporaryDir dir;
        const QString profile = dir.filePath("p.json");
        QVERIFY(writeFile(profile, R"({"smscfg-profile": 1, "steps": [["init"], ["init"], ["init"], ["init"]]})"));
        const CliRun r = runCli({"--port", "1", "--port", "2", "apply", profile},
                                 {{"1", {Refused}}, {"2", {Accepted, Accepted, Accepted, Accepted}}}, 400);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.out.contains("COM1  成功 0，失败 1，无响应 0，未发送 3，共 400 ms\n"), qPrintable(r.out));
        QVERIFY2(r.out.contains("COM2  成功 4，失败 0，无响应 0，未发送 0，共 1600 ms\n"), qPrintable(r.out));
    }

    // The real program on a pseudo-terminal that plays the controller.
    void overAPseudoTerminal()
    {
        Pty pty;
        QProcess cli;
        cli.start(QStringLiteral(SMSCFG_CLI_PATH), QStringList{"--port", pty.slavePath(), "device-count", "12"});
        QVERIFY(cli.waitForStarted());
        QCOMPARE(pty.read(8, 5000), hexBytes("7E FE 08 00 46 0C 5A 16"));
        pty.write(hexBytes("7E FE 08 00 46 06 54 16"));
        QVERIFY(cli.waitForFinished(5000));
        QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()), QStringLiteral("设置成功\n"));
        QCOMPARE(cli.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCliSend)
#include "test_cli_send.moc"
