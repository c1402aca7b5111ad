#include "commands/setup_requests.h"

#include "protocol/decimal_text.h"
#include "protocol/hex_text.h"
#include "protocol/wire.h"

namespace smscfg {
namespace {

BuildResult buildHexList(quint8 code, const QString &text, const QString &boxName)
{
    if (text.isEmpty())
        return BuildResult::message(boxName);
    const std::optional<QByteArray> list = hexListToBytes(text);
    if (!list)
        return BuildResult::refusal(hexPairsRefusal(boxName));
    if (list->size() > wire::MaxPayload)
        return BuildResult::refusal(QStringLiteral("%1最多%2个字节（%3个16进制数字）")
                                        .arg(boxName)
                                        .arg(wire::MaxPayload)
                                        .arg(2 * wire::MaxPayload));
    return BuildResult::ofFrame(*CommandFrame::build(code, *list));
}

}  // namespace

BuildResult buildInitialise()
{
    return BuildResult::ofFrame(*CommandFrame::build(code::Initialise, {}));
}

BuildResult buildDeviceCount(const QString &deviceCount)
{
    const QString boxName = QStringLiteral("设备总数");
    if (deviceCount.isEmpty())
        return BuildResult::message(boxName);
    const std::optional<quint8> count = decimalTextToByte(deviceCount);
    if (!count)
        return BuildResult::refusal(numberRangeRefusal(boxName, 0, 255));
    return BuildResult::ofFrame(*CommandFrame::build(code::DeviceCount, QByteArray(1, char(*count))));
}

BuildResult buildAddressList(const QString &addresses)
{
    return buildHexList(code::AddressList, addresses, QStringLiteral("地址数"));
}

BuildResult buildPortCountList(const QString &portCounts)
{
    return buildHexList(code::PortCountList, portCounts, QStringLiteral("设备端口数"));
}

}  // namespace smscfg
