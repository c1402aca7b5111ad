#include "commands/description_requests.h"

#include "protocol/decimal_text.h"
#include "protocol/hex_text.h"

namespace smscfg {

BuildResult buildDeviceDescription(const QString &address, const QString &description, const QString &content,
                                   TextEncoding encoding)
{
    if (address.isEmpty() || description.isEmpty() || content.isEmpty())
        return BuildResult::message(QStringLiteral("地址或内容或描述"));
    if (description.size() > wire::DeviceDescriptionMaxChars)
        return BuildResult::message(QStringLiteral("描述的文字超过8个汉字"));

    const std::optional<QByteArray> contentBytes = hexListToBytes(content);
    if (!contentBytes)
        return BuildResult::refusal(hexPairsRefusal(QStringLiteral("内容")));
    if (contentBytes->isEmpty())
        return BuildResult::refusal(QStringLiteral("内容至少要有一个字节（两个16进制数字）"));
    if (contentBytes->size() > wire::DeviceContentMaxBytes)
        return BuildResult::refusal(QStringLiteral("内容最多%1个字节（%2个16进制数字）")
                                        .arg(wire::DeviceContentMaxBytes)
                                        .arg(2 * wire::DeviceContentMaxBytes));
    const std::optional<quint8> addressByte = decimalTextToByte(address);
    if (!addressByte)
        return BuildResult::refusal(numberRangeRefusal(QStringLiteral("设备描述的地址"), 0, 255));

    QByteArray payload(1, char(*addressByte));
    payload += descriptionField(description, wire::DeviceDescriptionWidth, encoding);
    payload += *contentBytes;
    return BuildResult::ofFrame(*CommandFrame::build(code::DeviceDescription, payload));
}

BuildResult buildPortDescription(const QString &address, const QString &port, const QString &description,
                                 TextEncoding encoding)
{
    if (address.isEmpty() || port.isEmpty() || description.isEmpty())
        return BuildResult::message(QStringLiteral("地址或端口或描述"));
    if (trimSpaces(description).size() > wire::PortDescriptionMaxChars)
        return BuildResult::message(QStringLiteral("描述的文字超过5个汉字"));

    const std::optional<quint8> addressByte = decimalTextToByte(address);
    if (!addressByte)
        return BuildResult::refusal(numberRangeRefusal(QStringLiteral("端口描述的地址"), 0, 255));
    const std::optional<quint8> portByte = decimalTextToByte(port);
    if (!portByte)
        return BuildResult::refusal(numberRangeRefusal(QStringLiteral("端口"), 0, 255));

    QByteArray payload;
    payload += char(*addressByte);
    payload += char(*portByte);
    payload += char(wire::PortDescriptionMarker);
    payload += descriptionField(description, wire::PortDescriptionWidth, encoding);
    return BuildResult::ofFrame(*CommandFrame::build(code::PortDescription, payload));
}

}  // namespace smscfg
