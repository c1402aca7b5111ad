#pragma once

#include "exchange/exchange_machine.h"

#include <optional>
#include <string>

// The texts of the exchange's outcomes and of the communication log's lines,
// as the desktop's log and the command line's trace write them.
// TEMPORARY: a copy of what src/link still writes with Qt; it goes when the
// core has its own.
namespace smscfg::web {

// "设置成功", "设置失败", "设备无响应", "串口不可用，请重新设置",
// "串口连接已断开"; empty for a reply without a verdict.
std::u16string outcomeMessage(Outcome outcome);

// "设置成功（28 ms）", "设置成功（迟到 3.6 秒）", "应答无法识别：<hex>".
std::u16string resultText(const ExchangeMachine::Result &result);

enum class LogKind { Sent, Received, Outcome, Ignored, Port, NotSent };

// When a line was logged, on the PC's clock.
struct LogTime {
    int year, month, day, weekday;  // weekday 1..7 from Monday
    long long msOfDay;
};

// The log's lines: "20:38:17.123 发送 7E FE 13 ... 16  0x4C 第3个电话 =
// 13912345678", each day's first line after the day's date
// ("—— 2026-12-06 星期天 ——", on a line of its own).
class TrafficLog {
public:
    std::u16string line(const LogTime &at, LogKind kind, const ExchangeMachine::Bytes &bytes, std::u16string_view meaning);
    // The line of an exchange event.
    std::u16string line(const LogTime &at, const ExchangeMachine::Event &event);
    // The next line is after the date again (the log was cleared).
    void repeatDate() { m_day.reset(); }

private:
    std::optional<long long> m_day;  // of the last line
};

}  // namespace smscfg::web
