#include "link/port_discovery.h"

#include "qt_boundary/log_text.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace smscfg {
namespace {

class SystemPorts : public PortDiscovery {
public:
    QList<PortInfo> ports() const override
    {
        QList<PortInfo> list;
        for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
            PortInfo port{info.systemLocation(), info.description(), info.manufacturer(), {}, {},
                          info.serialNumber()};
            if (info.hasVendorIdentifier())
                port.vendorId = info.vendorIdentifier();
            if (info.hasProductIdentifier())
                port.productId = info.productIdentifier();
            list << port;
        }
        return list;
    }
};

// A device's own words (its USB descriptor) are outside text.
QString orDash(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("-") : escapeForLog(text);
}

QString hex4(quint16 value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

bool PortInfo::isUsbAdapter() const
{
    return path.contains(QStringLiteral("ttyUSB")) || path.contains(QStringLiteral("ttyACM")) || vendorId.has_value();
}

const PortDiscovery &PortDiscovery::system()
{
    static const SystemPorts ports;
    return ports;
}

QList<PortInfo> portsForDisplay(QList<PortInfo> ports)
{
    // ttyUSB2 before ttyUSB10.
    const auto key = [](const QString &path) {
        qsizetype digits = path.size();
        while (digits > 0 && path[digits - 1].isDigit())
            --digits;
        return std::pair(path.left(digits), path.mid(digits).toULongLong());
    };
    std::stable_sort(ports.begin(), ports.end(), [&](const PortInfo &a, const PortInfo &b) {
        if (a.isUsbAdapter() != b.isUsbAdapter())
            return a.isUsbAdapter();
        return key(a.path) < key(b.path);
    });
    return ports;
}

std::optional<QString> soleUsbAdapter(const QList<PortInfo> &ports)
{
    std::optional<QString> adapter;
    for (const PortInfo &port : ports) {
        if (!port.isUsbAdapter())
            continue;
        if (adapter)
            return std::nullopt;
        adapter = port.path;
    }
    return adapter;
}

QString portLine(const PortInfo &port)
{
    const QString ids = port.vendorId && port.productId ? hex4(*port.vendorId) + u':' + hex4(*port.productId)
                                                        : QStringLiteral("-");
    return QStringList{escapeForLog(port.path), orDash(port.description), orDash(port.manufacturer), ids,
                       orDash(port.serialNumber)}
        .join(u'\t');
}

}  // namespace smscfg
