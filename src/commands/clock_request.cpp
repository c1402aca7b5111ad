#include "commands/clock_request.h"

#include "commands/command_texts.h"
#include "protocol/request_text.h"
#include "protocol/wire.h"

#include <algorithm>

namespace smscfg {
namespace {

struct ClockField {
    const std::u16string ClockTexts::*text;
    CommandText name;
};

const ClockField clockFields[wire::ClockFieldCount] = {
    {&ClockTexts::year, CommandText::ClockYear},   {&ClockTexts::month, CommandText::ClockMonth},
    {&ClockTexts::day, CommandText::ClockDay},     {&ClockTexts::hour, CommandText::ClockHour},
    {&ClockTexts::minute, CommandText::ClockMinute},
};

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

std::u16string twoDigits(int value)
{
    return {char16_t(u'0' + value / 10 % 10), char16_t(u'0' + value % 10)};
}

constexpr std::u16string_view chineseWeekdays[] = {u"星期一", u"星期二", u"星期三", u"星期四",
                                                   u"星期五", u"星期六", u"星期天"};

// The weekday code 1..7 of a name: "星期一" to "星期天" ("星期日" too), or the
// name in the language chosen (in any case). 0 for any other text.
int weekdayCode(std::u16string_view name)
{
    if (name == u"星期日")
        return 7;
    const auto lower = [](std::u16string_view s) {
        std::u16string out(s);
        for (char16_t &c : out)
            if (c >= u'A' && c <= u'Z')
                c = char16_t(c - u'A' + u'a');
        return out;
    };
    const std::vector<std::u16string> shown = weekdayNames();
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (name == chineseWeekdays[i] || lower(name) == lower(shown[i]))
            return int(i) + 1;
    return 0;
}

}  // namespace

ClockTexts clockTextsOf(const LocalTime &moment)
{
    return {twoDigits(moment.year % 100), twoDigits(moment.month), twoDigits(moment.day), twoDigits(moment.hour),
            twoDigits(moment.minute), weekdayNames()[std::size_t(moment.weekday - 1)]};
}

std::u16string chineseWeekday(std::u16string_view name)
{
    const int code = weekdayCode(name);
    return code == 0 ? std::u16string(name) : std::u16string(chineseWeekdays[code - 1]);
}

std::vector<std::u16string> clockWords(const ClockTexts &texts)
{
    return {texts.year, texts.month, texts.day, texts.hour, texts.minute, texts.weekday};
}

BuildResult buildClock(const ClockTexts &texts)
{
    Bytes payload;
    for (std::size_t i = 0; i < std::size_t(wire::ClockFieldCount); ++i) {
        const ClockField &field = clockFields[i];
        const wire::ClockRange range = wire::ClockFieldRanges[i];
        const std::u16string &text = texts.*field.text;
        const bool digits = text.size() == 2 && isDigit(text[0]) && isDigit(text[1]);
        const int value = digits ? (text[0] - u'0') * 10 + (text[1] - u'0') : -1;
        if (value < range.low || value > range.high)
            return BuildResult::refusal(commandText(CommandText::ClockField,
                                                    {commandText(field.name), twoDigits(range.low), twoDigits(range.high)}));
        // The two digits become the byte's two nibbles: "26" is 0x26.
        payload.push_back(std::uint8_t((value / 10) << 4 | value % 10));
    }
    const int weekday = weekdayCode(texts.weekday);
    if (weekday == 0)
        return BuildResult::refusal(commandText(CommandText::ClockWeekday));
    payload.push_back(std::uint8_t(weekday));
    return BuildResult::ofFrame(*CommandFrame::build(code::Clock, payload));
}

}  // namespace smscfg
