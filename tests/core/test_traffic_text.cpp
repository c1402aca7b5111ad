#include "bytes.h"
#include "exchange/traffic_text.h"

#include <doctest/doctest.h>

using namespace smscfg;

namespace {

ExchangeMachine::Result result(Outcome outcome, long long ms, bool late = false, const char *reply = "")
{
    return {1, outcome, bytesOf("7E FE 07 00 45 4C 16"), bytesOf(reply), Millis(ms), late};
}

}  // namespace

TEST_CASE("what the operator reads of a finished request")
{
    struct Row {
        const char *name;
        ExchangeMachine::Result result;
        std::u16string message;  // the box; empty: none
        std::u16string status;   // the status bar, and the command line's apply lines
    };
    const Row rows[] = {
        {"accepted", result(Outcome::Accepted, 28), u"设置成功", u"设置成功（28 ms）"},
        {"refused", result(Outcome::Refused, 40), u"设置失败", u"设置失败（40 ms）"},
        {"no response", result(Outcome::NoResponse, 3000), u"设备无响应", u"设备无响应（3000 ms）"},
        {"late, in tenths of a second", result(Outcome::Accepted, 3637, true), u"设置成功", u"设置成功（迟到 3.6 秒）"},
        {"late, rounded up", result(Outcome::Refused, 3650, true), u"设置失败", u"设置失败（迟到 3.7 秒）"},
        {"late past ten seconds", result(Outcome::Accepted, 12049, true), u"设置成功", u"设置成功（迟到 12.0 秒）"},
        {"no verdict shows the reply", result(Outcome::NoVerdict, 140, false, "7E FE 08 00 45 07 54 16"), u"",
         u"应答无法识别：7E FE 08 00 45 07 54 16"},
        {"port unusable", result(Outcome::PortUnusable, 0), u"串口不可用，请重新设置", u"串口不可用，请重新设置"},
        {"line lost", result(Outcome::LinkLost, 500), u"串口连接已断开", u"串口连接已断开"},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.name));
        CHECK(utf8Of(outcomeMessage(row.result.outcome)) == utf8Of(row.message));
        CHECK(utf8Of(resultText(row.result)) == utf8Of(row.status));
    }
}

TEST_CASE("the communication log's lines")
{
    using Event = ExchangeMachine::Event;
    struct Row {
        const char *name;
        Event event;
        std::u16string line;
    };
    const TimeOfDay at{9, 5, 7, 42};
    const Row rows[] = {
        {"a frame sent", ExchangeMachine::Sent{1, bytesOf("7E FE 07 00 45 4C 16")},
         u"09:05:07.042 发送 7E FE 07 00 45 4C 16  0x45 初始化"},
        {"a reply", ExchangeMachine::Received{bytesOf("7E FE 08 00 45 09 56 16")},
         u"09:05:07.042 接收 7E FE 08 00 45 09 56 16  0x45 的应答：拒绝"},
        {"bytes that are no reply", ExchangeMachine::Received{bytesOf("EE")}, u"09:05:07.042 接收 EE"},
        {"an outcome", ExchangeMachine::Finished{result(Outcome::Accepted, 57)}, u"09:05:07.042 结果  0x45 设置成功（57 ms）"},
        {"no reply is said as it happened on the line", ExchangeMachine::Finished{result(Outcome::NoResponse, 3000)},
         u"09:05:07.042 结果  0x45 无应答（3000 ms）"},
        {"a late verdict", ExchangeMachine::Finished{result(Outcome::Refused, 3600, true)},
         u"09:05:07.042 结果  0x45 设置失败（迟到 3.6 秒）"},
        {"an echo", ExchangeMachine::Dropped{bytesOf("7E FE 07 00 45 4C 16"), Ignored::Echo},
         u"09:05:07.042 忽略 7E FE 07 00 45 4C 16  发出的请求的回显"},
        {"another request's reply", ExchangeMachine::Dropped{bytesOf("7E FE 08 00 46 06 54 16"), Ignored::OtherRequest},
         u"09:05:07.042 忽略 7E FE 08 00 46 06 54 16  0x46 的应答：接受，不是在等的请求的应答"},
        {"a late reply", ExchangeMachine::Dropped{bytesOf("7E FE 08 00 45 06 53 16"), Ignored::LateReply},
         u"09:05:07.042 忽略 7E FE 08 00 45 06 53 16  0x45 的应答：接受，迟到的应答：它的请求已超时，之后又发了新请求"},
        {"noise", ExchangeMachine::Dropped{bytesOf("06 06"), Ignored::Unrecognised},
         u"09:05:07.042 忽略 06 06  无法识别的数据"},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.name));
        const TrafficEntryText entry = trafficEntryOf(row.event);
        CHECK(utf8Of(trafficLine(at, entry.kind, entry.bytes, entry.meaning)) == utf8Of(row.line));
    }
}

TEST_CASE("the log shows at most 256 bytes of a run, and the day's line")
{
    const Bytes noise(300, 0xAB);
    const std::u16string line = trafficLine({23, 59, 59, 999}, TrafficKind::Received, noise, u"");
    CHECK(line.size() == std::u16string(u"23:59:59.999 接收 ").size() + 256 * 3 - 1 + std::u16string(u" …（共300字节）").size());
    CHECK(line.ends_with(u"AB AB …（共300字节）"));
    CHECK(utf8Of(dayLine({2026, 12, 6, 7})) == "—— 2026-12-06 星期天 ——");
    CHECK(utf8Of(trafficLine({0, 0, 0, 0}, TrafficKind::Port, {}, u"COM1 已打开（9600,n,8,1）")) ==
          "00:00:00.000 串口  COM1 已打开（9600,n,8,1）");
}
