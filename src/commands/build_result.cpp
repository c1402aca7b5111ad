#include "commands/build_result.h"

namespace smscfg {

QString numberRangeRefusal(const QString &boxName, int low, int high)
{
    return QStringLiteral("%1必须是%2到%3之间的数字").arg(boxName).arg(low).arg(high);
}

}  // namespace smscfg
