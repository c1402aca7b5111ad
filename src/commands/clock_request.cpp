#include "commands/clock_request.h"

#include "protocol/hex_text.h"
#include "protocol/wire.h"

namespace smscfg {

const QStringList &weekdayNames()
{
    static const QStringList names = {
        QStringLiteral("星期一"), QStringLiteral("星期二"), QStringLiteral("星期三"), QStringLiteral("星期四"),
        QStringLiteral("星期五"), QStringLiteral("星期六"), QStringLiteral("星期天"),
    };
    return names;
}

BuildResult buildClock(const ClockTexts &texts)
{
    const std::pair<const QString *, QString> fields[] = {
        {&texts.year, QStringLiteral("年")},  {&texts.month, QStringLiteral("月")},
        {&texts.day, QStringLiteral("日")},   {&texts.hour, QStringLiteral("时")},
        {&texts.minute, QStringLiteral("分")},
    };
    QByteArray payload;
    for (const auto &[text, name] : fields) {
        if (text->size() < 2)
            return BuildResult::refusal(QStringLiteral("%1必须是两位数字").arg(name));
        // The two digits become the byte's two nibbles: "26" is 0x26.
        const int high = hexDigitValue(text->at(0)).value_or(0);
        const int low = hexDigitValue(text->at(1)).value_or(0);
        payload += char(high * 16 + low);
    }
    payload += char(weekdayNames().indexOf(texts.weekday) + 1);  // not found: 0
    return BuildResult::ofFrame(*CommandFrame::build(code::Clock, payload));
}

}  // namespace smscfg
