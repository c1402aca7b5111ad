#include "window_rig.h"

#include <QTest>

#include <memory>

using namespace smscfg;

namespace {

QString range(const char *box, int high = 255)
{
    return QStringLiteral("%1必须是0到%2之间的数字").arg(QString::fromUtf8(box)).arg(high);
}

QString clock(const char *box, const char *range)
{
    return QStringLiteral("%1必须是%2之间的两位数字").arg(QString::fromUtf8(box), QString::fromUtf8(range));
}

QString pairs(const char *box)
{
    return QString::fromUtf8(box) + "必须是成对的16进制数字（0-9、A-F），两个数字一个字节";
}

const QString Long = QString(10000, u'1');

}  // namespace

// A box with bad input, the others valid: its message, nothing on the line,
// and every box keeps its text. Which message each kind of input gets is the
// core's table; here a box of each kind is read by its button (the window
// reads every box alike), none cuts a long text short, and what a box
// accepts reaches the line whole. The rows share one window, as an
// operator's presses do.
class TestBadInput : public QObject {
    Q_OBJECT
    std::unique_ptr<WindowRig<>> rig;

private slots:
    void initTestCase()
    {
        rig = std::make_unique<WindowRig<>>();
        rig->open();
    }

    void everyBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("message");  // "" where the input is accepted
        QTest::addColumn<QString>("sent");
        const QString list = QStringLiteral("最多248个字节（496个16进制数字）");
        QTest::newRow("Text3") << "Text3" << "Command3" << Long << range("设备总数") << "";
        QTest::newRow("Text2") << "Text2" << "Command4" << Long << "地址数" + list << "";
        QTest::newRow("Text5") << "Text5" << "Command6" << Long << "描述的文字超过8个汉字" << "";
        QTest::newRow("Text9") << "Text9" << "Command6" << Long << "内容最多231个字节（462个16进制数字）" << "";
        QTest::newRow("Text8") << "Text8" << "Command1" << Long << "描述的文字超过5个汉字" << "";
        QTest::newRow("Text10") << "Text10" << "Command8" << Long << "短信中心号码太长，最多11个字符" << "";
        QTest::newRow("Text11") << "Text11" << "Command9" << Long << "最大只能设置16个电话号码" << "";
        QTest::newRow("Text14") << "Text14" << "Command13" << Long << range("探头号") << "";
        QTest::newRow("Combo2") << "Combo2" << "Command15" << Long << clock("年", "00到99") << "";
        QTest::newRow("Combo7") << "Combo7" << "Command15" << Long << "星期必须是星期一到星期天之一" << "";
        // A message rather than a refusal: shown the same way.
        QTest::newRow("Text3 empty") << "Text3" << "Command3" << "" << "设备总数" << "";
        QTest::newRow("Text2 control") << "Text2" << "Command4" << "\x01\t\x1b" << pairs("地址数") << "";
        QTest::newRow("Text12 non-BMP") << "Text12" << "Command9" << QString::fromUcs4(U"\U0001F600")
                                        << "电话号码只能包含数字、+号等半角字符" << "";
        // Two characters beyond the BMP, four UTF-16 units, reach the line.
        QTest::newRow("Text5 non-BMP") << "Text5" << "Command6" << QString::fromUcs4(U"\U0001F600\U00020000") << ""
                                       << "7E FE 19 00 49 01 D8 3D DE 00 D8 40 DC 00 00 20 00 20 00 20 00 20 01 CB 16";
    }
    void everyBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, button);
        QFETCH(QString, input);
        QFETCH(QString, message);
        QFETCH(QString, sent);
        rig->fillValidInputs();
        rig->setText(box, input);
        rig->sink.messages.clear();
        rig->link.writes.clear();
        const ControlValues before = rig->window.controlValues();
        rig->click(button);
        QCOMPARE(rig->sink.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(rig->link.writes, sent.isEmpty() ? QByteArrayList() : QByteArrayList{hexBytes(sent)});
        QCOMPARE(rig->window.controlValues().texts, before.texts);
    }
};

QTEST_MAIN(TestBadInput)
#include "test_bad_input.moc"