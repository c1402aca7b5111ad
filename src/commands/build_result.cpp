#include "commands/build_result.h"

namespace smscfg {

QString numberRangeRefusal(const QString &boxName, int low, int high)
{
    return QStringLiteral("%1必须是%2到%3之间的数字").arg(boxName).arg(low).arg(high);
}

QString hexPairsRefusal(const QString &boxName)
{
    return QStringLiteral("%1必须是成对的16进制数字（0-9、A-F），两个数字一个字节").arg(boxName);
}

}  // namespace smscfg
