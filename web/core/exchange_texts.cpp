#include "exchange_texts.h"

#include "protocol/frame.h"
#include "protocol/request_text.h"
#include "protocol/text.h"

namespace smscfg::web {
namespace {

std::u16string kindLabel(LogKind kind)
{
    switch (kind) {
    case LogKind::Sent: return u"发送";
    case LogKind::Received: return u"接收";
    case LogKind::Outcome: return u"结果";
    case LogKind::Ignored: return u"忽略";
    case LogKind::Port: return u"串口";
    case LogKind::NotSent: return u"未发送";
    }
    return {};
}

std::u16string verdictText(const ExchangeMachine::Result &result)
{
    if (result.outcome == Outcome::NoVerdict)
        return u"应答无法识别：" + hexText(result.reply);
    return outcomeMessage(result.outcome);
}

std::u16string ignoredText(const ExchangeMachine::Bytes &bytes, Ignored why)
{
    switch (why) {
    case Ignored::OtherRequest: return describeReply(bytes) + u"，不是在等的请求的应答";
    case Ignored::LateReply: return describeReply(bytes) + u"，迟到的应答：它的请求已超时，之后又发了新请求";
    case Ignored::Unrecognised: return u"无法识别的数据";
    case Ignored::Echo: return u"发出的请求的回显";
    }
    return {};
}

// "0x4C 设置成功（57 ms）", "0x45 无应答（3000 ms）": the log says what
// happened on the line, not what the operator is told.
std::u16string describeOutcome(const ExchangeMachine::Result &result)
{
    const std::u16string code = result.request.size() > 4 ? codeText(result.request[4]) + u' ' : std::u16string();
    if (result.outcome == Outcome::NoResponse)
        return code + u"无应答（" + text::number(result.roundTrip.count()) + u" ms）";
    return code + resultText(result);
}

std::u16string padded(long long value, std::size_t width)
{
    std::u16string digits = text::number(value);
    return std::u16string(width > digits.size() ? width - digits.size() : 0, u'0') + digits;
}

}  // namespace

std::u16string outcomeMessage(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Accepted: return u"设置成功";
    case Outcome::Refused: return u"设置失败";
    case Outcome::NoResponse: return u"设备无响应";
    case Outcome::PortUnusable: return u"串口不可用，请重新设置";
    case Outcome::LinkLost: return u"串口连接已断开";
    case Outcome::NoVerdict: return {};
    }
    return {};
}

std::u16string resultText(const ExchangeMachine::Result &result)
{
    switch (result.outcome) {
    case Outcome::Accepted:
    case Outcome::Refused:
    case Outcome::NoResponse:
        if (result.late) {
            // Tenths of a second, rounded as the desktop's one decimal.
            const long long tenths = (result.roundTrip.count() + 50) / 100;
            return verdictText(result) + u"（迟到 " + text::number(tenths / 10) + u'.' + text::number(tenths % 10)
                + u" 秒）";
        }
        return verdictText(result) + u"（" + text::number(result.roundTrip.count()) + u" ms）";
    case Outcome::NoVerdict:
    case Outcome::PortUnusable:
    case Outcome::LinkLost: break;
    }
    return verdictText(result);
}

std::u16string TrafficLog::line(const LogTime &at, LogKind kind, const ExchangeMachine::Bytes &bytes,
                                std::u16string_view meaning)
{
    std::u16string line;
    const long long day = (at.year * 100LL + at.month) * 100 + at.day;
    if (m_day != day) {
        m_day = day;
        line = u"—— " + padded(at.year, 4) + u'-' + padded(at.month, 2) + u'-' + padded(at.day, 2) + u' '
            + weekdayNames().at(std::size_t(at.weekday - 1)) + u" ——\n";
    }
    const long long ms = at.msOfDay;
    line += padded(ms / 3600000 % 24, 2) + u':' + padded(ms / 60000 % 60, 2) + u':' + padded(ms / 1000 % 60, 2) + u'.'
        + padded(ms % 1000, 3) + u' ' + kindLabel(kind);
    // A frame is at most 255 bytes; longer runs are noise, shown in part.
    constexpr std::size_t MaxBytesShown = 256;
    if (bytes.size() > MaxBytesShown)
        line += u' ' + hexText(ByteView(bytes).first(MaxBytesShown)) + u" …（共"
            + text::number(static_cast<long long>(bytes.size())) + u"字节）";
    else if (!bytes.empty())
        line += u' ' + hexText(bytes);
    if (!meaning.empty())
        line += u"  " + std::u16string(meaning);
    return line;
}

std::u16string TrafficLog::line(const LogTime &at, const ExchangeMachine::Event &event)
{
    if (const auto *sent = std::get_if<ExchangeMachine::Sent>(&event))
        return line(at, LogKind::Sent, sent->frame, describeRequest(sent->frame));
    if (const auto *received = std::get_if<ExchangeMachine::Received>(&event))
        return line(at, LogKind::Received, received->bytes, describeReply(received->bytes));
    if (const auto *finished = std::get_if<ExchangeMachine::Finished>(&event))
        return line(at, LogKind::Outcome, {}, describeOutcome(finished->result));
    const auto &dropped = std::get<ExchangeMachine::Dropped>(event);
    return line(at, LogKind::Ignored, dropped.bytes, ignoredText(dropped.bytes, dropped.why));
}

}  // namespace smscfg::web
