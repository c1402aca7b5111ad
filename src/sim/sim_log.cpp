#include "sim/sim_log.h"

#include <QCoreApplication>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace smscfg::sim {

struct SimLog::Queue {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<QByteArray> lines;
    qsizetype bytes = 0;
    qint64 dropped = 0;
    qint64 written = 0;  // lines, so that a writer that keeps going is told from one that is stuck
    bool writing = false;
    bool stopping = false;
    int fd = -1;
    bool owned = false;

    bool idle() const { return lines.empty() && !writing; }

    // Says how many lines were dropped since the last one queued; allowed
    // past the bound, so that the count is never lost.
    void pushDropNote()
    {
        if (dropped == 0)
            return;
        const QByteArray note = QCoreApplication::translate("SimProgram", "（日志写不出去，丢掉了%1行）\n").arg(dropped).toUtf8();
        lines.push_back(note);
        bytes += note.size();
        dropped = 0;
        changed.notify_all();
    }

    void run()
    {
        bool broken = false;
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return !lines.empty() || stopping; });
            if (lines.empty())
                break;
            const QByteArray line = std::move(lines.front());
            lines.pop_front();
            bytes -= line.size();
            writing = true;
            lock.unlock();
            for (qsizetype done = 0; !broken && done < line.size();) {
                const ssize_t n = ::write(fd, line.constData() + done, size_t(line.size() - done));
                if (n > 0) {
                    done += n;
                } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                    // Someone made the descriptor non-blocking: wait here.
                    pollfd writable{fd, POLLOUT, 0};
                    ::poll(&writable, 1, -1);
                } else if (n == 0 || errno != EINTR) {
                    broken = true;
                }
            }
            lock.lock();
            writing = false;
            ++written;
            changed.notify_all();
        }
        if (owned)
            ::close(fd);
    }
};

SimLog::SimLog(int fd, bool owned) : m_queue(std::make_shared<Queue>())
{
    m_queue->fd = fd;
    m_queue->owned = owned;
    // The thread holds the queue too, in case it outlives this object.
    std::thread([queue = m_queue] { queue->run(); }).detach();
}

SimLog::~SimLog()
{
    std::unique_lock lock(m_queue->mutex);
    // Lines dropped since the last one written are told too.
    m_queue->pushDropNote();
    m_queue->stopping = true;
    m_queue->changed.notify_all();
    // Everything is written while the writer keeps going, however busy the
    // machine; one that makes no progress for a moment is stuck.
    for (;;) {
        const qint64 before = m_queue->written;
        if (m_queue->changed.wait_for(lock, std::chrono::milliseconds(300),
                                      [&] { return m_queue->idle() || m_queue->written != before; })
            && !m_queue->idle())
            continue;
        break;
    }
}

void SimLog::line(const QString &text)
{
    QByteArray bytes = text.toUtf8() + '\n';
    const std::lock_guard lock(m_queue->mutex);
    if (m_queue->bytes + bytes.size() > QueueBytes) {
        ++m_queue->dropped;
        return;
    }
    m_queue->pushDropNote();
    m_queue->bytes += bytes.size();
    m_queue->lines.push_back(std::move(bytes));
    m_queue->changed.notify_all();
}

}  // namespace smscfg::sim
