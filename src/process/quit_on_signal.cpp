#include "process/quit_on_signal.h"

#include <QCoreApplication>

#ifndef Q_OS_WIN
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace smscfg {
namespace {

int wakeFds[2] = {-1, -1};

// Only async-signal-safe work here: the event loop does the rest.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakeFds[1], &byte, 1);
}

}  // namespace

void quitOnTerminationSignals(QCoreApplication &app)
{
    if (wakeFds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeFds) != 0)
        return;
    ::fcntl(wakeFds[0], F_SETFL, O_NONBLOCK);
    ::fcntl(wakeFds[1], F_SETFL, O_NONBLOCK);
    auto *notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        // Drained, or the notifier would fire again at once, for ever.
        char buffer[64];
        while (::read(wakeFds[0], buffer, sizeof buffer) > 0) {
        }
        // exit(), not quit(): quit() is ignored while only a nested loop
        // runs, and exit() ends the nested ones as well.
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

}  // namespace smscfg
#else
namespace smscfg {
void quitOnTerminationSignals(QCoreApplication &) {}
}  // namespace smscfg
#endif
