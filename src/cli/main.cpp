#include "cli/cli.h"
#include "cli/send.h"
#include "process/language.h"
#include "process/standard_descriptors.h"
#include "qt_boundary/core_types.h"

#include <QCoreApplication>

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
    environment.send = smscfg::cli::sendOverSerial;
    environment.apply = smscfg::cli::applyOverSerial;
    environment.defaultPort = qEnvironmentVariable("SMSCFG_PORT");
    return smscfg::cli::run(args, out, err, environment);
}
