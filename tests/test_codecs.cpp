#include "protocol/decimal_text.h"
#include "protocol/hex_text.h"

#include <QTest>

using namespace smscfg;

class TestCodecs : public QObject {
    Q_OBJECT
private slots:
    void hexDigits_data()
    {
        QTest::addColumn<QChar>("input");
        QTest::addColumn<int>("expected");  // -1: not a hex digit
        QTest::newRow("0") << QChar(u'0') << 0;
        QTest::newRow("9") << QChar(u'9') << 9;
        QTest::newRow("A") << QChar(u'A') << 10;
        QTest::newRow("a") << QChar(u'a') << 10;
        QTest::newRow("F") << QChar(u'F') << 15;
        QTest::newRow("f") << QChar(u'f') << 15;
        QTest::newRow("G") << QChar(u'G') << -1;
        QTest::newRow("g") << QChar(u'g') << -1;
        QTest::newRow("blank") << QChar(u' ') << -1;
        QTest::newRow("before 0") << QChar(u'/') << -1;
        QTest::newRow("after 9") << QChar(u':') << -1;
        QTest::newRow("before A") << QChar(u'@') << -1;
        QTest::newRow("chinese") << QChar(u'温') << -1;
        QTest::newRow("full-width 1") << QChar(u'１') << -1;
        QTest::newRow("high surrogate") << QChar(0xD83D) << -1;
    }
    void hexDigits()
    {
        QFETCH(QChar, input);
        QFETCH(int, expected);
        const std::optional<quint8> value = hexDigitValue(input);
        QCOMPARE(value ? int(*value) : -1, expected);
    }

    void decimalTexts_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("expected");  // -1: refused
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("blanks around") << " 12 " << 12;
        QTest::newRow("fraction floors") << "12.9" << 12;
        QTest::newRow("255") << "255" << 255;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("minus zero") << "-0" << 0;
        QTest::newRow("plus sign") << "+5" << 5;
        QTest::newRow("trailing point") << "5." << 5;
        QTest::newRow("leading point") << ".5" << 0;
        QTest::newRow("255.999") << "255.999" << 255;
        QTest::newRow("leading zeros") << "000000000000000000000042" << 42;
        QTest::newRow("256") << "256" << -1;
        QTest::newRow("-1") << "-1" << -1;
        QTest::newRow("-0.5 floors to -1") << "-0.5" << -1;
        QTest::newRow("only blanks") << "   " << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("1a") << "1a" << -1;
        QTest::newRow("inner blank") << "1 2" << -1;
        QTest::newRow("tab is not trimmed") << "\t7" << -1;
        QTest::newRow("exponent") << "1e2" << -1;
        QTest::newRow("lone point") << "." << -1;
        QTest::newRow("lone sign") << "-" << -1;
        QTest::newRow("two points") << "1.2.3" << -1;
        QTest::newRow("full-width digits") << "１２" << -1;
        QTest::newRow("huge") << QString(400, u'9') << -1;
        QTest::newRow("huge negative") << "-" + QString(400, u'9') + ".5" << -1;
    }
    void decimalTexts()
    {
        QFETCH(QString, input);
        QFETCH(int, expected);
        const std::optional<quint8> value = decimalTextToByte(input);
        QCOMPARE(value ? int(*value) : -1, expected);
    }

    void decimalFloorClamps()
    {
        QCOMPARE(parseDecimalFloor(QString(30, u'9'))->value, DecimalFloor::Limit);
        QCOMPARE(parseDecimalFloor("-" + QString(30, u'9'))->value, -DecimalFloor::Limit);
        QCOMPARE(parseDecimalFloor("16.5")->value, 16LL);
        QCOMPARE(parseDecimalFloor("-16.5")->value, -17LL);
    }

    void trimSpacesOnlySpaces()
    {
        QCOMPARE(trimSpaces("  a b  "), QStringLiteral("a b"));
        QCOMPARE(trimSpaces("\ta\t"), QStringLiteral("\ta\t"));
        QCOMPARE(trimSpaces(QString::fromUtf16(u"\u3000a")), QString::fromUtf16(u"\u3000a"));
        QCOMPARE(trimSpaces("    "), QString());
    }
};

QTEST_GUILESS_MAIN(TestCodecs)
#include "test_codecs.moc"
