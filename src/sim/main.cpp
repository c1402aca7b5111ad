#include "process/language.h"
#include "process/quit_on_signal.h"
#include "process/standard_descriptors.h"
#include "process/version.h"
#include "qt_boundary/log_text.h"
#include "sim/sim_log.h"
#include "sim/simulator.h"
#include "sim/state_file.h"
#include "sim/system_io.h"
#include "sim/tool_link.h"

#include <QCoreApplication>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>

namespace {

QString helpText()
{
    return QCoreApplication::translate(
               "SimProgram",
               "smscfg-sim：串口上的虚拟短信报警控制器。\n"
               "\n"
               "用法：smscfg-sim [--link 路径 | --device 路径] [--state 文件] [--log 文件]\n"
               "                 [--baud N] [--lang zh|en] [故障选项]\n"
               "      smscfg-sim --help | --version\n"
               "\n"
               "默认建立一对伪终端，把设置工具要打开的路径作为标准输出的唯一一行打印出来；\n"
               "请求记录写到标准错误。它一直运行，直到收到 SIGINT、SIGTERM 或 SIGHUP。\n"
               "在 bash 里，打开窗口连到它、窗口关闭时停止它：\n"
               "\n"
               "  read -r port < <(smscfg-sim); smscfg \"$port\"; kill $!\n"
               "\n"
               "或者从脚本发送请求，记录写到文件里：\n"
               "\n"
               "  read -r port < <(smscfg-sim --log sim.log); smscfg-cli --port \"$port\" init; kill $!\n"
               "\n"
               "（不要用 smscfg \"$(smscfg-sim | head -1)\"：shell 要等整条管道结束，\n"
               "而模拟器不会结束。）\n"
               "\n"
               "  --link 路径    另外建立指向工具那一端的符号链接 路径，在打印串口那一行之前\n"
               "                 就建好，退出时如果它仍指向那里就删除。只建在没有东西的地方，\n"
               "                 或者替换失效的链接；路径上有别的东西（包括指向仍打开着的\n"
               "                 终端的链接）就拒绝。\n"
               "  --device 路径  改为在已有的串口设备上服务，9600 8N1\n"
               "  --state 文件   把控制器的状态以 JSON 保存在文件里：启动时文件存在就读入，\n"
               "                 每个被接受的请求之后写入（先写临时文件\n"
               "                 文件.smscfg-sim-XXXXXX，再改名；被杀掉的模拟器留下的临时\n"
               "                 文件在启动时删除）。模拟器运行时锁住该文件；另一个模拟器\n"
               "                 正在用的、不是状态的或写不进去的文件会被拒绝，原样保留\n"
               "  --log 文件     把请求记录追加到文件，而不是标准错误：普通文件、终端或\n"
               "                 管道；不跟随符号链接\n"
               "  --baud N       按 N 波特的线路接收每个请求、发送每个应答所需的时间来做\n"
               "                 （每字节 10 位：9600 时 1.04 毫秒）；超出 4096 字节缓冲区\n"
               "                 的字节被丢掉并计数\n"
               "  --lang zh|en   说中文或英文（默认看区域设置：LC_ALL、LC_MESSAGES、LANG）\n"
               "\n"
               "故障选项：\n"
               "  --refuse       对每个请求都回答 09（拒绝）\n"
               "  --silent       从不回答\n"
               "  --delay 毫秒   晚这么多毫秒再回答\n"
               "  --stray        每个应答前先发一个多余的字节（EE）\n"
               "  --split 毫秒   把每个应答分两段发送，中间隔这么多毫秒\n"
               "  --short        每个应答只发前五个字节\n"
               "\n"
               "应答是 7E FE 08 00 命令码 状态 校验和 16，状态 06 表示接受，09 表示拒绝。\n"
               "每个请求记一行：时间、帧、含义、应答。没人读的记录不会拖住模拟器：\n"
               "写不出去的行被丢掉，等能写的时候再记下丢了多少行。\n"
               "\n")
        + smscfg::toQString(smscfg::controller::refusalRules());
}

int usage(const QString &reason)
{
    QTextStream(stderr) << "smscfg-sim: " << reason << '\n'
                        << QCoreApplication::translate("SimProgram", "（smscfg-sim --help 有选项的说明）") << '\n';
    return 64;
}

int fail(const QString &message)
{
    QTextStream(stderr) << "smscfg-sim: " << message << '\n';
    return 1;
}

}  // namespace

