#pragma once

#include <QString>

#include <memory>

namespace smscfg::sim {

// The simulator's log, written by a thread of its own from a bounded queue,
// so that a reader that does not keep up, or a pipe that nobody reads, never
// holds up the serving of requests. A line that does not fit in the queue is
// dropped and counted, and the count is logged once there is room again. A
// write that fails (the reader has gone) drops what follows.
class SimLog {
public:
    // Writes to `fd`, and closes it at the end when `owned`.
    SimLog(int fd, bool owned);
    // Waits for the queue to be written, and the count of lines dropped at
    // the end told; a writer that stays blocked for a moment is left behind,
    // to end with the process.
    ~SimLog();
    SimLog(const SimLog &) = delete;
    SimLog &operator=(const SimLog &) = delete;

    // One line; the caller has escaped any outside text in it.
    void line(const QString &text);

    static constexpr qsizetype QueueBytes = 64 * 1024;

private:
    struct Queue;
    std::shared_ptr<Queue> m_queue;
};

// Opens the --log file for appending, without ever blocking: a regular file
// (made when there is none), a terminal, or a pipe, one the simulator was
// given (/dev/stderr, /dev/fd/N) or a FIFO someone reads. A final symbolic
// link is not followed, since anyone may have planted it where the log is
// to go; it and anything else (a FIFO nobody reads, a folder, another
// device) are refused. The descriptor, or -1 with the reason in `error`.
int openLogFile(const QString &path, QString *error);

}  // namespace smscfg::sim
