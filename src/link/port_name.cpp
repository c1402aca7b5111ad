#include "link/port_name.h"

#include "protocol/decimal_text.h"
#include "qt_boundary/core_types.h"

namespace smscfg {

std::optional<QString> portDeviceName(const QString &portText, const QString &numberedPrefix)
{
    if (const auto number = parseDecimalFloor(trimSpaces(toU16(portText)))) {
        if (number->value < 1 || number->value > 65535)
            return std::nullopt;
#ifdef Q_OS_WIN
        Q_UNUSED(numberedPrefix);
        return QStringLiteral("COM%1").arg(number->value);
#else
        return numberedPrefix + QString::number(number->value - 1);
#endif
    }
#ifndef Q_OS_WIN
    if (portText.startsWith(u'/'))
        return portText;
#endif
    return std::nullopt;
}

}  // namespace smscfg
