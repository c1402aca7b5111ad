#include "cli/cli.h"
#include "cli/send.h"
#include "cli_words/cli_texts.h"
#include "process/language.h"
#include "process/standard_descriptors.h"
#include "qt_boundary/core_types.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    smscfg::ensureStandardDescriptors();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    // Before the words run: --lang among the global options, else the locale.
    smscfg::installLanguage(
        smscfg::cli::languageOption(smscfg::toU16List(args)).value_or(smscfg::languageOfEnvironment()));
    QTextStream out(stdout);
    QTextStream err(stderr);
    smscfg::cli::Environment environment;
    environment.send = [](const auto &inv, const auto &frame, auto &o, auto &e) {
        return smscfg::cli::sendOverSerial(inv, frame, o, e);
    };
    environment.apply = [](const auto &inv, const auto &steps, auto &o, auto &e) {
        return smscfg::cli::applyOverSerial(inv, steps, o, e);
    };
    environment.defaultPort = qEnvironmentVariable("SMSCFG_PORT");
    const int code = smscfg::cli::run(args, out, err, environment);
    // A result that could not be printed (a full disk) is no result: a
    // script must not read success into it.
    errno = 0;
    out.flush();
    const int why = errno;
    if (out.status() != QTextStream::Ok || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int reason = why != 0 ? why : errno;
        const QString reasonText = reason != 0 ? QStringLiteral("（%1）").arg(QString::fromLocal8Bit(std::strerror(reason))) : QString();
        err << smscfg::toQString(smscfg::cli::cliText(smscfg::cli::CliText::OutputNotWritten, {smscfg::toU16(reasonText)}));
        return smscfg::cli::OutputFailed;
    }
    return code;
}
