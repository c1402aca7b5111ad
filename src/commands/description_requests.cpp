#include "commands/description_requests.h"

#include "protocol/command_codes.h"
#include "protocol/decimal_text.h"

namespace smscfg {

BuildResult buildDeviceDescription(const QString &text1, const QString &text5, const QString &text9,
                                   TextEncoding encoding)
{
    if (text1.isEmpty() || text5.isEmpty() || text9.isEmpty())
        return BuildResult::message(QStringLiteral("地址或内容或描述"));
    if (text5.size() > DeviceDescriptionMaxChars)
        return BuildResult::message(QStringLiteral("描述的文字超过8个汉字"));

    const qsizetype contentBytes = hexTextByteCount(text9);
    if (contentBytes == 0)
        return BuildResult::refusal(QStringLiteral("内容至少要有一个字节（两个16进制数字）"));
    if (contentBytes > DeviceContentMaxBytes)
        return BuildResult::refusal(QStringLiteral("内容最多%1个字节（%2个16进制数字）")
                                        .arg(DeviceContentMaxBytes)
                                        .arg(2 * DeviceContentMaxBytes));
    const std::optional<quint8> address = DecimalTextToByte(text1);
    if (!address)
        return BuildResult::refusal(numberRangeRefusal(QStringLiteral("设备描述的地址"), 0, 255));

    QByteArray payload(1, char(*address));
    payload += DescriptionField(text5, DeviceDescriptionWidth, encoding);
    payload += HexTextToBytes(text9);
    return BuildResult::ofFrame(*CommandFrame::build(code::DeviceDescription, payload));
}

BuildResult buildPortDescription(const QString &text6, const QString &text7, const QString &text8,
                                 TextEncoding encoding)
{
    if (text6.isEmpty() || text7.isEmpty() || text8.isEmpty())
        return BuildResult::message(QStringLiteral("地址或端口或描述"));
    if (trimSpaces(text8).size() > PortDescriptionMaxChars)
        return BuildResult::message(QStringLiteral("描述的文字超过5个汉字"));

    const std::optional<quint8> address = DecimalTextToByte(text6);
    if (!address)
        return BuildResult::refusal(numberRangeRefusal(QStringLiteral("端口描述的地址"), 0, 255));
    const std::optional<quint8> port = DecimalTextToByte(text7);
    if (!port)
        return BuildResult::refusal(numberRangeRefusal(QStringLiteral("端口"), 0, 255));

    QByteArray payload;
    payload += char(*address);
    payload += char(*port);
    payload += char(0x01);
    payload += DescriptionField(text8, PortDescriptionWidth, encoding);
    return BuildResult::ofFrame(*CommandFrame::build(code::PortDescription, payload));
}

}  // namespace smscfg
