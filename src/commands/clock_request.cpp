#include "commands/clock_request.h"

#include "protocol/codecs.h"
#include "protocol/command_codes.h"

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
        const CodecResult<QString> decimal = HexPairToByteText(*text);
        if (!decimal)
            return BuildResult::refusal(QStringLiteral("%1必须是两位数字").arg(name));
        payload += char(decimal->toInt());
    }
    payload += char(weekdayNames().indexOf(texts.weekday) + 1);  // not found: 0
    return BuildResult::ofFrame(*CommandFrame::build(code::Clock, payload));
}

}  // namespace smscfg
