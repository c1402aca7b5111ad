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
    return smscfg::cli::run(app.arguments().mid(1), out, err,
                            {smscfg::cli::sendOverSerial, smscfg::cli::applyOverSerial});
}
