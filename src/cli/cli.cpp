#include "cli/cli.h"

#include "files/files.h"
#include "process/version.h"
#include "qt_boundary/core_types.h"
#include "qt_boundary/local_time.h"

#include <algorithm>

namespace smscfg::cli {
namespace {

int listPorts(QTextStream &out, QTextStream &err, const PortDiscovery &discovery)
{
    const QList<PortInfo> ports = portsForDisplay(discovery.ports());
    if (ports.isEmpty())
        err << toQString(noPortsFoundText());
    for (const PortInfo &port : ports)
        out << portLine(port) << '\n';
    return Accepted;
}

// A profile: a regular file of at most 1 MB, opened without blocking, so
// that a FIFO or a device cannot hang the command line or fill its memory.
std::variant<std::string, std::u16string> readFile(const std::u16string &path)
{
    auto content = readRegularFile(toQString(path).toLocal8Bit().toStdString(), MaxProfileBytes);
    if (const auto *problem = std::get_if<FileProblem>(&content))
        return fileProblemText(*problem);
    return std::get<std::string>(std::move(content));
}

}  // namespace

ExchangeTimings timingsOf(const Invocation &inv)
{
    ExchangeTimings timings;
    if (inv.responseTimeout)
        timings.responseTimeout = *inv.responseTimeout;
    return timings;
}

int run(const QStringList &args, QTextStream &out, QTextStream &err, const Environment &environment)
{
    const World world{localTimeOf(environment.now), toU16(programVersion()), readFile, toU16(environment.defaultPort)};
    const WordsOutcome outcome = runWords(toU16List(args), world);
    out << toQString(outcome.out);
    err << toQString(outcome.err);
    switch (outcome.work) {
    case LineWork::None: return outcome.exitCode;
    case LineWork::Send: return environment.send(outcome.invocation, *outcome.frame, out, err);
    case LineWork::Apply: return environment.apply(outcome.invocation, outcome.steps, out, err);
    case LineWork::ListPorts: return listPorts(out, err, *environment.ports);
    }
    return outcome.exitCode;
}

}  // namespace smscfg::cli
