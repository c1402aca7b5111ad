#include "fake_link.h"
#include "hex.h"
#include "link/step_runner.h"
#include "virtual_time.h"

#include <QTest>

using namespace smscfg;
using Outcome = Exchange::Outcome;

namespace {

const QByteArray Init = hexBytes("7E FE 07 00 45 4C 16");
const QByteArray Count = hexBytes("7E FE 08 00 46 0C 5A 16");
const QByteArray Phone1 = hexBytes("7E FE 13 00 4C 01 31 32 33 34 35 36 37 00 00 00 00 CC 16");
const QByteArray Phone2 = hexBytes("7E FE 13 00 4C 02 31 32 33 34 35 36 37 00 00 00 00 CD 16");
const QByteArray Centre = hexBytes("7E FE 12 00 4B 31 32 33 34 35 36 37 38 39 30 31 BB 16");

// How the controller behaves: for the n-th frame written (from 0), the
// reply and after how many ms; no entry: silence.
struct Answer {
    int frame;
    int afterMs;
    QByteArray reply;
};

struct Rig {
    explicit Rig(const QList<QByteArray> &steps, bool keepGoing, const QList<Answer> &answers)
        : runner(exchange, steps, keepGoing)
    {
        link.open(QStringLiteral("1"), nullptr);
        QObject::connect(&exchange, &Exchange::sent, [this, answers] {
            const int n = writes++;
            for (const Answer &a : answers)
                if (a.frame == n)
                    time.at(time.elapsed() + a.afterMs, [this, a] { link.deliver(a.reply); });
        });
        QObject::connect(&runner, &StepRunner::stepFinished, [this](qsizetype index, const Exchange::Result &r) {
            results << QStringLiteral("%1 %2@%3").arg(index + 1).arg(int(r.outcome)).arg(time.elapsed());
        });
        QObject::connect(&runner, &StepRunner::done, [this](bool) { done = true; });
    }
    static QString result(int step, Outcome outcome, int at)
    {
        return QStringLiteral("%1 %2@%3").arg(step).arg(int(outcome)).arg(at);
    }

    FakeLink link;
    VirtualTime time;
    Exchange exchange{link, {}, time};
    StepRunner runner;
    int writes = 0;
    QStringList results;
    bool done = false;
};

QByteArray accepted(quint8 code)
{
    QByteArray reply = hexBytes("7E FE 08 00 00 06 00 16");
    reply[4] = char(code);
    reply[6] = char(quint8(0x08 + code + 0x06));
    return reply;
}

}  // namespace

// The runner that applies a profile: one step at a time, each with its own
// verdict, on a fake line and virtual time.
class TestStepRunner : public QObject {
    Q_OBJECT
private slots:
    void noReplyStopsAfterOneWrite()
    {
        Rig rig({Init, Count}, false, {});
        rig.runner.start();
        rig.time.advance(std::chrono::seconds(20));
        QCOMPARE(rig.link.writes, QByteArrayList{Init});
        QCOMPARE(rig.results, QStringList{Rig::result(1, Outcome::NoResponse, 3000)});
        QVERIFY(rig.done);
    }

    void refusalStops()
    {
        Rig rig({Init, Count}, false, {{0, 30, hexBytes("7E FE 08 00 45 09 56 16")}});
        rig.runner.start();
        rig.time.advance(std::chrono::seconds(20));
        QCOMPARE(rig.results, QStringList{Rig::result(1, Outcome::Refused, 30)});
        QCOMPARE(rig.link.writes.size(), 1);
    }

    void unwritablePortStopsEvenWhenKeepingGoing()
    {
        Rig rig({Init, Count, Centre}, true, {});
        rig.link.failWrites = true;
        rig.runner.start();
        rig.time.advance(std::chrono::seconds(20));
        QCOMPARE(rig.results, QStringList{Rig::result(1, Outcome::PortUnusable, 0)});
        QVERIFY(rig.done);
    }

    void lostLineStopsEvenWhenKeepingGoing()
    {
        Rig rig({Init, Count, Centre}, true, {{0, 30, accepted(0x45)}});
        rig.runner.start();
        rig.time.at(500, [&] { rig.link.lose(); });
        rig.time.advance(std::chrono::seconds(20));
        QCOMPARE(rig.results, (QStringList{Rig::result(1, Outcome::Accepted, 30), Rig::result(2, Outcome::LinkLost, 500)}));
        QVERIFY(rig.done);
    }

    // The controller misses the first frame and answers every later one at
    // once: only the first step had no response.
    void missedFrameIsTheOnlyOneUnanswered()
    {
        Rig rig({Phone1, Phone2, Centre}, true, {{1, 20, accepted(0x4C)}, {2, 20, accepted(0x4B)}});
        rig.runner.start();
        rig.time.advance(std::chrono::seconds(20));
        QCOMPARE(rig.results, (QStringList{Rig::result(1, Outcome::NoResponse, 3000),
                                           Rig::result(2, Outcome::Accepted, 3020),
                                           Rig::result(3, Outcome::Accepted, 3040)}));
    }

    // Step 1's reply comes after step 2 went out: it is nobody's verdict.
    void lateReplyOfAnEarlierStepIsNotTheCurrentOnes()
    {
        Rig rig({Init, Count}, true, {{0, 3500, accepted(0x45)}});
        rig.runner.start();
        rig.time.advance(std::chrono::seconds(20));
        QCOMPARE(rig.results, (QStringList{Rig::result(1, Outcome::NoResponse, 3000),
                                           Rig::result(2, Outcome::NoResponse, 6000)}));
    }

    // A press made just before the apply: its verdict is not step 1's.
    void verdictOfAnEarlierRequestIsNotStepOnes()
    {
        Rig rig({Count}, false, {{0, 30, accepted(0x45)}});
        rig.exchange.send(Init);
        rig.runner.start();
        rig.time.advance(std::chrono::seconds(20));
        QCOMPARE(rig.results, QStringList{Rig::result(1, Outcome::NoResponse, 3000)});
    }

    void cancelSendsNoFurtherStep()
    {
        Rig rig({Init, Count}, true, {{0, 30, accepted(0x45)}, {1, 30, accepted(0x46)}});
        rig.runner.start();
        rig.runner.cancel();
        rig.time.advance(std::chrono::seconds(20));
        QCOMPARE(rig.link.writes, QByteArrayList{Init});
        QCOMPARE(rig.results, QStringList{Rig::result(1, Outcome::Accepted, 30)});
        QVERIFY(rig.done);
    }
};

QTEST_GUILESS_MAIN(TestStepRunner)
#include "test_step_runner.moc"
