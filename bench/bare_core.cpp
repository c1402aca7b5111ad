// The baseline of the command line's start: a bare QtCore program that
// prints one line, as smscfg-cli --dry-run does.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "7E FE 07 00 45 4C 16\n";
    return 0;
}
