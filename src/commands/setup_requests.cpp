#include "commands/setup_requests.h"

#include "protocol/command_codes.h"
#include "protocol/decimal_text.h"
#include "protocol/text_fields.h"

namespace smscfg {
namespace {

BuildResult buildHexList(quint8 code, const QString &text, const QString &boxName)
{
    if (text.isEmpty())
        return BuildResult::message(boxName);
    // Count first: a pasted novel should not be converted only to be refused.
    if (hexTextByteCount(text) > CommandFrame::MaxPayload)
        return BuildResult::refusal(QStringLiteral("%1最多%2个字节（%3个16进制数字）")
                                        .arg(boxName)
                                        .arg(CommandFrame::MaxPayload)
                                        .arg(2 * CommandFrame::MaxPayload));
    return BuildResult::ofFrame(*CommandFrame::build(code, HexTextToBytes(text)));
}

}  // namespace

BuildResult buildInitialise()
{
    return BuildResult::ofFrame(*CommandFrame::build(code::Initialise, {}));
}

BuildResult buildDeviceCount(const QString &text3)
{
    const QString boxName = QStringLiteral("设备总数");
    if (text3.isEmpty())
        return BuildResult::message(boxName);
    const std::optional<quint8> count = DecimalTextToByte(text3);
    if (!count)
        return BuildResult::refusal(numberRangeRefusal(boxName, 0, 255));
    return BuildResult::ofFrame(*CommandFrame::build(code::DeviceCount, QByteArray(1, char(*count))));
}

BuildResult buildAddressList(const QString &text2)
{
    return buildHexList(code::AddressList, text2, QStringLiteral("地址数"));
}

BuildResult buildPortCountList(const QString &text4)
{
    return buildHexList(code::PortCountList, text4, QStringLiteral("设备端口数"));
}

}  // namespace smscfg
