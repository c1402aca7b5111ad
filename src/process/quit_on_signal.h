#pragma once

class QCoreApplication;

namespace smscfg {

// Makes SIGINT, SIGTERM and SIGHUP end every running event loop, nested
// ones (an open message box) included, so that the program shuts down
// through its normal path (ports closed, links removed). Call it before the
// event loop starts; the signals take effect once it runs.
void quitOnTerminationSignals(QCoreApplication &app);

}  // namespace smscfg
