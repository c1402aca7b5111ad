#pragma once

#include "cli/cli.h"
#include "link/serial_link.h"
#include "link/time_source.h"

#include <functional>
#include <memory>

namespace smscfg::cli {

// Where a session gets its line and its time: a serial port and the
// system's clock, or in tests a fake link and virtual time.
struct LineSeam {
    std::function<std::unique_ptr<SerialLink>()> makeLink;  // unset: a QtSerialLink
    TimeSource *time = &TimeSource::system();
};

// Opens inv.ports[0], sends the frame through the exchange and waits for its
// outcome. Prints the verdict text on `out` (and, with --trace, the
// traffic on `err`) and returns its exit code. Needs a running
// QCoreApplication.
int sendOverSerial(const Invocation &inv, const CommandFrame &frame, QTextStream &out, QTextStream &err,
                   const LineSeam &seam = {});

// Applies the steps to every port of the invocation at the same time, one
// exchange per port. Prints a line per step and a summary per port on `out`;
// returns the worst exit code over all ports.
int applyOverSerial(const Invocation &inv, const std::vector<ProfileStep> &steps, QTextStream &out, QTextStream &err,
                    const LineSeam &seam = {});

}  // namespace smscfg::cli
