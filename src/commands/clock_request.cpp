#include "commands/clock_request.h"

#include "protocol/wire.h"

namespace smscfg {
namespace {

struct ClockField {
    const QString ClockTexts::*text;
    const char16_t *name;
    int low, high;
};

const ClockField clockFields[wire::ClockFieldCount] = {
    {&ClockTexts::year, u"年", 0, 99},  {&ClockTexts::month, u"月", 1, 12}, {&ClockTexts::day, u"日", 1, 31},
    {&ClockTexts::hour, u"时", 0, 24}, {&ClockTexts::minute, u"分", 0, 60},
};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

}  // namespace

const QStringList &weekdayNames()
{
    static const QStringList names = {
        QStringLiteral("星期一"), QStringLiteral("星期二"), QStringLiteral("星期三"), QStringLiteral("星期四"),
        QStringLiteral("星期五"), QStringLiteral("星期六"), QStringLiteral("星期天"),
    };
    return names;
}

ClockTexts clockTextsOf(const QDateTime &moment)
{
    auto two = [](int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    const QDate date = moment.date();
    const QTime time = moment.time();
    return {two(date.year() % 100), two(date.month()), two(date.day()), two(time.hour()), two(time.minute()),
            weekdayNames().at(date.dayOfWeek() - 1)};
}

int weekdayCode(const QString &name)
{
    if (name == u"星期日")
        return 7;
    return int(weekdayNames().indexOf(name)) + 1;
}

BuildResult buildClock(const ClockTexts &texts)
{
    QByteArray payload;
    for (const ClockField &field : clockFields) {
        const QString &text = texts.*field.text;
        const bool twoDigits = text.size() == 2 && isDigit(text[0]) && isDigit(text[1]);
        const int value = twoDigits ? (text[0].unicode() - u'0') * 10 + (text[1].unicode() - u'0') : -1;
        if (value < field.low || value > field.high)
            return BuildResult::refusal(QStringLiteral("%1必须是%2到%3之间的两位数字")
                                            .arg(QString::fromUtf16(field.name))
                                            .arg(field.low, 2, 10, QLatin1Char('0'))
                                            .arg(field.high, 2, 10, QLatin1Char('0')));
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
