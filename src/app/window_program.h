#pragma once

#include <functional>

namespace smscfg {

class MainWindow;

// The window program: answers --help and --version, else shows the window,
// opens the port and runs until the window closes or a signal ends it.
// `shown` runs once the window is shown, before the event loop starts.
int runWindowProgram(int argc, char *argv[], const std::function<void(MainWindow &)> &shown = {});

}  // namespace smscfg
