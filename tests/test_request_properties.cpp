#include "commands/command_table.h"

#include <QRandomGenerator>
#include <QTest>

using namespace smscfg;

namespace {

// Texts an operator (or a cat on the keyboard) could put in a box.
QString randomText(QRandomGenerator &rng)
{
    static const QStringList pieces = {
        "0", "1", "7", "9", "12", "255", "256", "16", "17", "-", "+", ".", " ", "  ", "A", "f", "G", "x",
        "温", "度", "一", "€", "😀", QString(QChar(0xD800)), QString(QChar(0xDC00)), "\t", "\n", QString(QChar(0)),
        "\u3000", "１", "e", "星期六", "0A1B", "7E", "FE", "16",
    };
    const int mode = rng.bounded(20);
    if (mode == 0)
        return {};
    if (mode == 1)
        return QString(rng.bounded(1, 12000), QChar(u'0' + rng.bounded(10)));
    QString text;
    const int count = rng.bounded(1, mode < 15 ? 6 : 40);
    for (int i = 0; i < count; ++i)
        text += pieces[rng.bounded(pieces.size())];
    return text;
}

ControlValues randomControls(QRandomGenerator &rng, const CommandEntry &entry)
{
    ControlValues v;
    // Now and then every box holds a plausible value, so that requests with
    // many boxes (the clock) reach their frame too.
    const bool plausible = rng.bounded(3) == 0;
    for (const QString &name : entry.textControls()) {
        static const QStringList digits = {"00", "01", "12", "24", "31", "60", "99"};
        static const QStringList weekdays = {"星期一", "星期日", "星期天", "Monday"};
        QString text = randomText(rng);
        if (plausible)
            text = name == u"Combo7" ? weekdays[rng.bounded(weekdays.size())] : digits[rng.bounded(digits.size())];
        v.texts.insert(name, text);
    }
    static const QStringList toggles = {"Check1", "Check3", "Option1_0", "Option1_1"};
    for (const QString &name : toggles)
        if (rng.bounded(2))
            v.ticked.insert(name);
    for (int phone = 1; phone <= 16; ++phone)
        if (rng.bounded(2))
            v.ticked.insert(phoneCheckName(phone));
    return v;
}

// Frame sizes that never depend on the input; 0 where the input decides.
int fixedSize(quint8 code)
{
    switch (code) {
    case 0x45: return 7;
    case 0x46: return 8;
    case 0x4A: return 20;
    case 0x4B: return 18;
    case 0x4C: return 19;
    case 0x4D: return 10;
    case 0x4E: return 11;
    case 0x4F: return 10;
    case 0x50: case 0x51: case 0x52: return 13;
    default: return 0;
    }
}

}  // namespace

class TestRequestProperties : public QObject {
    Q_OBJECT
private slots:
    void everyFrameIsWellFormed_data()
    {
        QTest::addColumn<int>("code");
        for (const CommandEntry &entry : commandTable())
            QTest::newRow(qPrintable(entry.cliName)) << int(entry.code);
    }
    void everyFrameIsWellFormed()
    {
        QFETCH(int, code);
        const CommandEntry &entry = *findCommandByCode(quint8(code));
        QRandomGenerator rng(0x5EED0000u + quint32(code));
        int frames = 0;
        for (int i = 0; i < 3000; ++i) {
            const ControlValues input = randomControls(rng, entry);
            const BuildResult result = entry.build(input);
            if (!result.hasFrame()) {
                QVERIFY(result.kind() != BuildResult::Kind::Frame);
                QVERIFY2(!result.text().isEmpty(), "a message or refusal must say something");
                continue;
            }
            ++frames;
            const QByteArray &bytes = result.frame().bytes();
            QVERIFY(result.text().isEmpty());
            QVERIFY(bytes.size() >= 7 && bytes.size() <= 255);
            QCOMPARE(int(quint8(bytes[2])), int(bytes.size()));
            QCOMPARE(quint8(bytes[0]), quint8(0x7E));
            QCOMPARE(quint8(bytes[1]), quint8(0xFE));
            QCOMPARE(quint8(bytes[4]), quint8(code));
            QCOMPARE(quint8(bytes[bytes.size() - 1]), quint8(0x16));
            QVERIFY(isWellFormedFrame(bytes));
            if (fixedSize(quint8(code)))
                QCOMPARE(int(bytes.size()), fixedSize(quint8(code)));
            // Same input, same bytes: builders keep no state.
            QCOMPARE(entry.build(input).frame().bytes(), bytes);
        }
        QVERIFY2(frames > 0, "the generator should reach the frame path");
    }
};

QTEST_GUILESS_MAIN(TestRequestProperties)
#include "test_request_properties.moc"
