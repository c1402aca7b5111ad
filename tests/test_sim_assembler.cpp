#include "hex.h"
#include "sim/frame_assembler.h"

#include <QRandomGenerator>
#include <QTest>

using namespace smscfg::sim;

namespace {

const QByteArray Init = hexBytes("7E FE 07 00 45 4C 16");
const QByteArray Count = hexBytes("7E FE 08 00 46 0C 5A 16");

// Items as text: "F:<hex>" for frames, "M:<hex>" for malformed runs.
QStringList describe(const QList<FrameAssembler::Item> &items)
{
    QStringList out;
    for (const auto &item : items)
        out << (item.kind == FrameAssembler::Item::Frame ? "F:" : "M:") + item.bytes.toHex(' ').toUpper();
    return out;
}

}  // namespace

class TestSimAssembler : public QObject {
    Q_OBJECT
private slots:
    void streams_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QStringList>("expected");
        const QString init = "F:7E FE 07 00 45 4C 16";
        const QString count = "F:7E FE 08 00 46 0C 5A 16";
        QTest::newRow("whole") << QList<QByteArray>{Init} << QStringList{init};
        QTest::newRow("joined") << QList<QByteArray>{Init + Count} << QStringList{init, count};
        QTest::newRow("split after start") << QList<QByteArray>{Init.left(1), Init.mid(1)} << QStringList{init};
        QTest::newRow("split after LEN") << QList<QByteArray>{Init.left(3), Init.mid(3)} << QStringList{init};
        QTest::newRow("garbage between") << QList<QByteArray>{hexBytes("00 7E 16 FE") + Init + hexBytes("55 7E") + Count}
                                         << QStringList{init, count};
        QTest::newRow("start split over garbage") << QList<QByteArray>{hexBytes("11 7E"), hexBytes("FE 07 00 45 4C 16")}
                                                  << QStringList{init};
        QTest::newRow("bad checksum") << QList<QByteArray>{hexBytes("7E FE 07 00 45 4D 16") + Init}
                                      << QStringList{"M:7E FE 07 00 45 4D 16", init};
        QTest::newRow("bad end byte") << QList<QByteArray>{hexBytes("7E FE 07 00 45 4C 17")}
                                      << QStringList{"M:7E FE 07 00 45 4C 17"};
        QTest::newRow("reserved byte set") << QList<QByteArray>{hexBytes("7E FE 07 01 45 4D 16")}
                                           << QStringList{"M:7E FE 07 01 45 4D 16"};
        QTest::newRow("LEN below 7") << QList<QByteArray>{hexBytes("7E FE 03") + Init} << QStringList{"M:7E FE 03", init};
        QTest::newRow("payload holds start and end bytes")
            << QList<QByteArray>{hexBytes("7E FE 0A 00 47 7E FE 16 E3 16")}
            << QStringList{"F:7E FE 0A 00 47 7E FE 16 E3 16"};
    }
    void streams()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QStringList, expected);
        FrameAssembler assembler;
        QList<FrameAssembler::Item> items;
        for (const QByteArray &chunk : chunks)
            items += assembler.feed(chunk);
        QCOMPARE(describe(items), expected);
        QCOMPARE(assembler.pending(), 0);
    }

    // Every byte on its own, and every split point, give the same frames.
    void everySplitPoint()
    {
        const QByteArray stream = hexBytes("01 02") + Init + Count + hexBytes("7E");
        for (int cut = 0; cut <= stream.size(); ++cut) {
            FrameAssembler assembler;
            auto items = assembler.feed(stream.left(cut));
            items += assembler.feed(stream.mid(cut));
            QCOMPARE(describe(items), (QStringList{"F:" + Init.toHex(' ').toUpper(), "F:" + Count.toHex(' ').toUpper()}));
        }
        FrameAssembler bytewise;
        QList<FrameAssembler::Item> items;
        for (const char b : stream)
            items += bytewise.feed(QByteArray(1, b));
        QCOMPARE(items.size(), 2);
    }

    // A stray start with a large LEN would hold back the next request until
    // the line goes quiet.
    void strayStartExpires()
    {
        FrameAssembler assembler;
        QVERIFY(assembler.feed(hexBytes("7E FE FF") + Init).isEmpty());
        QCOMPARE(describe(assembler.expire()), (QStringList{"M:7E FE FF 7E FE 07 00 45 4C 16", "F:7E FE 07 00 45 4C 16"}));
        QCOMPARE(assembler.pending(), 0);
        QVERIFY(assembler.expire().isEmpty());
    }

    void floodStaysBounded()
    {
        QRandomGenerator rng(42);
        FrameAssembler assembler;
        qsizetype maxPending = 0;
        for (int round = 0; round < 4000; ++round) {
            QByteArray chunk(256, '\0');
            for (char &b : chunk)
                b = char(rng.bounded(256));
            // Bias towards start bytes so that partial frames are common.
            if (round % 3 == 0)
                chunk.replace(rng.bounded(200), 2, "\x7E\xFE");
            for (const auto &item : assembler.feed(chunk))
                QVERIFY(item.bytes.size() <= 255);
            maxPending = std::max(maxPending, assembler.pending());
        }
        QVERIFY(maxPending <= 255);
        // And a real frame after the flood is still found.
        while (!assembler.expire().isEmpty()) {
        }
        auto items = assembler.feed(hexBytes("00 00 00") + Init);
        QVERIFY(!items.isEmpty());
        QCOMPARE(items.last().bytes, Init);
    }
};

QTEST_GUILESS_MAIN(TestSimAssembler)
#include "test_sim_assembler.moc"
