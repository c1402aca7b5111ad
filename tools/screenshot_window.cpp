// The window program as scripts/screenshot shows it, with what a picture
// needs and a test machine lacks: a USB serial adapter in the port list
// (through the port-discovery seam) and a dark theme.
//   SMSCFG_SHOT_ADAPTER=PATH  the system "has" one CH340 adapter at PATH
//   SMSCFG_SHOT_DARK=1        a dark palette
#include "app/main_window.h"
#include "app/window_program.h"
#include "link/port_discovery.h"

#include <QApplication>
#include <QPalette>

namespace {

class ListedPorts : public smscfg::PortDiscovery {
public:
    QList<smscfg::PortInfo> ports() const override { return list; }
    QList<smscfg::PortInfo> list;
};

QPalette darkPalette()
{
    QPalette p;
    const QColor window(0x35, 0x35, 0x35), base(0x24, 0x24, 0x24);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Light, window.lighter(150));
    p.setColor(QPalette::Mid, window.lighter(120));
    p.setColor(QPalette::Dark, window.darker(150));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    return p;
}

}  // namespace

int main(int argc, char *argv[])
{
    ListedPorts ports;
    const QString adapter = qEnvironmentVariable("SMSCFG_SHOT_ADAPTER");
    if (!adapter.isEmpty())
        ports.list << smscfg::PortInfo{adapter, "USB-Serial CH340", "wch.cn", quint16(0x1A86), quint16(0x7523), ""};
    ports.list << smscfg::PortInfo{"/dev/ttyS0", "", "", std::nullopt, std::nullopt, ""};
    const bool dark = qEnvironmentVariableIsSet("SMSCFG_SHOT_DARK");
    return smscfg::runWindowProgram(argc, argv, [&](smscfg::MainWindow &window) {
        if (!adapter.isEmpty())
            window.setPortDiscovery(ports);
        if (dark)
            QApplication::setPalette(darkPalette());
    });
}
