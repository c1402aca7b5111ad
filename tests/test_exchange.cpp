#include "fake_link.h"
#include "hex.h"
#include "link/exchange.h"
#include "virtual_time.h"

#include <QMetaEnum>
#include <QTest>

using namespace smscfg;

namespace {

const QString Init = QStringLiteral("7E FE 07 00 45 4C 16");
const QString InitAccepted = QStringLiteral("7E FE 08 00 45 06 53 16");

// Runs a script on virtual time with the default timings (3000 ms time-out,
// 100 ms settle). Each line is "MS send HEX", "MS recv HEX" or "MS fail"
// (writes fail from then on). Outcomes come out as "Outcome@MS", bytes that
// gave no verdict as "Why@MS".
struct Run {
    QStringList outcomes;
    QStringList ignored;
    QByteArrayList writes;
};

template <typename Enum>
QString name(Enum value, qint64 at)
{
    return QStringLiteral("%1@%2").arg(QLatin1String(QMetaEnum::fromType<Enum>().valueToKey(int(value)))).arg(at);
}

Run run(const QStringList &script)
{
    FakeLink link;
    link.open(QStringLiteral("1"), nullptr);
    VirtualTime time;
    Exchange exchange(link, {}, time);
    Run result;
    QObject::connect(&exchange, &Exchange::finished, [&](const Exchange::Result &r) {
        result.outcomes << name(r.outcome, time.elapsed());
    });
    QObject::connect(&exchange, &Exchange::ignored, [&](const QByteArray &, Exchange::Ignored why) {
        result.ignored << name(why, time.elapsed());
    });
    for (const QString &line : script) {
        const qint64 at = line.section(u' ', 0, 0).toLongLong();
        const QString verb = line.section(u' ', 1, 1);
        const QByteArray bytes = hexBytes(line.section(u' ', 2));
        time.at(at, [&, verb, bytes] {
            if (verb == u"send")
                exchange.send(bytes);
            else if (verb == u"recv")
                link.deliver(bytes);
            else
                link.failWrites = true;
        });
    }
    time.advanceTo(60000);
    result.writes = link.writes;
    return result;
}

}  // namespace

class TestExchange : public QObject {
    Q_OBJECT
private slots:
    void outcomes_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("outcomes");
        QTest::addColumn<QStringList>("ignored");
        const QString send = "0 send " + Init;
        const QString countAccepted = QStringLiteral("7E FE 08 00 46 06 54 16");
        auto row = [](const char *name, const QStringList &script, const QStringList &outcomes,
                      const QStringList &ignored = {}) { QTest::newRow(name) << script << outcomes << ignored; };

        row("reply in one chunk: judged at once", {send, "40 recv " + InitAccepted}, {"Accepted@40"});
        row("refused", {send, "40 recv 7E FE 08 00 45 09 56 16"}, {"Refused@40"});
        row("other status: no verdict", {send, "40 recv 7E FE 08 00 45 07 54 16"}, {"NoVerdict@40"});
        row("six bytes, judged by the sixth after the settle", {send, "40 recv 00 11 22 33 44 06"},
            {"Accepted@140"});
        row("split within the settle: judged when whole", {send, "40 recv 7E FE 08", "139 recv 00 45 06 53 16"},
            {"Accepted@139"});
        row("split past the settle", {send, "40 recv 7E FE 08", "141 recv 00 45 06 53 16"}, {"NoVerdict@140"},
            {"Unsolicited@141"});
        row("five bytes: no verdict and no time-out", {send, "40 recv 7E FE 08 00 45"}, {"NoVerdict@140"});
        row("stray byte before an accepting frame", {send, "40 recv EE " + InitAccepted}, {"Accepted@140"});
        row("reply just before the time-out", {send, "2999 recv " + InitAccepted}, {"Accepted@2999"});
        row("late reply after the time-out", {send, "4000 recv " + InitAccepted},
            {"NoResponse@3000", "Accepted@4000"});
        row("no reply: one time-out", {send}, {"NoResponse@3000"});
        row("failed write: no time-out after it", {"0 fail", send}, {"PortUnusable@0"});
        row("second send restarts the time-out", {send, "1000 send " + Init}, {"NoResponse@4000"});

        row("frame with another code: the wait goes on", {send, "40 recv " + countAccepted}, {"NoResponse@3000"},
            {"OtherRequest@40"});
        row("that frame, then this request's own", {send, "40 recv " + countAccepted, "60 recv " + InitAccepted},
            {"Accepted@60"}, {"OtherRequest@40"});
        row("both in one chunk", {send, "40 recv " + countAccepted + " " + InitAccepted}, {"Accepted@140"},
            {"OtherRequest@140"});
        row("late reply to an earlier request is not this one's",
            {send, "4000 send 7E FE 0D 00 52 26 12 06 20 38 07 FC 16", "4050 recv " + InitAccepted,
             "4100 recv 7E FE 08 00 52 09 63 16"},
            {"NoResponse@3000", "Accepted@4050", "Refused@4100"});
        row("echo, then the reply", {send, "30 recv " + Init + " " + InitAccepted}, {"Accepted@30"}, {"Echo@30"});
        row("echo alone", {send, "5 recv " + Init}, {"NoResponse@3000"}, {"Echo@105"});
        row("loopback: device-count 6 with no controller", {"0 send 7E FE 08 00 46 06 54 16", "5 recv 7E FE 08 00 46 06 54 16"},
            {"NoResponse@3000"}, {"Echo@105"});
        row("bytes with nothing sent", {"40 recv 00 11 22 33 44 06"}, {}, {"Unsolicited@40"});
        row("bytes after a verdict start a new read", {send, "40 recv " + InitAccepted, "50 recv EE"},
            {"Accepted@40"}, {"Unsolicited@50"});
        row("two sends then two replies", {send, "10 send " + Init, "50 recv " + InitAccepted,
                                           "60 recv 7E FE 08 00 45 09 56 16"},
            {"Accepted@50", "Refused@60"});
        row("two sends before one reply", {send, "10 send " + Init, "50 recv " + InitAccepted},
            {"Accepted@50", "NoResponse@3010"});
        row("second send and its reply during a settle",
            {send, "40 recv EE " + InitAccepted, "50 send " + Init, "60 recv " + InitAccepted},
            {"Accepted@140", "Accepted@140"});
    }
    void outcomes()
    {
        QFETCH(QStringList, script);
        QFETCH(QStringList, outcomes);
        QFETCH(QStringList, ignored);
        const Run r = run(script);
        QCOMPARE(r.outcomes, outcomes);
        QCOMPARE(r.ignored, ignored);
    }

    void writesTheFrameAsOneBlock()
    {
        const Run r = run({"0 send " + Init, "5 send 7E FE 08 00 46 0C 5A 16"});
        QCOMPARE(r.writes, (QByteArrayList{hexBytes(Init), hexBytes("7E FE 08 00 46 0C 5A 16")}));
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "test_exchange.moc"
