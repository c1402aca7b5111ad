#include "hex.h"
#include "virtual_time.h"

#include "sim/simulator.h"

#include <QTest>

using namespace smscfg::sim;

namespace {

// The tool's side of the line in memory: what the simulator writes, with
// the virtual time it wrote it at.
class MemoryLine : public ControllerLine {
public:
    explicit MemoryLine(VirtualTime &time) : m_time(time) {}
    bool write(const QByteArray &bytes) override
    {
        written << QStringLiteral("%1: %2").arg(m_time.elapsed()).arg(QString::fromLatin1(bytes.toHex(' ').toUpper()));
        return true;
    }
    void arrive(const QByteArray &bytes) { emit received(bytes); }

    QStringList written;

private:
    VirtualTime &m_time;
};

struct Arrival {
    qint64 atMs;
    QByteArray bytes;
};

}  // namespace

Q_DECLARE_METATYPE(SimOptions)
Q_DECLARE_METATYPE(QList<Arrival>)

// The simulator's faults and line speed on virtual time: what it writes and
// when, to the millisecond.
class TestSimulator : public QObject {
    Q_OBJECT
private slots:
    void writesAtTheirTime_data()
    {
        QTest::addColumn<SimOptions>("options");
        QTest::addColumn<QList<Arrival>>("arrivals");
        QTest::addColumn<QStringList>("written");
        const QByteArray init = hexBytes("7E FE 07 00 45 4C 16");
        const QList<Arrival> initAt0{{0, init}};
        QTest::newRow("accepted") << SimOptions{} << initAt0 << QStringList{"0: 7E FE 08 00 45 06 53 16"};
        QTest::newRow("--refuse") << SimOptions{.refuseAll = true} << initAt0
                                  << QStringList{"0: 7E FE 08 00 45 09 56 16"};
        QTest::newRow("--silent") << SimOptions{.silent = true} << initAt0 << QStringList{};
        QTest::newRow("--delay 300") << SimOptions{.delayMs = 300} << initAt0
                                     << QStringList{"300: 7E FE 08 00 45 06 53 16"};
        QTest::newRow("--stray: its byte first") << SimOptions{.stray = true} << initAt0
                                                 << QStringList{"0: EE 7E FE 08 00 45 06 53 16"};
        QTest::newRow("--split 20") << SimOptions{.splitMs = 20} << initAt0
                                    << QStringList{"0: 7E FE 08 00", "20: 45 06 53 16"};
        QTest::newRow("--delay 100 --split 400")
            << SimOptions{.delayMs = 100, .splitMs = 400} << initAt0
            << QStringList{"100: 7E FE 08 00", "500: 45 06 53 16"};
        QTest::newRow("--short") << SimOptions{.shortReply = true} << initAt0 << QStringList{"0: 7E FE 08 00 45"};
        QTest::newRow("a frame inside a bad candidate")
            << SimOptions{} << QList<Arrival>{{0, hexBytes("7E FE 0A") + init}}
            << QStringList{"0: 7E FE 08 00 FE 09 0F 16", "0: 7E FE 08 00 45 06 53 16"};  // refused, then the frame
        QTest::newRow("a frame in pieces") << SimOptions{}
                                           << QList<Arrival>{{0, init.first(3)}, {150, init.mid(3)}}
                                           << QStringList{"150: 7E FE 08 00 45 06 53 16"};
        QTest::newRow("a piece given up after 200 ms of quiet")
            << SimOptions{} << QList<Arrival>{{0, init.first(3)}, {250, init}}
            << QStringList{"200: 7E FE 08 00 00 09 11 16", "250: 7E FE 08 00 45 06 53 16"};
        // 9600 baud: 1.0417 ms a byte. The request's 7 bytes have crossed at
        // 7.3 ms (seen at 8: timers count whole ms, never early); the reply's
        // 8 bytes go out one by one from there, the last at 8 + 8.33 ms.
        QTest::newRow("--baud 9600")
            << SimOptions{.baud = 9600} << initAt0
            << QStringList{"10: 7E", "11: FE", "12: 08", "13: 00", "14: 45", "15: 06", "16: 53", "17: 16"};
        QTest::newRow("--baud 4800: a request sent whole lands at 14.6 ms")
            << SimOptions{.baud = 4800} << initAt0
            << QStringList{"18: 7E", "20: FE", "22: 08", "24: 00", "26: 45", "28: 06", "30: 53", "32: 16"};
    }
    void writesAtTheirTime()
    {
        QFETCH(SimOptions, options);
        QFETCH(QList<Arrival>, arrivals);
        QFETCH(QStringList, written);
        VirtualTime time;
        MemoryLine line(time);
        QStringList log;
        Simulator sim(line, options, {}, nullptr, [&](const QString &l) { log << l; }, time);
        for (const Arrival &a : arrivals)
            time.at(a.atMs, [&line, a] { line.arrive(a.bytes); });
        time.advanceTo(2000);
        QCOMPARE(line.written.join(u'|'), written.join(u'|'));
    }

    // A writer faster than the line: what does not fit in the 4096-byte
    // buffer is dropped and told once; the request behind the noise is
    // still answered.
    void noiseFasterThanTheLine()
    {
        VirtualTime time;
        MemoryLine line(time);
        QStringList log;
        Simulator sim(line, SimOptions{.baud = 115200}, {}, nullptr, [&](const QString &l) { log << l; }, time);
        // In two writes: the second finds the first still in the buffer.
        line.arrive(QByteArray(4000, char(0x55)));
        line.arrive(QByteArray(1000, char(0x55)));
        time.advanceTo(1000);
        QCOMPARE(log, QStringList{"（收到的字节比 115200 波特的线路快，丢掉了904字节）"});
        line.arrive(hexBytes("7E FE 07 00 45 4C 16"));
        time.advance(VirtualTime::ms(1000));
        // 0.6 ms for the request, 0.7 ms for the reply, seen at whole ms.
        QCOMPARE(line.written, QStringList{"1002: 7E FE 08 00 45 06 53 16"});
    }
};

QTEST_GUILESS_MAIN(TestSimulator)
#include "test_simulator.moc"
