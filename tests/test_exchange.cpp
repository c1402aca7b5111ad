#include "fake_link.h"
#include "hex.h"
#include "link/exchange.h"
#include "virtual_time.h"

#include <QMetaEnum>
#include <QTest>

using namespace smscfg;

namespace {

const QString Init = QStringLiteral("7E FE 07 00 45 4C 16");
const QString InitAccepted = QStringLiteral("7E FE 08 00 45 06 51 16");

// Runs a script on virtual time with the default timings (3000 ms time-out,
// 100 ms settle). Each line is "MS send HEX", "MS recv HEX" or "MS fail"
// (writes fail from then on). Returns the outcomes as "Outcome@MS".
struct Run {
    QStringList outcomes;
    QByteArrayList writes;
};

Run run(const QStringList &script)
{
    FakeLink link;
    link.open(QStringLiteral("1"), nullptr);
    VirtualTime time;
    Exchange exchange(link, {}, time);
    Run result;
    QObject::connect(&exchange, &Exchange::finished, [&](Exchange::Outcome outcome, const QByteArray &) {
        const char *name = QMetaEnum::fromType<Exchange::Outcome>().valueToKey(int(outcome));
        result.outcomes << QStringLiteral("%1@%2").arg(QLatin1String(name)).arg(time.elapsed());
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
        const QString send = "0 send " + Init;
        QTest::newRow("reply in one chunk") << QStringList{send, "40 recv " + InitAccepted}
                                            << QStringList{"Accepted@140"};
        QTest::newRow("refused") << QStringList{send, "40 recv 7E FE 08 00 45 09 54 16"}
                                 << QStringList{"Refused@140"};
        QTest::newRow("six bytes, judged by the sixth") << QStringList{send, "40 recv 00 11 22 33 44 06"}
                                                        << QStringList{"Accepted@140"};
        QTest::newRow("split within the settle")
            << QStringList{send, "40 recv 7E FE 08", "139 recv 00 45 06 51 16"} << QStringList{"Accepted@140"};
        QTest::newRow("split past the settle")
            << QStringList{send, "40 recv 7E FE 08", "141 recv 00 45 06 51 16"}
            << QStringList{"NoVerdict@140", "NoVerdict@241"};
        QTest::newRow("five bytes: no verdict and no time-out") << QStringList{send, "40 recv 7E FE 08 00 45"}
                                                                << QStringList{"NoVerdict@140"};
        QTest::newRow("stray byte shifts the status")
            << QStringList{send, "40 recv EE " + InitAccepted} << QStringList{"NoVerdict@140"};
        QTest::newRow("reply just before the time-out")
            << QStringList{send, "2999 recv " + InitAccepted} << QStringList{"Accepted@3099"};
        QTest::newRow("late reply after the time-out")
            << QStringList{send, "4000 recv " + InitAccepted} << QStringList{"NoResponse@3000", "Accepted@4100"};
        QTest::newRow("no reply: one time-out") << QStringList{send} << QStringList{"NoResponse@3000"};
        QTest::newRow("failed write: no time-out after it")
            << QStringList{"0 fail", send} << QStringList{"PortUnusable@0"};
        QTest::newRow("second send restarts the time-out")
            << QStringList{send, "1000 send " + Init} << QStringList{"NoResponse@4000"};
        QTest::newRow("two sends before one reply")
            << QStringList{send, "10 send " + Init, "50 recv " + InitAccepted} << QStringList{"Accepted@150"};
    }
    void outcomes()
    {
        QFETCH(QStringList, script);
        QFETCH(QStringList, outcomes);
        QCOMPARE(run(script).outcomes, outcomes);
    }

    void writesTheFrameAsOneBlock()
    {
        const Run r = run({"0 send " + Init, "5 send 7E FE 08 00 46 0C 5A 16"});
        QCOMPARE(r.writes, (QByteArrayList{hexBytes(Init), hexBytes("7E FE 08 00 46 0C 5A 16")}));
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "test_exchange.moc"
