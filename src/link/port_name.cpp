#include "link/port_name.h"

#include "protocol/decimal_text.h"
#include "qt_boundary/core_types.h"

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

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

bool isPseudoTerminal(const QString &path)
{
#ifndef Q_OS_WIN
    struct stat st {};
    if (::stat(path.toLocal8Bit().constData(), &st) != 0 || !S_ISCHR(st.st_mode))
        return false;
    const unsigned int kind = major(st.st_rdev);
    // Unix 98 slaves (/dev/pts/N) 136-143, /dev/ptmx 5:2, and the old BSD
    // masters (2) and slaves (3).
    return (kind >= 136 && kind <= 143) || (kind == 5 && minor(st.st_rdev) == 2) || kind == 2 || kind == 3;
#else
    Q_UNUSED(path);
    return false;
#endif
}

bool portStaysTheSame(const QString &portText)
{
    if (parseDecimalFloor(trimSpaces(toU16(portText))))
        return true;
    const std::optional<QString> path = portDeviceName(portText);
    return path && !isPseudoTerminal(*path);
}

}  // namespace smscfg
