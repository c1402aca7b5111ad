#include "qt_boundary/core_types.h"
#include "window_rig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace smscfg;

namespace {

// The six kinds of bad input every box is tried with.
const QStringList Kinds = {"empty", "spaces", "10000 chars", "control", "non-BMP", "out of range"};

QString inputOf(const QString &kind)
{
    if (kind == u"empty")
        return {};
    if (kind == u"spaces")
        return QStringLiteral("   ");
    if (kind == u"10000 chars")
        return QString(10000, u'1');
    if (kind == u"control")
        return QStringLiteral("\x01\t\x1b");
    if (kind == u"non-BMP")
        return QString::fromUcs4(U"\U0001F600\U00020000");
    return QStringLiteral("256");
}

QString range(const char *box, int high = 255)
{
    return QStringLiteral("%1必须是0到%2之间的数字").arg(QString::fromUtf8(box)).arg(high);
}

struct BoxCase {
    const char *box;
    const char *button;
    // Expected outcome per kind, in the order of Kinds: a message, or "frame"
    // where the input is one the box accepts.
    QStringList outcomes;
};

const QString F = QStringLiteral("frame");

QList<BoxCase> cases()
{
    const QString desc = QStringLiteral("地址或内容或描述");
    const QString port = QStringLiteral("地址或端口或描述");
    const QString phone = QStringLiteral("请输入第几个电话或电话号码");
    const QString probe = QStringLiteral("请输入设备轮训号或探头号");
    const QString maxPhones = QStringLiteral("最大只能设置16个电话号码");
    const QString list = QStringLiteral("最多248个字节（496个16进制数字）");
    const QString content = QStringLiteral("内容最多231个字节（462个16进制数字）");
    const QString noContent = QStringLiteral("内容至少要有一个字节（两个16进制数字）");
    auto numberBox = [](const QString &empty, const QString &refusal) {
        return QStringList{empty, refusal, refusal, refusal, refusal, refusal};
    };
    auto phoneBox = [&](const QString &empty, const char *name) {
        const QString n = QString::fromUtf8(name);
        return QStringList{empty, F, n + "太长，最多11个字符", n + "含有控制字符，只能包含数字、+号等半角字符",
                           n + "只能包含数字、+号等半角字符", F};
    };
    auto pairs = [](const char *name) {
        return QString::fromUtf8(name) + "必须是成对的16进制数字（0-9、A-F），两个数字一个字节";
    };
    auto clockBox = [](const char *name, const char *range) {
        const QString refusal = QStringLiteral("%1必须是%2之间的两位数字").arg(QString::fromUtf8(name), QString::fromUtf8(range));
        return QStringList{refusal, refusal, refusal, refusal, refusal, refusal};
    };
    return {
        {"Text3", "Command3", numberBox("设备总数", range("设备总数"))},
        {"Text2", "Command4", {"地址数", F, "地址数" + list, pairs("地址数"), pairs("地址数"), pairs("地址数")}},
        {"Text4", "Command5",
         {"设备端口数", F, "设备端口数" + list, pairs("设备端口数"), pairs("设备端口数"), pairs("设备端口数")}},
        {"Text1", "Command6", numberBox(desc, range("设备描述的地址"))},
        {"Text5", "Command6", {desc, F, "描述的文字超过8个汉字", F, F, F}},
        {"Text9", "Command6", {desc, noContent, content, pairs("内容"), pairs("内容"), pairs("内容")}},
        {"Text6", "Command1", numberBox(port, range("端口描述的地址"))},
        {"Text7", "Command1", numberBox(port, range("端口"))},
        {"Text8", "Command1", {port, F, "描述的文字超过5个汉字", F, F, F}},
        {"Text10", "Command8", phoneBox("请输入短信中心号码", "短信中心号码")},
        {"Text11", "Command9", {phone, range("第几个电话", 16), maxPhones, range("第几个电话", 16),
                                range("第几个电话", 16), maxPhones}},
        {"Text12", "Command9", phoneBox(phone, "电话号码")},
        {"Text13", "Command10", numberBox("请输入设备轮训号", range("设备轮训号"))},
        {"Text13", "Command11", numberBox(probe, range("设备轮训号"))},
        {"Text14", "Command11", numberBox(probe, range("探头号"))},
        {"Text13", "Command12", numberBox(probe, range("设备轮训号"))},
        {"Text14", "Command12", numberBox(probe, range("探头号"))},
        {"Text13", "Command13", numberBox(probe, range("设备轮训号"))},
        {"Text14", "Command13", numberBox(probe, range("探头号"))},
        {"Combo2", "Command15", clockBox("年", "00到99")},
        {"Combo3", "Command15", clockBox("月", "01到12")},
        {"Combo4", "Command15", clockBox("日", "01到31")},
        {"Combo5", "Command15", clockBox("时", "00到24")},
        {"Combo6", "Command15", clockBox("分", "00到60")},
        {"Combo7", "Command15", QStringList(6, QStringLiteral("星期必须是星期一到星期天之一"))},
    };
}

}  // namespace

// Every box with every kind of bad input: its message and nothing on the
// line, or, where the box accepts that input, exactly the request's frame.
class TestBadInput : public QObject {
    Q_OBJECT
private slots:
    void everyBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("outcome");
        for (const BoxCase &c : cases())
            for (int k = 0; k < Kinds.size(); ++k)
                QTest::addRow("%s %s %s", c.button, c.box, qPrintable(Kinds[k]))
                    << QString::fromLatin1(c.box) << QString::fromLatin1(c.button) << inputOf(Kinds[k])
                    << c.outcomes[k];
    }
    void everyBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, button);
        QFETCH(QString, input);
        QFETCH(QString, outcome);
        WindowRig<> rig;
        rig.open();
        rig.fillValidInputs();
        rig.setText(box, input);
        const ControlValues before = rig.window.controlValues();
        rig.click(button);

        if (outcome == F) {
            const BuildResult expected = findCommandByButton(toU16(button))->build(before);
            QVERIFY(expected.hasFrame());
            QCOMPARE(rig.link.writes, QByteArrayList{toQByteArray(expected.frame().bytes())});
            QCOMPARE(rig.sink.messages, QStringList());
        } else {
            QCOMPARE(rig.sink.messages, QStringList{outcome});
            QCOMPARE(rig.link.writes, QByteArrayList());
        }
        QCOMPARE(rig.window.controlValues().texts, before.texts);
    }
};

QTEST_MAIN(TestBadInput)
#include "test_bad_input.moc"
