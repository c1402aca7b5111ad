#include "exchange/traffic_text.h"

#include "exchange/exchange_texts.h"
#include "protocol/frame.h"
#include "protocol/request_text.h"
#include "protocol/text.h"

#include <variant>

namespace smscfg {
namespace {

std::u16string twoDigits(int value, std::size_t width = 2)
{
    std::u16string digits = text::number(value);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), u'0');
    return digits;
}

std::u16string kindLabel(TrafficKind kind)
{
    switch (kind) {
    case TrafficKind::Sent: return exchangeText(ExchangeText::Sent);
    case TrafficKind::Received: return exchangeText(ExchangeText::Received);
    case TrafficKind::Outcome: return exchangeText(ExchangeText::Outcome);
    case TrafficKind::Ignored: return exchangeText(ExchangeText::Ignored);
    case TrafficKind::Port: return exchangeText(ExchangeText::Port);
    case TrafficKind::NotSent: return exchangeText(ExchangeText::NotSent);
    }
    return {};
}

std::u16string ignoredText(ByteView bytes, Ignored why)
{
    switch (why) {
    case Ignored::OtherRequest: return exchangeText(ExchangeText::OtherRequestReply, {describeReply(bytes)});
    case Ignored::LateReply: return exchangeText(ExchangeText::LateReply, {describeReply(bytes)});
    case Ignored::Unrecognised: return exchangeText(ExchangeText::Unrecognised);
    case Ignored::Echo: return exchangeText(ExchangeText::Echo);
    }
    return {};
}

// An outcome in the log, with the request's code. The log says what
// happened on the line, not what the operator is told.
std::u16string describeOutcome(const ExchangeMachine::Result &result)
{
    const std::u16string code = result.request.size() > 4 ? codeText(result.request[4]) + u' ' : std::u16string();
    if (result.outcome == Outcome::NoResponse)
        return code + exchangeText(ExchangeText::NoReplyInLog, {text::number(result.roundTrip.count())});
    return code + resultText(result);
}

}  // namespace

std::u16string outcomeMessage(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Accepted: return exchangeText(ExchangeText::Accepted);
    case Outcome::Refused: return exchangeText(ExchangeText::Refused);
    case Outcome::NoResponse: return exchangeText(ExchangeText::NoResponse);
    case Outcome::PortUnusable: return exchangeText(ExchangeText::PortUnusable);
    case Outcome::LinkLost: return exchangeText(ExchangeText::LinkLost);
    case Outcome::NoVerdict: return {};
    }
    return {};
}

std::u16string verdictText(const ExchangeMachine::Result &result)
{
    if (result.outcome == Outcome::NoVerdict)
        return exchangeText(ExchangeText::NoVerdict, {hexText(result.reply)});
    return outcomeMessage(result.outcome);
}

std::u16string resultText(const ExchangeMachine::Result &result)
{
    switch (result.outcome) {
    case Outcome::Accepted:
    case Outcome::Refused:
    case Outcome::NoResponse: {
        const long long ms = result.roundTrip.count();
        if (result.late) {
            // Tenths of a second, rounded: "3.6".
            const long long tenths = (ms + 50) / 100;
            return exchangeText(ExchangeText::WithLateness,
                                {verdictText(result), text::number(tenths / 10) + u'.' + text::number(tenths % 10)});
        }
        return exchangeText(ExchangeText::WithRoundTrip, {verdictText(result), text::number(ms)});
    }
    case Outcome::NoVerdict:
    case Outcome::PortUnusable:
    case Outcome::LinkLost: break;
    }
    return verdictText(result);
}

std::u16string trafficLine(const TimeOfDay &time, TrafficKind kind, ByteView bytes, std::u16string_view meaning)
{
    // A frame is at most 255 bytes; longer runs are noise, shown in part.
    constexpr std::size_t MaxBytesShown = 256;
    std::u16string line = twoDigits(time.hour) + u':' + twoDigits(time.minute) + u':' + twoDigits(time.second) + u'.'
        + twoDigits(time.millisecond, 3) + u' ' + kindLabel(kind);
    if (bytes.size() > MaxBytesShown)
        line += u' '
            + exchangeText(ExchangeText::BytesElided, {hexText(bytes.first(MaxBytesShown)), text::number(long(bytes.size()))});
    else if (!bytes.empty())
        line += u' ' + hexText(bytes);
    if (!meaning.empty())
        line += std::u16string(u"  ") + std::u16string(meaning);
    return line;
}

std::u16string dayLine(const CalendarDay &day)
{
    const std::u16string date = twoDigits(day.year, 4) + u'-' + twoDigits(day.month) + u'-' + twoDigits(day.day);
    const std::u16string weekday =
        day.weekday >= 1 && day.weekday <= 7 ? weekdayNames()[std::size_t(day.weekday - 1)] : std::u16string();
    return exchangeText(ExchangeText::Day, {date, weekday});
}

TrafficEntryText trafficEntryOf(const ExchangeMachine::Event &event)
{
    if (const auto *s = std::get_if<ExchangeMachine::Sent>(&event))
        return {TrafficKind::Sent, s->frame, describeRequest(s->frame)};
    if (const auto *r = std::get_if<ExchangeMachine::Received>(&event))
        return {TrafficKind::Received, r->bytes, describeReply(r->bytes)};
    if (const auto *f = std::get_if<ExchangeMachine::Finished>(&event))
        return {TrafficKind::Outcome, {}, describeOutcome(f->result)};
    const auto &d = std::get<ExchangeMachine::Dropped>(event);
    return {TrafficKind::Ignored, d.bytes, ignoredText(d.bytes, d.why)};
}

}  // namespace smscfg
