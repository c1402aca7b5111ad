#include "line_end.h"
#include "sim_process.h"

#include <QTest>

#include <algorithm>

// With --baud the simulator takes as long as a real line: a request counts
// from when its last byte would have arrived, and the reply's bytes go out
// at the line's pace.
class TestSimPacing : public QObject {
    Q_OBJECT
private slots:
    void replyTakesTheLinesTime_data()
    {
        QTest::addColumn<int>("baud");  // 0: no --baud
        QTest::newRow("9600") << 9600;
        QTest::newRow("4800") << 4800;
        QTest::newRow("no --baud") << 0;
    }
    void replyTakesTheLinesTime()
    {
        QFETCH(int, baud);
        SimProcess sim(baud > 0 ? QStringList{"--baud", QString::number(baud)} : QStringList{});
        LineEnd line(sim.port());
        QVERIFY(line.ok());
        const QByteArray request = QByteArray::fromHex("7EFE0700454C16");
        const QByteArray reply = QByteArray::fromHex("7EFE080045065316");
        // 10 bits a byte, request and reply; 9600 baud takes 15.6 ms.
        const qint64 lineNs = (request.size() + reply.size()) * 10'000'000'000LL / (baud > 0 ? baud : 9600);
        QList<qint64> times;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer timer;
            timer.start();
            QVERIFY(line.write(request));
            QCOMPARE(line.read(reply.size()), reply);
            times << timer.nsecsElapsed();
        }
        std::sort(times.begin(), times.end());
        const auto ms = [](qint64 ns) { return QByteArray::number(double(ns) / 1e6, 'f', 2); };
        if (baud > 0) {
            // Never early; late only by what a loaded machine may add.
            QVERIFY2(times.first() >= lineNs, ms(times.first()) + " ms < " + ms(lineNs) + " ms");
            QVERIFY2(times[2] <= lineNs + 50'000'000, ms(times[2]) + " ms");
        } else {
            QVERIFY2(times.first() < lineNs, ms(times.first()) + " ms");
        }
    }
};

QTEST_GUILESS_MAIN(TestSimPacing)
#include "test_sim_pacing.moc"
