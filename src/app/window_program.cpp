#include "app/window_program.h"

#include "app/main_window.h"
#include "app/message_box_sink.h"
#include "link/qt_serial_link.h"
#include "files/files.h"
#include "process/language.h"
#include "process/quit_on_signal.h"
#include "process/version.h"
#include "qt_boundary/log_text.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace smscfg {
namespace {

const char Help[] = QT_TRANSLATE_NOOP(
    "WindowProgram",
    "用法：smscfg [--lang zh|en] [串口]\n"
    "      smscfg --help | --version\n"
    "\n"
    "打开短信报警控制器设置窗口，并打开串口（9600,n,8,1）。\n"
    "串口：数字 N 表示第 N 个串口（Linux 上是 /dev/ttyS<N-1>，Windows 上是 COMN）；\n"
    "以 / 开头的是设备路径，如 /dev/ttyUSB0。不给串口时打开上次成功打开的串口；\n"
    "第一次启动时，系统正好有一个 USB 串口适配器就打开它，否则打开串口 1。\n"
    "上次的串口记在 ~/.config/smscfg/smscfg.conf（只记数字和串口设备，不记伪终端）。\n"
    "\n"
    "窗口需要图形界面（桌面会话）；没有图形界面时请用 smscfg-cli。\n"
    "\n"
    "语言：--lang，否则上次在“查看 → 语言”里选的，否则系统的区域设置（中文或英文）。\n"
    "\n"
    "命令行工具：smscfg-cli --help；虚拟控制器：smscfg-sim --help。\n");

// Runs `action` once, from the event loop, as soon as `widget` has painted
// (or after a moment, should it never be exposed).
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget *widget, std::function<void()> action) : QObject(widget), m_action(std::move(action))
    {
        widget->installEventFilter(this);
        QTimer::singleShot(500, this, &AfterFirstPaint::run);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Two turns of the event loop: the first finishes painting and
        // putting the window on the screen.
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, &AfterFirstPaint::run); });
        return QObject::eventFilter(watched, event);
    }

private:
    void run()
    {
        if (!m_action)
            return;
        const auto action = std::exchange(m_action, {});
        parent()->removeEventFilter(this);
        action();
        deleteLater();
    }

    std::function<void()> m_action;
};

const char NoDisplay[] = QT_TRANSLATE_NOOP(
    "WindowProgram",
    "smscfg：这个窗口需要图形界面（桌面会话），这里没有显示器"
    "（DISPLAY 和 WAYLAND_DISPLAY 都没有设置）。\n"
    "没有图形界面时，请用命令行工具 smscfg-cli 设置控制器（smscfg-cli --help 有说明）。\n");

const QString LanguageKey = QStringLiteral("language");

// The language to speak: --lang, else the one last chosen in 查看 → 语言,
// else the system's.
Language chosenLanguage(const std::optional<Language> &option, const QSettings *settings)
{
    if (option)
        return *option;
    if (const auto saved = settings ? languageNamed(settings->value(LanguageKey).toString().toStdU16String())
                                    : std::nullopt)
        return *saved;
    return languageOfSystemLocale();
}

// Whether a window can be shown at all. Checked before the GUI starts: Qt
// would abort with an English message.
bool hasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

// ~/.config/smscfg/smscfg.conf: the last port that opened and the window's
// choices. QSettings would wait for ever on a FIFO there and read a device
// without end, so the file is looked at first; one that is not a small
// regular file is neither read nor written (the window then remembers
// nothing) and `problem` says why.
QString settingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/smscfg/smscfg.conf");
}

std::unique_ptr<QSettings> openSettings(std::optional<FileProblem> *problem)
{
    constexpr qint64 MaxSettingsBytes = 64 * 1024;
    const QString path = settingsPath();
    const auto content = readRegularFile(path.toLocal8Bit().toStdString(), MaxSettingsBytes);
    const auto *fileProblem = std::get_if<FileProblem>(&content);
    if (fileProblem && !(fileProblem->kind == FileProblem::Kind::System && fileProblem->code == ENOENT)) {
        *problem = *fileProblem;
        return nullptr;
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

}  // namespace

int runWindowProgram(int argc, char *argv[], const std::function<void(MainWindow &)> &shown)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QString languageError;
    const std::optional<Language> languageOption = takeLanguageOption(args, &languageError);
    std::optional<FileProblem> settingsProblem;
    const std::unique_ptr<QSettings> settings = openSettings(&settingsProblem);
    const Language language = chosenLanguage(languageOption, settings.get());
    const auto say = [language](const char *chinese) {
        return translateEarly(language, "WindowProgram", chinese).toLocal8Bit();
    };
    if (!languageError.isEmpty()) {
        std::fprintf(stderr, "smscfg: %s\n", translateEarly(language, "Language", languageError.toUtf8().constData())
                                                  .toLocal8Bit().constData());
        return 64;
    }

    // Answered before the GUI starts, so that they work without a display.
    for (const QString &arg : std::as_const(args)) {
        if (arg == u"--help" || arg == u"-h") {
            std::fputs(say(Help).constData(), stdout);
            return 0;
        }
        if (arg == u"--version") {
            std::printf("smscfg %s\n", qPrintable(programVersion()));
            return 0;
        }
    }

    if (!hasDisplay()) {
        std::fputs(say(NoDisplay).constData(), stderr);
        return 1;
    }

    QApplication app(argc, argv);
    // Lets a Wayland desktop match the window to its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.smscfg.smscfg"));
    installLanguage(language);
    if (settingsProblem)  // told in the language now installed
        std::fputs(qPrintable(QCoreApplication::translate("WindowProgram", "smscfg: 不读也不写设置文件 %1：%2\n")
                                  .arg(escapeForLog(settingsPath()), toQString(fileProblemText(*settingsProblem)))),
                   stderr);
    if (args.size() > 2 || (args.size() == 2 && args[1].startsWith(u'-') && args[1].size() > 1
                            && !args[1].at(1).isDigit())) {
        std::fputs(qPrintable(QCoreApplication::translate("WindowProgram",
                                                          "smscfg: 参数不对：%1\n"
                                                          "用法：smscfg [--lang zh|en] [串口]（smscfg --help 有说明）\n")
                                  .arg(args.mid(1).join(u' '))),
                   stderr);
        return 64;
    }
    std::optional<QString> port;
    if (args.size() > 1)
        port = args.at(1);

    quitOnTerminationSignals(app);
    QtSerialLink link;
    MessageBoxSink sink;
    MainWindow window(link, sink);
    window.setSettings(settings.get());
    sink.setParent(&window);
    window.show();
    if (shown)
        shown(window);
    // Once the window shows: the port's message then stands over it, and
    // nothing the operator cannot see yet (the lists, the icon's pixels)
    // holds up its first paint. Inside the event loop, so that a signal ends
    // the program even while the start-up message is open.
    new AfterFirstPaint(&window, [&] {
        window.startUp(port);
        // Small sizes only: a menu or a dock takes the large ones from the
        // icon theme.
        QIcon icon(QStringLiteral(":/smscfg/smscfg-32.png"));
        icon.addFile(QStringLiteral(":/smscfg/smscfg-64.png"));
        QApplication::setWindowIcon(icon);
    });
    return app.exec();
}

}  // namespace smscfg
