#pragma once

#include "cli/cli.h"

namespace smscfg::cli {

// Opens inv.port, sends the frame through the exchange and waits for its
// outcome. Prints the verdict text on `out` and returns its exit code. Needs
// a running QCoreApplication.
int sendOverSerial(const Invocation &inv, const CommandFrame &frame, QTextStream &out, QTextStream &err);

}  // namespace smscfg::cli
