#include "protocol/codecs.h"
#include "protocol/decimal_text.h"

#include <QTest>

using namespace smscfg;

Q_DECLARE_METATYPE(smscfg::CodecError)

namespace {
// Expected outcome written as text: a value, or "error:<kind>".
QString describe(const CodecResult<quint8> &r)
{
    return r ? QString::number(*r) : QStringLiteral("error:") + codecErrorName(r.error());
}
QString describe(const CodecResult<QString> &r)
{
    return r ? *r : QStringLiteral("error:") + codecErrorName(r.error());
}
}  // namespace

class TestCodecs : public QObject {
    Q_OBJECT
private slots:
    void hexDigitValue_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << "0" << "0";
        QTest::newRow("9") << "9" << "9";
        QTest::newRow("A") << "A" << "10";
        QTest::newRow("a") << "a" << "10";
        QTest::newRow("F") << "F" << "15";
        QTest::newRow("f") << "f" << "15";
        QTest::newRow("G") << "G" << "0";
        QTest::newRow("blank") << " " << "0";
        QTest::newRow("chinese") << "温" << "0";
        QTest::newRow("high surrogate") << QString(QChar(0xD83D)) << "0";
        QTest::newRow("empty") << "" << "error:invalid argument";
        QTest::newRow("hex start, not a number") << "1x" << "error:type mismatch";
        QTest::newRow("upper and lower listed apart") << "Ab" << "error:type mismatch";
    }
    void hexDigitValue()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(describe(HexDigitValue(input)), expected);
    }

    void hexPairToByteText_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("4C") << "4C" << "76";
        QTest::newRow("ff") << "ff" << "255";
        QTest::newRow("00") << "00" << "0";
        QTest::newRow("1A7 ignores the rest") << "1A7" << "26";
        QTest::newRow("G1") << "G1" << "1";
        QTest::newRow("1G") << "1G" << "16";
        QTest::newRow("one character") << "7" << "error:invalid argument";
        QTest::newRow("empty") << "" << "error:invalid argument";
        QTest::newRow("BCD 59") << "59" << "89";
    }
    void hexPairToByteText()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(describe(HexPairToByteText(input)), expected);
    }

    void hexS_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("4C") << "4C" << "76";
        QTest::newRow("7 used twice") << "7" << "119";
        QTest::newRow("123 first and last") << "123" << "19";
        QTest::newRow("non-hex counts 0") << " 1" << "1";
        QTest::newRow("empty") << "" << "error:invalid argument";
    }
    void hexS()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(describe(Hex_S(input)), expected);
    }

    void bitsToByte_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("all ones") << "11111111" << "255";
        QTest::newRow("msb first") << "10000001" << "129";
        QTest::newRow("weight 256 overflows") << "100000000" << "error:overflow";
        QTest::newRow("digits are numbers") << "21" << "5";
        QTest::newRow("non-digit") << "1x" << "error:type mismatch";
        QTest::newRow("empty") << "" << "0";
        QTest::newRow("leading zeros harmless") << "000000001" << "1";
        QTest::newRow("many leading zeros") << QString(200, u'0') + "1" << "1";
        QTest::newRow("running sum overflows") << "9999999" << "error:overflow";
        QTest::newRow("2 at the top") << "20000000" << "error:overflow";
        QTest::newRow("overflow before bad char") << "100000000x" << "error:overflow";
        QTest::newRow("full-width digit") << "１" << "error:type mismatch";
    }
    void bitsToByte()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(describe(BitsToByte(input)), expected);
    }

    void decimalTextToByte_data()
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
    void decimalTextToByte()
    {
        QFETCH(QString, input);
        QFETCH(int, expected);
        const std::optional<quint8> value = DecimalTextToByte(input);
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
