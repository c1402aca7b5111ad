#include "process/quit_on_signal.h"
#include "process/version.h"
#include "sim/simulator.h"

#include <QCoreApplication>
#include <QFile>

#include <csignal>

namespace {

QString helpText()
{
    return QStringLiteral(
               "smscfg-sim: a virtual SMS alarm controller on a serial line.\n"
               "\n"
               "usage: smscfg-sim [--link PATH | --device PATH] [--state FILE] [fault options]\n"
               "       smscfg-sim --help | --version\n"
               "\n"
               "By default it creates a pseudo-terminal pair and prints, as its first line,\n"
               "the path the tool should open:  smscfg \"$(smscfg-sim | head -1)\"  or\n"
               "smscfg-cli --port PATH ...  It serves until SIGINT or SIGTERM.\n"
               "\n"
               "  --link PATH    also make a symbolic link PATH to that side (removed on exit)\n"
               "  --device PATH  serve on an existing serial device instead, 9600 8N1\n"
               "  --state FILE   write the controller's state as JSON after every accepted\n"
               "                 request (atomically: a temporary file, then a rename)\n"
               "\n"
               "Fault modes:\n"
               "  --refuse       answer 09 (refused) to every request\n"
               "  --silent       never answer\n"
               "  --delay MS     answer MS milliseconds late\n"
               "  --stray        put one stray byte (EE) before each reply\n"
               "  --split MS     send each reply in two parts, MS milliseconds apart\n"
               "  --short        send only the first five bytes of each reply\n"
               "\n"
               "Replies are 7E FE 08 00 CODE STATUS CS 16, STATUS 06 accepted or 09 refused.\n"
               "Each request is logged on stdout: time, frame, meaning, reply.\n"
               "\n")
        + smscfg::sim::refusalRules();
}

int usage(const QString &reason)
{
    QTextStream(stderr) << "smscfg-sim: " << reason << "\n(smscfg-sim --help explains the options)\n";
    return 64;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    smscfg::sim::SimOptions options;
    QString link, device;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&](QString *out) {
            if (i + 1 >= args.size())
                return false;
            *out = args[++i];
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
                return usage(QStringLiteral("--delay needs a number of milliseconds"));
        } else if (a == u"--split") {
            if (!number(&options.splitMs))
                return usage(QStringLiteral("--split needs a number of milliseconds"));
        } else if (a == u"--link") {
            if (!value(&link))
                return usage(QStringLiteral("--link needs a path"));
        } else if (a == u"--device") {
            if (!value(&device))
                return usage(QStringLiteral("--device needs a path"));
        } else if (a == u"--state") {
            if (!value(&options.stateFile))
                return usage(QStringLiteral("--state needs a file name"));
        } else {
            return usage(QStringLiteral("unknown argument %1").arg(a));
        }
    }
    if (!link.isEmpty() && !device.isEmpty())
        return usage(QStringLiteral("--link and --device do not go together"));

    QString error;
    std::unique_ptr<smscfg::sim::SimLine> line = device.isEmpty() ? smscfg::sim::SimLine::openPty(&error)
                                                                  : smscfg::sim::SimLine::openDevice(device, &error);
    if (!line) {
        QTextStream(stderr) << "smscfg-sim: " << error << '\n';
        return 1;
    }
    if (!link.isEmpty()) {
        QFile::remove(link);
        if (!QFile::link(line->toolPath(), link)) {
            QTextStream(stderr) << "smscfg-sim: cannot create the link " << link << '\n';
            return 1;
        }
    }

    smscfg::quitOnTerminationSignals(app);
    std::signal(SIGPIPE, SIG_IGN);

    QTextStream out(stdout);
    out << line->toolPath() << Qt::endl;
    smscfg::sim::Simulator simulator(*line, options, out);
    int status = 0;
    QObject::connect(line.get(), &smscfg::sim::SimLine::lost, &app, [&](const QString &reason) {
        QTextStream(stderr) << "smscfg-sim: " << reason << '\n';
        status = 1;
        app.quit();
    });
    const int rc = app.exec();
    if (!link.isEmpty())
        QFile::remove(link);
    return rc != 0 ? rc : status;
}
