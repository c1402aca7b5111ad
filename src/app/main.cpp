#include "app/main_window.h"
#include "app/message_box_sink.h"
#include "link/qt_serial_link.h"
#include "process/quit_on_signal.h"
#include "process/standard_descriptors.h"
#include "process/version.h"

#include "app/qt_translations.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

const char Help[] =
    "用法：smscfg [串口]\n"
    "      smscfg --help | --version\n"
    "\n"
    "打开短信报警控制器设置窗口，并打开串口（9600,n,8,1）。\n"
    "串口：数字 N 表示第 N 个串口（Linux 上是 /dev/ttyS<N-1>，Windows 上是 COMN）；\n"
    "以 / 开头的是设备路径，如 /dev/ttyUSB0。不给串口时打开串口 1。\n"
    "\n"
    "命令行工具：smscfg-cli --help；虚拟控制器：smscfg-sim --help。\n";

}  // namespace

int main(int argc, char *argv[])
{
    smscfg::ensureStandardDescriptors();
    // Answered before the GUI starts, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Help, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("smscfg %s\n", qPrintable(smscfg::programVersion()));
            return 0;
        }
    }

    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 2 || (args.size() == 2 && args[1].startsWith(u'-') && args[1].size() > 1
                            && !args[1].at(1).isDigit())) {
        std::fprintf(stderr, "smscfg: 参数不对：%s\n用法：smscfg [串口]（smscfg --help 有说明）\n",
                     qPrintable(args.mid(1).join(u' ')));
        return 64;
    }
    const QString port = args.size() > 1 ? args.at(1) : QStringLiteral("1");

    smscfg::installQtChineseTranslations(app);

    smscfg::quitOnTerminationSignals(app);
    smscfg::QtSerialLink link;
    smscfg::MessageBoxSink sink;
    smscfg::MainWindow window(link, sink);
    sink.setParent(&window);
    window.show();
    // Inside the event loop, so that a signal ends the program even while
    // the start-up message is open.
    QTimer::singleShot(0, &window, [&] { window.startUp(port); });
    return app.exec();
}
