#include "commands/build_result.h"

namespace smscfg {

BuildResult BuildResult::frameOrRefusal(quint8 code, const QByteArray &payload, const QString &tooLong)
{
    std::optional<CommandFrame> frame = CommandFrame::build(code, payload);
    if (!frame)
        return refusal(tooLong);
    return ofFrame(std::move(*frame));
}

QString numberRangeRefusal(const QString &boxName, int low, int high)
{
    return QStringLiteral("%1必须是%2到%3之间的数字").arg(boxName).arg(low).arg(high);
}

}  // namespace smscfg
