#include "hex.h"
#include "protocol/frame.h"

#include <QTest>

using namespace smscfg;

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void build_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no payload") << 0x45 << QByteArray() << "7E FE 07 00 45 4C 16";
        QTest::newRow("one byte") << 0x46 << hexBytes("0C") << "7E FE 08 00 46 0C 5A 16";
        QTest::newRow("sum 0x29B keeps 9B")
            << 0x4B << QByteArray("12345678901") << "7E FE 12 00 4B 31 32 33 34 35 36 37 38 39 30 31 9B 16";
        // Payloads chosen so that LEN + CMD + payload hits the wrap points.
        QTest::newRow("sum exactly 256") << 0x45 << hexBytes("B3") << "7E FE 08 00 45 B3 00 16";
        QTest::newRow("sum 255") << 0x45 << hexBytes("B2") << "7E FE 08 00 45 B2 FF 16";
        QTest::newRow("sum 0x14C") << 0x45 << hexBytes("FE 00") << "7E FE 09 00 45 FE 00 4C 16";
        QTest::newRow("framing bytes in payload unchanged")
            << 0x47 << hexBytes("7E FE 16") << "7E FE 0A 00 47 7E FE 16 E3 16";
    }
    void build()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, payload);
        QFETCH(QString, expected);
        const auto frame = CommandFrame::build(quint8(code), payload);
        QVERIFY(frame);
        QCOMPARE(frame->toHex(), expected);
        QVERIFY(isWellFormedFrame(frame->bytes()));
        QCOMPARE(frame->payload(), payload);
    }

    void lengthLimit()
    {
        const auto largest = CommandFrame::build(0x47, QByteArray(248, '\xAB'));
        QVERIFY(largest);
        QCOMPARE(largest->size(), 255);
        QCOMPARE(quint8(largest->bytes()[2]), quint8(255));
        QVERIFY(isWellFormedFrame(largest->bytes()));
        QVERIFY(!CommandFrame::build(0x47, QByteArray(249, '\xAB')));
        QVERIFY(!CommandFrame::build(0x47, QByteArray(100000, '\0')));
    }

    // Every truncation and every single-byte corruption of a good frame is caught.
    void wellFormedRejectsDamage()
    {
        const QByteArray good = CommandFrame::build(0x49, hexBytes("01 6E 29 5E A6 00 20"))->bytes();
        for (int n = 0; n < good.size(); ++n)
            QVERIFY2(!isWellFormedFrame(good.left(n)), qPrintable(QString::number(n)));
        QVERIFY(!isWellFormedFrame(good + '\x16'));
        for (int i = 0; i < good.size(); ++i) {
            QByteArray bad = good;
            bad[i] = char(bad[i] ^ 0x01);
            QVERIFY2(!isWellFormedFrame(bad), qPrintable(QString::number(i)));
        }
    }

    void hexTextJoins()
    {
        QCOMPARE(hexText(hexBytes("7E FE 08"), QString()), QStringLiteral("7EFE08"));
        QCOMPARE(hexText(hexBytes("00 0A 06")), QStringLiteral("00 0A 06"));
        QCOMPARE(hexText(QByteArray()), QString());
    }
};

QTEST_GUILESS_MAIN(TestFrame)
#include "test_frame.moc"
