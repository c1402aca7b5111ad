#include "hex.h"
#include "protocol/cp936.h"
#include "protocol/hex_text.h"
#include "protocol/text_fields.h"

#include <QTest>

using namespace smscfg;

class TestTextFields : public QObject {
    Q_OBJECT
private slots:
    void hexLists_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("pairs in order") << "010A1F" << hexBytes("01 0A 1F");
        QTest::newRow("one digit gives nothing") << "7" << QByteArray();
        QTest::newRow("spaces only") << "   " << QByteArray();
        QTest::newRow("L=3 rounds up, last digit doubled") << "0A1" << hexBytes("0A 11");
        QTest::newRow("L=5 rounds down") << "0A1B2" << hexBytes("0A 1B");
        QTest::newRow("L=7 rounds up") << "0A1B2C3" << hexBytes("0A 1B 2C 33");
        QTest::newRow("lower case") << "0a" << hexBytes("0A");
        QTest::newRow("non-hex counts 0") << "1G" << hexBytes("10");
        QTest::newRow("inner space") << "0 1" << hexBytes("00 11");
        QTest::newRow("spaced pairs") << "01 02" << hexBytes("01 00");
        QTest::newRow("outer spaces trimmed") << "  0102  " << hexBytes("01 02");
        QTest::newRow("chinese counts 0") << "温1" << hexBytes("01");
    }
    void hexLists()
    {
        QFETCH(QString, input);
        QFETCH(QByteArray, expected);
        QCOMPARE(hexTextToBytes(input), expected);
        QCOMPARE(hexTextByteCount(input), expected.size());
    }

    void descriptionFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("unicode");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("温度 unicode") << "温度" << 16 << true
                                     << hexBytes("6E 29 5E A6 00 20 00 20 00 20 00 20 00 20 00 20");
        QTest::newRow("温度 code page") << "温度" << 16 << false
                                       << hexBytes("CE C2 B6 C8 00 20 00 20 00 20 00 20 00 20 00 20");
        QTest::newRow("A温 odd count ends in 00") << "A温" << 16 << false
                                                  << hexBytes("41 CE C2 00 20 00 20 00 20 00 20 00 20 00 20 00");
        QTest::newRow("A alone, width 10") << "A" << 10 << false << hexBytes("41 00 20 00 20 00 20 00 20 00");
        QTest::newRow("spaces only") << "     " << 10 << true << hexBytes("00 20 00 20 00 20 00 20 00 20");
        QTest::newRow("outer spaces not encoded") << " AB " << 10 << true
                                                  << hexBytes("00 41 00 42 00 20 00 20 00 20");
        QTest::newRow("inner space encoded") << "A B" << 10 << false << hexBytes("41 20 42 00 20 00 20 00 20 00");
        QTest::newRow("top bit code unit") << "高" << 10 << true << hexBytes("9A D8 00 20 00 20 00 20 00 20");
        QTest::newRow("eight ASCII fill exactly") << "ABCDEFGH" << 16 << true
                                                  << hexBytes("00 41 00 42 00 43 00 44 00 45 00 46 00 47 00 48");
        QTest::newRow("five CJK fill exactly") << "一二三四五" << 10 << false
                                              << hexBytes("D2 BB B6 FE C8 FD CB C4 CE E5");
        QTest::newRow("non-BMP as surrogates") << "😀" << 10 << true << hexBytes("D8 3D DE 00 00 20 00 20 00 20");
        QTest::newRow("non-BMP in code page is ?") << "😀A" << 10 << false
                                                   << hexBytes("3F 41 00 20 00 20 00 20 00 20");
        QTest::newRow("unmappable is ?") << "A\u0e01B" << 10 << false << hexBytes("41 3F 42 00 20 00 20 00 20 00");
        QTest::newRow("tag char is ?") << QString::fromUcs4(U"\U000E0041") << 4 << false << hexBytes("3F 00 20 00");
        QTest::newRow("lone surrogate is ?") << QString(QChar(0xDC00)) << 4 << false << hexBytes("3F 00 20 00");
        QTest::newRow("euro is one byte") << "€" << 4 << false << hexBytes("80 00 20 00");
        QTest::newRow("too long is cut") << "ABCDEF" << 4 << false << hexBytes("41 42 43 44");
    }
    void descriptionFields()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(bool, unicode);
        QFETCH(QByteArray, expected);
        QCOMPARE(descriptionField(text, width, unicode ? TextEncoding::Unicode : TextEncoding::CodePage),
                 expected);
    }

    void phoneNumberFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");  // hex, or the problem
        QTest::newRow("11 digits") << "12345678901" << "31 32 33 34 35 36 37 38 39 30 31";
        QTest::newRow("short is zero filled") << "1234567" << "31 32 33 34 35 36 37 00 00 00 00";
        QTest::newRow("trimmed") << "  1234567  " << "31 32 33 34 35 36 37 00 00 00 00";
        QTest::newRow("13 cut to 11") << "1234567890123" << "31 32 33 34 35 36 37 38 39 30 31";
        QTest::newRow("14 refused") << "12345678901234" << "too long";
        QTest::newRow("14 after trim refused") << " 12345678901234 " << "too long";
        QTest::newRow("spaces only") << "   " << "00 00 00 00 00 00 00 00 00 00 00";
        QTest::newRow("plus sign") << "+8613" << "2B 38 36 31 33 00 00 00 00 00 00";
        QTest::newRow("inner space") << "1 2" << "31 20 32 00 00 00 00 00 00 00 00";
        QTest::newRow("chinese refused") << "138温" << "not single byte";
        QTest::newRow("full-width digit refused") << "１" << "not single byte";
        QTest::newRow("unmappable refused") << "1\u0e01" << "not single byte";
        QTest::newRow("emoji refused") << "1😀" << "not single byte";
        QTest::newRow("two-byte in the dropped tail") << "12345678901温" << "not single byte";
    }
    void phoneNumberFields()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const auto field = phoneNumberField(text);
        QString actual;
        if (const auto *bytes = std::get_if<QByteArray>(&field))
            actual = QString::fromLatin1(bytes->toHex(' ').toUpper());
        else
            actual = std::get<PhoneNumberProblem>(field) == PhoneNumberProblem::TooLong ? "too long"
                                                                                          : "not single byte";
        QCOMPARE(actual, expected);
    }

    void phoneMasks_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("none") << QList<int>{} << hexBytes("FF FF");
        QTest::newRow("all") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16} << hexBytes("00 00");
        QTest::newRow("01 and 16") << QList<int>{1, 16} << hexBytes("7F FE");
        QTest::newRow("09 only") << QList<int>{9} << hexBytes("FE FF");
        QTest::newRow("08 only") << QList<int>{8} << hexBytes("FF 7F");
    }
    void phoneMasks()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(QByteArray, expected);
        PhoneTicks ticks{};
        for (int phone : ticked)
            ticks[size_t(phone - 1)] = true;
        QCOMPARE(phoneMask(ticks), expected);
    }

    void codePageRoundTrip()
    {
        const QString text = QStringLiteral("温度A一二三四五€");
        QByteArray bytes;
        for (const char32_t cp : text.toUcs4())
            bytes += cp936::encodeCodePoint(cp);
        QCOMPARE(bytes, hexBytes("CE C2 B6 C8 41 D2 BB B6 FE C8 FD CB C4 CE E5 80"));
        QCOMPARE(cp936::decode(bytes), text);
        // A bad lead byte costs one replacement character, not the next one.
        QCOMPARE(cp936::decode(hexBytes("FF 41 81")), QString::fromUtf16(u"\uFFFDA\uFFFD"));
    }
};

QTEST_GUILESS_MAIN(TestTextFields)
#include "test_text_fields.moc"
