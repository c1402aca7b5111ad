#include "app/main_window.h"
#include "app/message_box_sink.h"
#include "link/qt_serial_link.h"
#include "process/quit_on_signal.h"

#include <QApplication>

// smscfg [PORT]: PORT is the serial port to open at start-up instead of 1:
// a number N (COMN, /dev/ttyS<N-1> on Linux) or a device path.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    smscfg::quitOnTerminationSignals(app);
    const QStringList args = app.arguments();
    const QString port = args.size() > 1 ? args.at(1) : QStringLiteral("1");

    smscfg::QtSerialLink link;
    smscfg::MessageBoxSink sink;
    smscfg::MainWindow window(link, sink);
    sink.setParent(&window);
    window.startUp(port);
    window.show();
    return app.exec();
}
