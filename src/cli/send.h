#pragma once

#include "cli/cli.h"

namespace smscfg::cli {

// Opens inv.ports[0], sends the frame through the exchange and waits for its
// outcome. Prints the verdict text on `out` (and, with --trace, the
// traffic on `err`) and returns its exit code. Needs a running
// QCoreApplication.
int sendOverSerial(const Invocation &inv, const CommandFrame &frame, QTextStream &out, QTextStream &err);

// Applies the steps to every port of the invocation at the same time, one
// exchange per port. Prints a line per step and a summary per port on `out`;
// returns the worst exit code over all ports.
int applyOverSerial(const Invocation &inv, const std::vector<ProfileStep> &steps, QTextStream &out, QTextStream &err);

}  // namespace smscfg::cli
