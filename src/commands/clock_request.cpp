#include "commands/clock_request.h"

#include "protocol/request_text.h"
#include "protocol/wire.h"

namespace smscfg {
namespace {

struct ClockField {
    const QString ClockTexts::*text;
    const char16_t *name;
};

const ClockField clockFields[wire::ClockFieldCount] = {
    {&ClockTexts::year, u"年"}, {&ClockTexts::month, u"月"}, {&ClockTexts::day, u"日"},
    {&ClockTexts::hour, u"时"}, {&ClockTexts::minute, u"分"},
};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The weekday code 1..7 of a name; "星期日" is taken as "星期天". 0 for any
// other text.
int weekdayCode(const QString &name)
{
    if (name == u"星期日")
        return 7;
    return int(weekdayNames().indexOf(name)) + 1;
}

}  // namespace

ClockTexts clockTextsOf(const QDateTime &moment)
{
    auto two = [](int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {two(date.year() % 100), two(date.month()), two(date.day()), two(time.hour()), two(time.minute()),
            weekdayNames().at(date.dayOfWeek() - 1)};
}

QStringList clockWords(const ClockTexts &texts)
{
    return {texts.year, texts.month, texts.day, texts.hour, texts.minute, texts.weekday};
}

BuildResult buildClock(const ClockTexts &texts)
{
    QByteArray payload;
    for (int i = 0; i < wire::ClockFieldCount; ++i) {
        const ClockField &field = clockFields[i];
        const wire::ClockRange range = wire::ClockFieldRanges[i];
        const QString &text = texts.*field.text;
        const bool twoDigits = text.size() == 2 && isDigit(text[0]) && isDigit(text[1]);
        const int value = twoDigits ? (text[0].unicode() - u'0') * 10 + (text[1].unicode() - u'0') : -1;
        if (value < range.low || value > range.high)
            return BuildResult::refusal(QStringLiteral("%1必须是%2到%3之间的两位数字")
                                            .arg(QString::fromUtf16(field.name))
                                            .arg(range.low, 2, 10, QLatin1Char('0'))
                                            .arg(range.high, 2, 10, QLatin1Char('0')));
        // The two digits become the byte's two nibbles: "26" is 0x26.
        payload += char((value / 10) << 4 | value % 10);
    }
    const int weekday = weekdayCode(texts.weekday);
    if (weekday == 0)
        return BuildResult::refusal(QStringLiteral("星期必须是星期一到星期天之一"));
    payload += char(weekday);
    return BuildResult::ofFrame(*CommandFrame::build(code::Clock, payload));
}

}  // namespace smscfg
