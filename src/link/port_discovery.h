#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace smscfg {

// A serial port the system has now.
struct PortInfo {
    QString path;          // "/dev/ttyUSB0", "COM3"
    QString description;   // "USB-Serial CH340"
    QString manufacturer;
    std::optional<quint16> vendorId, productId;
    QString serialNumber;

    bool isUsbAdapter() const;
};

// Where the list of ports comes from: the system (QSerialPortInfo), or a
// list a test gives.
class PortDiscovery {
public:
    virtual ~PortDiscovery() = default;
    virtual QList<PortInfo> ports() const = 0;

    static const PortDiscovery &system();
};

// The ports in the order an installer looks for them: USB adapters
// (ttyUSB, ttyACM, or with a USB vendor id) first, then the rest, each group
// by path.
QList<PortInfo> portsForDisplay(QList<PortInfo> ports);

// The one USB serial adapter among `ports`; nullopt when there is none or
// more than one (which of them is the controller's, only the user knows).
std::optional<QString> soleUsbAdapter(const QList<PortInfo> &ports);

// "/dev/ttyUSB0	USB-Serial CH340	wch.cn	1A86:7523	A12345": what
// `smscfg-cli ports` prints for a port, tab-separated, "-" where unknown.
QString portLine(const PortInfo &port);

}  // namespace smscfg
