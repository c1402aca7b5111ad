#include "cli/cli.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    auto notYet = [](const smscfg::cli::Invocation &, const smscfg::CommandFrame &, QTextStream &,
                     QTextStream &e) {
        e << "sending is not available yet; use --dry-run\n";
        return int(smscfg::cli::PortUnusable);
    };
    return smscfg::cli::run(args, out, err, notYet);
}
