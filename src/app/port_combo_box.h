#pragma once

#include "link/port_discovery.h"

#include <QComboBox>

namespace smscfg {

// The serial port box: the ports the system has now, USB adapters first,
// each listed with its description while the box's text stays the port
// itself; then "1" to "16". The list is read again each time it drops down.
class PortComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int DescriptionRole = Qt::UserRole + 1;

    explicit PortComboBox(QWidget *parent = nullptr);

    void setPortDiscovery(const PortDiscovery &ports) { m_ports = &ports; }

    // Reads the list again; the box keeps its text. Returns the system's
    // ports, in the order listed.
    QList<PortInfo> refresh();

    void showPopup() override;

private:
    const PortDiscovery *m_ports = &PortDiscovery::system();
};

}  // namespace smscfg
