#pragma once

#include "exchange/exchange_machine.h"
#include "protocol/bytes.h"

#include <string>
#include <string_view>

// What the operator reads about the exchange, the same in the window, on the
// command line and in the browser: verdicts and the lines of the
// communication log.
namespace smscfg {

// "设置成功", "设置失败", "设备无响应", "串口不可用，请重新设置", "串口连接已断开";
// empty for a reply without a verdict, which shows nothing.
std::u16string outcomeMessage(Outcome outcome);

// A finished request in a few words: the outcome message, or
// "应答无法识别：<hex>" for a reply without a verdict.
std::u16string verdictText(const ExchangeMachine::Result &result);

// verdictText with the round trip where there was one: "设置成功（28 ms）",
// or for a verdict after the time-out "设置成功（迟到 3.6 秒）".
std::u16string resultText(const ExchangeMachine::Result &result);

// What a log line is about.
enum class TrafficKind {
    Sent,      // a frame written
    Received,  // bytes read and judged together
    Outcome,   // what became of a request
    Ignored,   // bytes that gave no verdict
    Port,      // the port opened, closed or lost
    NotSent,   // input refused before anything was sent
};

// When a log line happened, as the caller's clock says (the core reads none).
struct TimeOfDay {
    int hour, minute, second, millisecond;
};
struct CalendarDay {
    int year, month, day, weekday;  // weekday 1..7 from Monday
};

// "20:38:17.123 发送 7E FE 13 ... 16  0x4C 第3个电话 = 13912345678"
std::u16string trafficLine(const TimeOfDay &time, TrafficKind kind, ByteView bytes, std::u16string_view meaning);
// The line that starts a day: "—— 2026-12-06 星期天 ——".
std::u16string dayLine(const CalendarDay &day);

// One event of an exchange as a log entry: its kind, its bytes and what they
// mean ("0x4C 第3个电话 = 13912345678", "0x45 设置成功（57 ms）",
// "0x45 无应答（3000 ms）").
struct TrafficEntryText {
    TrafficKind kind;
    Bytes bytes;
    std::u16string meaning;
};
TrafficEntryText trafficEntryOf(const ExchangeMachine::Event &event);

}  // namespace smscfg
