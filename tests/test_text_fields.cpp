#include "hex.h"
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
        QTest::addColumn<QString>("expected");  // "refused" when not whole pairs
        QTest::newRow("pairs in order") << "010A1F" << "01 0A 1F";
        QTest::newRow("spaced pairs") << "01 0A 1F" << "01 0A 1F";
        QTest::newRow("spaces anywhere") << " 0 10 A1  F " << "01 0A 1F";
        QTest::newRow("lower case") << "0a" << "0A";
        QTest::newRow("spaces only: an empty list") << "   " << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("one digit") << "7" << "refused";
        QTest::newRow("odd count") << "012" << "refused";
        QTest::newRow("not a hex digit") << "0G" << "refused";
        QTest::newRow("0x prefix") << "0x08" << "refused";
        QTest::newRow("chinese") << "温度" << "refused";
        QTest::newRow("tab is not a space") << "01\t02" << "refused";
        QTest::newRow("full-width digits") << "０１" << "refused";
    }
    void hexLists()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const std::optional<QByteArray> bytes = hexListToBytes(input);
        QCOMPARE(bytes ? QString::fromLatin1(bytes->toHex(' ').toUpper()) : QStringLiteral("refused"), expected);
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
        QTest::newRow("11 fills the field") << "12345678901" << "31 32 33 34 35 36 37 38 39 30 31";
        QTest::newRow("12 refused, not cut") << "123456789012" << "too long";
        QTest::newRow("13 refused, not cut") << "8613912345678" << "too long";
        QTest::newRow("14 refused") << "12345678901234" << "too long";
        QTest::newRow("14 after trim refused") << " 12345678901234 " << "too long";
        QTest::newRow("spaces only") << "   " << "00 00 00 00 00 00 00 00 00 00 00";
        QTest::newRow("plus sign") << "+8613" << "2B 38 36 31 33 00 00 00 00 00 00";
        QTest::newRow("inner space") << "1 2" << "31 20 32 00 00 00 00 00 00 00 00";
        QTest::newRow("chinese refused") << "138温" << "not single byte";
        QTest::newRow("full-width digit refused") << "１" << "not single byte";
        QTest::newRow("unmappable refused") << "1\u0e01" << "not single byte";
        QTest::newRow("emoji refused") << "1😀" << "not single byte";
        QTest::newRow("ESC refused") << "139\x1b" "1234" << "control character";
        QTest::newRow("tab refused") << "139\t1234" << "control character";
        QTest::newRow("DEL refused") << "139\x7f" << "control character";
        QTest::newRow("NUL refused") << QString(QChar(0)) + "139" << "control character";
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
            switch (std::get<PhoneNumberProblem>(field)) {
            case PhoneNumberProblem::TooLong: actual = "too long"; break;
            case PhoneNumberProblem::NotSingleByte: actual = "not single byte"; break;
            case PhoneNumberProblem::ControlCharacter: actual = "control character"; break;
            }
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
};

QTEST_GUILESS_MAIN(TestTextFields)
#include "test_text_fields.moc"
