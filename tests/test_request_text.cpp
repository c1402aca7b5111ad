#include "commands/request_words.h"
#include "hex.h"
#include "protocol/description_text.h"
#include "protocol/request_text.h"

#include <QTest>

using namespace smscfg;

namespace {

QByteArray frameOf(const QStringList &words)
{
    const auto parsed = parseRequestWords(words, QDateTime(QDate(2026, 12, 6), QTime(20, 38)));
    const ParsedRequest &request = std::get<ParsedRequest>(parsed);
    return request.command->build(request.controls).frame().bytes();
}

}  // namespace

// Requests and replies in words, as the log, the trace and the simulator
// show them.
class TestRequestText : public QObject {
    Q_OBJECT
private slots:
    void requests_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("words");
        auto row = [](const char *name, const QByteArray &frame, const char *words) {
            QTest::newRow(name) << frame << QString::fromUtf8(words);
        };
        row("init", frameOf({"init"}), "0x45 初始化");
        row("device count", frameOf({"device-count", "12"}), "0x46 设备总数 = 12");
        row("addresses", frameOf({"addresses", "0102"}), "0x47 地址 = 01 02（2个）");
        row("port counts, an empty list", frameOf({"port-counts", " "}), "0x48 设备端口数 = （0个）");
        row("device description", frameOf({"device-desc", "1", "温度", "01"}), "0x49 设备1描述 = “温度”（Unicode），内容 01");
        row("device description, code page", frameOf({"device-desc", "--codepage", "2", "A温", "0A0B"}),
            "0x49 设备2描述 = “A温”（GBK），内容 0A 0B");
        row("port description", frameOf({"port-desc", "1", "2", "AB12"}), "0x4A 设备1端口2描述 = “AB12”（Unicode）");
        row("centre", frameOf({"centre", "13800138000"}), "0x4B 短信中心号码 = 13800138000");
        row("phone", frameOf({"phone", "3", "13912345678"}), "0x4C 第3个电话 = 13912345678");
        row("device switches", frameOf({"device-switches", "1", "--phones", "1,16"}), "0x4D 设备1 短信发给电话 1,16");
        row("device switches, none", frameOf({"device-switches", "1"}), "0x4D 设备1 不发送短信");
        row("probe switches", frameOf({"probe-switches", "1", "2", "--phones", "3"}), "0x4E 设备1探头2 短信发给电话 3");
        row("probe type", frameOf({"probe-type", "1", "2"}), "0x4F 设备1探头2类型 = 开关量");
        row("upper limit", frameOf({"upper-limit", "1", "2", "high"}), "0x50 设备1探头2告警上限 = 高电平");
        row("lower limit", frameOf({"lower-limit", "1", "2", "low"}), "0x51 设备1探头2告警下限 = 低电平");
        row("clock", frameOf({"clock", "now"}), "0x52 时间 = 26-12-06 20:38 星期天");
        row("wrong size", hexBytes("7E FE 09 00 46 01 02 52 16"), "0x46 负载2字节，长度不对");
        row("unknown code", hexBytes("7E FE 07 00 60 67 16"), "0x60 未知命令");
        row("damaged", hexBytes("7E FE 07 00 45 4D 16"), "不完整或损坏的帧");
        row("ESC in a description is escaped", frameOf({"port-desc", "1", "2", "A\x1b[2J"}),
            "0x4A 设备1端口2描述 = “A\\x1b[2J”（Unicode）");
        row("bytes after a number", hexBytes("7E FE 12 00 4B 31 00 32 00 00 00 00 00 00 00 00 C0 16"),
            "0x4B 短信中心号码 = （号码后有多余字节：31 00 32 00 00 00 00 00 00 00 00）");
    }
    void requests()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QString, words);
        QCOMPARE(describeRequest(frame), words);
    }

    void replies_data()
    {
        QTest::addColumn<QString>("bytes");
        QTest::addColumn<QString>("words");
        QTest::newRow("accepted") << "7E FE 08 00 4C 06 5A 16" << "0x4C 的应答：接受";
        QTest::newRow("refused") << "7E FE 08 00 52 09 63 16" << "0x52 的应答：拒绝";
        QTest::newRow("other status") << "7E FE 08 00 45 07 54 16" << "0x45 的应答：状态07";
        QTest::newRow("not a frame") << "00 11 22 33 44 06" << "";
        QTest::newRow("a request, no status") << "7E FE 07 00 45 4C 16" << "";
    }
    void replies()
    {
        QFETCH(QString, bytes);
        QFETCH(QString, words);
        QCOMPARE(describeReply(hexBytes(bytes)), words);
    }

    void escaping_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("plain") << "温度 AB12" << "温度 AB12";
        QTest::newRow("ESC") << "\x1b[31m" << "\\x1b[31m";
        QTest::newRow("newline and tab") << "a\nb\tc" << "a\\x0ab\\x09c";
        QTest::newRow("DEL") << "\x7f" << "\\x7f";
        QTest::newRow("backslash doubled") << "\\x1b" << "\\\\x1b";
        QTest::newRow("C1 control") << QString(QChar(0x9B)) << "\\u009b";
        QTest::newRow("emoji kept") << "😀" << "😀";
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << "\\ud800";
    }
    void escaping()
    {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(escapeForLog(text), escaped);
    }

    void descriptions_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoding");
        QTest::newRow("温度 utf-16") << hexBytes("6E 29 5E A6 00 20 00 20 00 20") << "温度" << "unicode";
        QTest::newRow("温度 gbk") << hexBytes("CE C2 B6 C8 00 20 00 20 00 20") << "温度" << "codepage";
        QTest::newRow("A gbk, odd") << hexBytes("41 00 20 00 20 00 20 00 20 00") << "A" << "codepage";
        QTest::newRow("AB12 utf-16") << hexBytes("00 41 00 42 00 31 00 32 00 20") << "AB12" << "unicode";
        QTest::newRow("A温 gbk") << hexBytes("41 CE C2 00 20 00 20 00 20 00") << "A温" << "codepage";
        QTest::newRow("一 ends in 00") << hexBytes("4E 00 00 20 00 20 00 20 00 20") << "一" << "unicode";
        QTest::newRow("empty") << hexBytes("00 20 00 20 00 20 00 20 00 20") << "" << "unicode";
        QTest::newRow("full gbk") << hexBytes("D2 BB B6 FE C8 FD CB C4 CE E5") << "一二三四五" << "codepage";
    }
    void descriptions()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, text);
        QFETCH(QString, encoding);
        const DecodedDescription d = decodeDescriptionField(field);
        QCOMPARE(d.text, text);
        QCOMPARE(d.encoding, encoding);
    }

};

QTEST_GUILESS_MAIN(TestRequestText)
#include "test_request_text.moc"
