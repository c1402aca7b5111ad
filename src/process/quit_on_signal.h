#pragma once

class QCoreApplication;

namespace smscfg {

// Makes SIGINT and SIGTERM end the application's event loop, so that the
// program shuts down through its normal path (ports closed, links removed).
void quitOnTerminationSignals(QCoreApplication &app);

}  // namespace smscfg
