#include "link/port_text.h"

#include "link/port_name.h"
#include "protocol/decimal_text.h"
#include "protocol/frame.h"
#include "qt_boundary/core_types.h"
#include "qt_boundary/log_text.h"

#include <QCoreApplication>

namespace smscfg {

QString openErrorText(const OpenError &error)
{
    switch (error.reason) {
    case OpenError::Reason::NotAPort: return QCoreApplication::translate("PortText", "串口要写成数字（如 3）或设备路径（如 /dev/ttyUSB0）");
    case OpenError::Reason::NotFound: return QCoreApplication::translate("PortText", "没有这个串口设备：它不存在，或已被拔出");
    case OpenError::Reason::NoPermission:
        return QCoreApplication::translate("PortText", "没有权限打开该串口：请把当前用户加入 dialout 组，然后重新登录");
    case OpenError::Reason::InUse: return QCoreApplication::translate("PortText", "该串口正被另一个程序使用");
    case OpenError::Reason::NotSerial: return QCoreApplication::translate("PortText", "这不是串口设备");
    case OpenError::Reason::Terminal: return QCoreApplication::translate("PortText", "这是一个正在使用的终端，不是串口设备");
    case OpenError::Reason::Other: break;
    }
    return error.detail.isEmpty() ? QCoreApplication::translate("PortText", "无法打开该串口")
                                  : QCoreApplication::translate("PortText", "无法打开该串口：%1").arg(escapeForLog(error.detail));
}

QString portDisplayName(const QString &portText)
{
    // A path is outside text: shown with its control characters escaped.
    if (parseDecimalFloor(trimSpaces(toU16(portText))))
        return QStringLiteral("COM") + escapeForLog(portText);
    if (trimSpaces(toU16(portText)).empty())
        return QCoreApplication::translate("PortText", "串口");
    return escapeForLog(portText);
}

QString portOpenedMessage(const QString &portText)
{
    return QCoreApplication::translate("PortText", "%1 已打开（9600,n,8,1）").arg(portDisplayName(portText));
}

QString linkLostMessage(const QString &portText)
{
    return QCoreApplication::translate("PortText", "%1 连接已断开（设备被拔出，或另一端已关闭）").arg(portDisplayName(portText));
}

QString unusablePortMessage(const QString &portText, const OpenError &error)
{
    const QString name = portDisplayName(portText);
    QString message = QCoreApplication::translate("PortText", "%1不能用,请换到另一个串口。").arg(name) + u'\n' + openErrorText(error);
    // "COM1" means nothing to a Linux user: name the device it stands for.
    const std::optional<QString> device = portDeviceName(portText);
    if (device && *device != name && *device != portText)
        message += QCoreApplication::translate("PortText", "（%1 即 %2）").arg(name, *device);
    return message;
}

}  // namespace smscfg
