#include "app/form1.h"
#include "app/message_box_sink.h"
#include "protocol/qt_serial_link.h"
#include "protocol/quit_on_signal.h"

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
    smscfg::Form1 form(link, sink);
    sink.setParent(&form);
    form.startUp(port);
    form.show();
    return app.exec();
}
