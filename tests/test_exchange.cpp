#include "fake_link.h"
#include "hex.h"
#include "link/exchange.h"
#include "virtual_time.h"

#include <QTest>

using namespace smscfg;

// The Qt driver of the exchange: what it writes, what it feeds the machine
// and when it wakes it. The verdict rules themselves are the core's table.
class TestExchange : public QObject {
    Q_OBJECT

    struct Rig {
        Rig()
        {
            link.open(QStringLiteral("1"), nullptr);
            QObject::connect(&exchange, &Exchange::sent, [this](const QByteArray &f) { log << QString::fromLatin1("sent " + f.toHex(' ').toUpper()); });
            QObject::connect(&exchange, &Exchange::received,
                             [this](const QByteArray &b) { log << QString::fromLatin1("received " + b.toHex(' ').toUpper()); });
            QObject::connect(&exchange, &Exchange::finished, [this](const Exchange::Result &r) {
                log << QStringLiteral("finished #%1 %2@%3").arg(r.id).arg(int(r.outcome)).arg(time.elapsed());
            });
        }
        FakeLink link;
        VirtualTime time;
        Exchange exchange{link, {}, time};
        QStringList log;
    };

    static QString finished(int id, Exchange::Outcome outcome, int at)
    {
        return QStringLiteral("finished #%1 %2@%3").arg(id).arg(int(outcome)).arg(at);
    }

private slots:
    void writesEachFrameAsOneBlock()
    {
        Rig rig;
        rig.exchange.send(hexBytes("7E FE 07 00 45 4C 16"));
        rig.exchange.send(hexBytes("7E FE 08 00 46 0C 5A 16"));
        QCOMPARE(rig.link.writes, (QByteArrayList{hexBytes("7E FE 07 00 45 4C 16"), hexBytes("7E FE 08 00 46 0C 5A 16")}));
    }

    void failedWriteFinishesAtOnce()
    {
        Rig rig;
        rig.link.failWrites = true;
        QCOMPARE(rig.exchange.send(hexBytes("7E FE 07 00 45 4C 16")), 1u);
        rig.time.advance(std::chrono::seconds(10));
        QCOMPARE(rig.log, QStringList{finished(1, Exchange::Outcome::PortUnusable, 0)});
    }

    void piecesOfOneReplyAreOneRead()
    {
        Rig rig;
        rig.exchange.send(hexBytes("7E FE 07 00 45 4C 16"));
        rig.time.at(40, [&] { rig.link.deliver(hexBytes("7E FE 08")); });
        rig.time.at(60, [&] { rig.link.deliver(hexBytes("00 45 06 53 16")); });
        rig.time.advance(std::chrono::seconds(10));
        QCOMPARE(rig.log, (QStringList{"sent 7E FE 07 00 45 4C 16", "received 7E FE 08 00 45 06 53 16",
                                          finished(1, Exchange::Outcome::Accepted, 60)}));
    }

    void wokenForTheTimeOutAndTheSettle()
    {
        Rig rig;
        rig.exchange.send(hexBytes("7E FE 07 00 45 4C 16"));
        rig.time.at(5000, [&] { rig.exchange.send(hexBytes("7E FE 07 00 45 4C 16")); });
        rig.time.at(5040, [&] { rig.link.deliver(hexBytes("00 11 22 33 44 09")); });
        rig.time.advance(std::chrono::seconds(10));
        QCOMPARE(rig.log.filter(QStringLiteral("finished")), (QStringList{finished(1, Exchange::Outcome::NoResponse, 3000),
                                                             finished(2, Exchange::Outcome::Refused, 5140)}));
    }

    void lostLineEndsTheWaitAtOnce()
    {
        Rig rig;
        rig.exchange.send(hexBytes("7E FE 07 00 45 4C 16"));
        rig.time.at(500, [&] { rig.link.lose(); });
        rig.time.advance(std::chrono::seconds(10));
        QCOMPARE(rig.log.filter(QStringLiteral("finished")), QStringList{finished(1, Exchange::Outcome::LinkLost, 500)});
    }

    void sendFromAVerdictComesAfterIt()
    {
        Rig rig;
        bool again = true;
        QObject::connect(&rig.exchange, &Exchange::finished, [&] {
            if (std::exchange(again, false))
                rig.exchange.send(hexBytes("7E FE 08 00 46 0C 5A 16"));
        });
        rig.exchange.send(hexBytes("7E FE 07 00 45 4C 16"));
        rig.link.deliver(hexBytes("7E FE 08 00 46 06 54 16 7E FE 08 00 45 06 53 16"));
        rig.time.advance(std::chrono::milliseconds(100));
        QCOMPARE(rig.log, (QStringList{"sent 7E FE 07 00 45 4C 16",
                                          "received 7E FE 08 00 46 06 54 16 7E FE 08 00 45 06 53 16",
                                          finished(1, Exchange::Outcome::Accepted, 100), "sent 7E FE 08 00 46 0C 5A 16"}));
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "test_exchange.moc"