int main(int argc, char *argv[])
{
    smscfg::ensureStandardDescriptors();
    // A reader that has gone makes writes fail, and that is all.
    std::signal(SIGPIPE, SIG_IGN);
    using smscfg::escapeForLog;
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString languageError;
    const std::optional<smscfg::Language> language = smscfg::takeLanguageOption(args, &languageError);
    smscfg::installLanguage(language.value_or(smscfg::languageOfEnvironment()));
    if (!languageError.isEmpty())
        return usage(QCoreApplication::translate("Language", "--lang 只能是 zh（中文）或 en（英文）"));
    smscfg::sim::SimOptions options;
    std::optional<QString> link, device, stateFile, logFile;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&](QString *out) {
            if (i + 1 >= args.size())
                return false;
            *out = args[++i];
            return true;
        };
        // An empty path would quietly mean none.
        auto path = [&](std::optional<QString> *out) {
            QString text;
            if (!value(&text) || text.isEmpty())
                return false;
            *out = text;
            return true;
        };
        auto number = [&](int *out) {
            QString text;
            bool ok = false;
            if (value(&text))
                *out = text.toInt(&ok);
            return ok && *out >= 0;
        };
        if (a == u"--help" || a == u"-h") {
            QTextStream(stdout) << helpText();
            return 0;
        }
        if (a == u"--version") {
            QTextStream(stdout) << "smscfg-sim " << smscfg::programVersion() << '\n';
            return 0;
        }
        if (a == u"--refuse") {
            options.refuseAll = true;
        } else if (a == u"--silent") {
            options.silent = true;
        } else if (a == u"--stray") {
            options.stray = true;
        } else if (a == u"--short") {
            options.shortReply = true;
        } else if (a == u"--delay") {
            if (!number(&options.delayMs))
                return usage(QCoreApplication::translate("SimProgram", "--delay 后面要跟毫秒数"));
        } else if (a == u"--split") {
            if (!number(&options.splitMs))
                return usage(QCoreApplication::translate("SimProgram", "--split 后面要跟毫秒数"));
        } else if (a == u"--baud") {
            if (!number(&options.baud) || options.baud == 0)
                return usage(QCoreApplication::translate("SimProgram", "--baud 后面要跟大于 0 的波特率"));
        } else if (a == u"--link") {
            if (!path(&link))
                return usage(QCoreApplication::translate("SimProgram", "--link 后面要跟路径"));
        } else if (a == u"--device") {
            if (!path(&device))
                return usage(QCoreApplication::translate("SimProgram", "--device 后面要跟路径"));
        } else if (a == u"--state") {
            if (!path(&stateFile))
                return usage(QCoreApplication::translate("SimProgram", "--state 后面要跟文件名"));
        } else if (a == u"--log") {
            if (!path(&logFile))
                return usage(QCoreApplication::translate("SimProgram", "--log 后面要跟文件名"));
        } else {
            return usage(QCoreApplication::translate("SimProgram", "不认识的参数 %1").arg(escapeForLog(a)));
        }
    }
    if (link && device)
        return usage(QCoreApplication::translate("SimProgram", "--link 和 --device 不能一起用"));
    // Nothing here waits on a file (a FIFO, a device), and until the event
    // loop runs a signal ends the program outright.
    QString error;
    smscfg::sim::ControllerState state;
    std::unique_ptr<smscfg::sim::StateFile> stateHeld;
    if (stateFile && !(stateHeld = smscfg::sim::StateFile::open(*stateFile, &state, &error)))
        return fail(error);
    int logFd = STDERR_FILENO;
    if (logFile && (logFd = smscfg::sim::openLogFile(*logFile, &error)) < 0)
        return fail(QCoreApplication::translate("SimProgram", "不往 %1 写记录：%2").arg(escapeForLog(*logFile), error));
    smscfg::sim::SimLog log(logFd, logFd != STDERR_FILENO);

    std::unique_ptr<smscfg::sim::SimLine> line = device ? smscfg::sim::SimLine::openDevice(*device, &error)
                                                        : smscfg::sim::SimLine::openPty(&error);
    if (!line)
        return fail(escapeForLog(error));
    // Before the link is made: a signal from now on ends the event loop
    // once it runs, and the link is removed on the way out.
    smscfg::quitOnTerminationSignals(app);
    std::unique_ptr<smscfg::sim::ToolLink> toolLink;
    if (link && !(toolLink = smscfg::sim::ToolLink::create(*link, line->toolPath(), &error)))
        return fail(error);

    // The only line on stdout, so that a reader may stop after it.
    std::fprintf(stdout, "%s\n", line->toolPath().toLocal8Bit().constData());
    std::fflush(stdout);

    smscfg::sim::Simulator simulator(*line, options, std::move(state), stateHeld.get(),
                                     [&log](const QString &l) { log.line(l); });
    int status = 0;
    QObject::connect(line.get(), &smscfg::sim::SimLine::lost, &app, [&](const QString &reason) {
        log.line(QStringLiteral("smscfg-sim: ") + escapeForLog(reason));
        status = 1;
        app.quit();
    });
    const int rc = app.exec();
    return rc != 0 ? rc : status;
}
