#include "protocol/request_text.h"

#include "protocol/description_text.h"
#include "protocol/frame.h"
#include "protocol/protocol_texts.h"
#include "protocol/reply.h"
#include "protocol/text.h"
#include "protocol/text_fields.h"
#include "protocol/unprintable_table.h"
#include "protocol/wire.h"

#include <algorithm>

namespace smscfg {
namespace {

using text::hexByte;
using text::number;
using T = ProtocolText;

std::u16string phones(std::uint8_t high, std::uint8_t low)
{
    std::u16string names;
    for (int phone : phonesOfMask(high, low)) {
        if (!names.empty())
            names += u',';
        names += number(phone);
    }
    return names.empty() ? protocolText(T::NoSms) : protocolText(T::SmsToPhones, {names});
}

std::u16string description(ByteView field)
{
    const DecodedDescription d = decodeDescriptionField(field);
    return protocolText(T::Description, {escapeForLog(d.text),
                                         protocolText(d.encoding == u"unicode" ? T::DescriptionUnicode
                                                                               : T::DescriptionCodePage)});
}

std::u16string phoneNumber(ByteView field)
{
    const std::optional<std::u16string> text = phoneNumberOfField(field);
    return text ? escapeForLog(*text) : protocolText(T::BytesAfterNumber, {hexText(field)});
}

std::u16string level(std::uint8_t byte)
{
    if (byte == wire::HighLevel)
        return protocolText(T::HighLevel);
    if (byte == wire::LowLevel)
        return protocolText(T::LowLevel);
    return u"0x" + hexByte(byte);
}

std::u16string words(std::uint8_t code, ByteView p)
{
    const auto b = [&](std::size_t i) { return p[i]; };
    const auto n = [&](std::size_t i) { return number(p[i]); };
    switch (code) {
    case code::Initialise: return protocolText(T::Initialise);
    case code::DeviceCount: return protocolText(T::DeviceCount, {n(0)});
    case code::AddressList: return protocolText(T::AddressList, {hexText(p), number(long(p.size()))});
    case code::PortCountList: return protocolText(T::PortCountList, {hexText(p), number(long(p.size()))});
    case code::DeviceDescription:
        return protocolText(T::DeviceDescription,
                            {n(0), description(p.subspan(1, wire::DeviceDescriptionWidth)),
                             hexText(p.subspan(1 + wire::DeviceDescriptionWidth))});
    case code::PortDescription:
        return protocolText(T::PortDescription,
                            {n(0), n(1), description(p.subspan(3, wire::PortDescriptionWidth)),
                             b(2) == wire::PortDescriptionMarker ? std::u16string()
                                                                 : protocolText(T::PortDescriptionMarker, {hexByte(b(2))})});
    case code::SmsCentre: return protocolText(T::SmsCentre, {phoneNumber(p)});
    case code::RecipientPhone: return protocolText(T::RecipientPhone, {n(0), phoneNumber(p.subspan(1))});
    case code::DeviceSwitches: return protocolText(T::DeviceSwitches, {n(0), phones(b(1), b(2))});
    case code::ProbeSwitches: return protocolText(T::ProbeSwitches, {n(0), n(1), phones(b(2), b(3))});
    case code::ProbeType:
        return protocolText(T::ProbeType, {n(0), n(1),
                                           b(2) == wire::SwitchInputProbeType ? protocolText(T::SwitchInput)
                                                                              : u"0x" + hexByte(b(2))});
    case code::AlarmUpperLimit:
    case code::AlarmLowerLimit:
        return protocolText(T::AlarmLimit, {n(0), n(1),
                                            protocolText(code == code::AlarmUpperLimit ? T::UpperLimit : T::LowerLimit),
                                            level(b(2))});
    case code::Clock: {
        const int day = b(5);
        const std::u16string weekday = day >= wire::WeekdayRange.low && day <= wire::WeekdayRange.high
            ? weekdayNames()[std::size_t(day - 1)]
            : protocolText(T::WeekdayOutOfRange, {hexByte(b(5))});
        return protocolText(T::Clock,
                            {hexByte(b(0)), hexByte(b(1)), hexByte(b(2)), hexByte(b(3)), hexByte(b(4)), weekday});
    }
    default: return {};
    }
}

std::u16string hexDigits(unsigned value, int width)
{
    static const char16_t digits[] = u"0123456789abcdef";
    std::u16string out(std::size_t(width), u'0');
    for (int i = width - 1; i >= 0 && value != 0; --i, value >>= 4)
        out[std::size_t(i)] = digits[value & 0xF];
    return out;
}

}  // namespace

std::vector<std::u16string> weekdayNames()
{
    return {protocolText(T::Monday), protocolText(T::Tuesday),  protocolText(T::Wednesday), protocolText(T::Thursday),
            protocolText(T::Friday), protocolText(T::Saturday), protocolText(T::Sunday)};
}

std::u16string codeText(std::uint8_t code)
{
    return u"0x" + hexByte(code);
}

std::u16string describeRequest(ByteView frame)
{
    if (!isWellFormedFrame(frame))
        return protocolText(T::BrokenFrame);
    const std::uint8_t code = frame[4];
    const ByteView payload = frame.subspan(5, frame.size() - std::size_t(CommandFrame::MinSize));
    if (!wire::isRequestCode(code))
        return protocolText(T::UnknownCommand, {codeText(code)});
    if (!wire::payloadSize(code).contains(payload.size()))
        return protocolText(T::WrongPayloadSize, {codeText(code), number(long(payload.size()))});
    return codeText(code) + u' ' + words(code, payload);
}

std::u16string describeReply(ByteView bytes)
{
    if (!isReplyFrame(bytes))
        return {};
    const std::uint8_t status = bytes[5];
    std::u16string verdict;
    switch (verdictOfStatus(status)) {
    case Verdict::Accepted: verdict = protocolText(T::ReplyAccepted); break;
    case Verdict::Refused: verdict = protocolText(T::ReplyRefused); break;
    case Verdict::None: verdict = protocolText(T::ReplyStatus, {hexByte(status)}); break;
    }
    return protocolText(T::ReplyOf, {codeText(bytes[4]), verdict});
}

bool isPrintable(char16_t unit)
{
    if (unit >= 0xD800 && unit <= 0xDFFF)
        return false;
    const unprintable::Range *end = unprintable::ranges + unprintable::rangeCount;
    const unprintable::Range *r = std::lower_bound(unprintable::ranges, end, unit,
                                                   [](const unprintable::Range &range, char16_t u) { return range.last < u; });
    return r == end || unit < r->first;
}

std::u16string escapeForLog(std::u16string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            out += u;
            out += text[++i];
        } else if (u < 0x20 || u == 0x7F) {
            out += u"\\x" + hexDigits(u, 2);
        } else if (u == u'\\') {
            out += u"\\\\";
        } else if (!isPrintable(u)) {
            out += u"\\u" + hexDigits(u, 4);
        } else {
            out += u;
        }
    }
    return out;
}

}  // namespace smscfg
