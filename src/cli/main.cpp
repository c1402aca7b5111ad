#include "cli/cli.h"
#include "cli/send.h"
#include "process/standard_descriptors.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    smscfg::ensureStandardDescriptors();
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    smscfg::cli::Environment environment;
    environment.send = smscfg::cli::sendOverSerial;
    environment.apply = smscfg::cli::applyOverSerial;
    environment.defaultPort = qEnvironmentVariable("SMSCFG_PORT");
    return smscfg::cli::run(app.arguments().mid(1), out, err, environment);
}
