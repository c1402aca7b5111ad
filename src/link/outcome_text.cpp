#include "link/outcome_text.h"

#include "link/port_name.h"
#include "protocol/decimal_text.h"
#include "protocol/frame.h"
#include "qt_boundary/core_types.h"

namespace smscfg {

QString outcomeMessage(Exchange::Outcome outcome)
{
    switch (outcome) {
    case Exchange::Outcome::Accepted: return QStringLiteral("设置成功");
    case Exchange::Outcome::Refused: return QStringLiteral("设置失败");
    case Exchange::Outcome::NoResponse: return QStringLiteral("设备无响应");
    case Exchange::Outcome::PortUnusable: return QStringLiteral("串口不可用，请重新设置");
    case Exchange::Outcome::LinkLost: return QStringLiteral("串口连接已断开");
    case Exchange::Outcome::NoVerdict: return {};
    }
    return {};
}

QString verdictText(const Exchange::Result &result)
{
    if (result.outcome == Exchange::Outcome::NoVerdict)
        return QStringLiteral("应答无法识别：") + toQString(hexText(bytesOf(result.reply)));
    return outcomeMessage(result.outcome);
}

QString resultText(const Exchange::Result &result)
{
    switch (result.outcome) {
    case Exchange::Outcome::Accepted:
    case Exchange::Outcome::Refused:
    case Exchange::Outcome::NoResponse:
        if (result.late)
            return verdictText(result) + QStringLiteral("（迟到 %1 秒）").arg(double(result.roundTrip.count()) / 1000.0, 0, 'f', 1);
        return verdictText(result) + QStringLiteral("（%1 ms）").arg(result.roundTrip.count());
    case Exchange::Outcome::NoVerdict:
    case Exchange::Outcome::PortUnusable:
    case Exchange::Outcome::LinkLost: break;
    }
    return verdictText(result);
}

QString openErrorText(const OpenError &error)
{
    switch (error.reason) {
    case OpenError::Reason::NotAPort: return QStringLiteral("串口要写成数字（如 3）或设备路径（如 /dev/ttyUSB0）");
    case OpenError::Reason::NotFound: return QStringLiteral("没有这个串口设备：它不存在，或已被拔出");
    case OpenError::Reason::NoPermission:
        return QStringLiteral("没有权限打开该串口：请把当前用户加入 dialout 组，然后重新登录");
    case OpenError::Reason::InUse: return QStringLiteral("该串口正被另一个程序使用");
    case OpenError::Reason::NotSerial: return QStringLiteral("这不是串口设备");
    case OpenError::Reason::Other: break;
    }
    return error.detail.isEmpty() ? QStringLiteral("无法打开该串口")
                                  : QStringLiteral("无法打开该串口：%1").arg(error.detail);
}

QString portDisplayName(const QString &portText)
{
    if (parseDecimalFloor(trimSpaces(toU16(portText))))
        return QStringLiteral("COM") + portText;
    if (trimSpaces(toU16(portText)).empty())
        return QStringLiteral("串口");
    return portText;
}

QString portOpenedMessage(const QString &portText)
{
    return QStringLiteral("%1 已打开（9600,n,8,1）").arg(portDisplayName(portText));
}

QString linkLostMessage(const QString &portText)
{
    return portDisplayName(portText) + QStringLiteral(" 连接已断开（设备被拔出，或另一端已关闭）");
}

QString unusablePortMessage(const QString &portText, const OpenError &error)
{
    const QString name = portDisplayName(portText);
    QString message = name + QStringLiteral("不能用,请换到另一个串口。\n") + openErrorText(error);
    // "COM1" means nothing to a Linux user: name the device it stands for.
    const std::optional<QString> device = portDeviceName(portText);
    if (device && *device != name && *device != portText)
        message += QStringLiteral("（%1 即 %2）").arg(name, *device);
    return message;
}

}  // namespace smscfg
