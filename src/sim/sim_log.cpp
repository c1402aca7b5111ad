#include "sim/sim_log.h"

#include "sim/system_io.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
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

namespace {

bool fitsALog(int fd, bool named)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    // A pipe opened by name without blocking has a reader.
    return S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode) || (!named && S_ISSOCK(st.st_mode))
        || (S_ISCHR(st.st_mode) && ::isatty(fd));
}

}  // namespace

int openLogFile(const QString &path, QString *error)
{
    const QString notALog = QCoreApplication::translate("SimProgram", "它不是普通文件、终端或管道");
    // One of the descriptors the simulator was started with: named by a
    // link that is followed by design.
    static const QRegularExpression given(QStringLiteral("^/(?:dev|proc/self)/fd/([0-9]{1,9})$"));
    int inherited = -1;
    if (path == u"/dev/stdout")
        inherited = STDOUT_FILENO;
    else if (path == u"/dev/stderr")
        inherited = STDERR_FILENO;
    else if (const QRegularExpressionMatch m = given.match(path); m.hasMatch())
        inherited = m.captured(1).toInt();
    if (inherited >= 0) {
        if (::fcntl(inherited, F_GETFD) < 0) {
            *error = errnoText();
            return -1;
        }
        if (!fitsALog(inherited, false)) {
            *error = notALog;
            return -1;
        }
        const int fd = ::fcntl(inherited, F_DUPFD_CLOEXEC, 3);
        if (fd < 0)
            *error = errnoText();
        return fd;
    }
    const int fd = ::open(path.toLocal8Bit().constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        *error = errno == ELOOP ? QCoreApplication::translate("SimProgram", "它是符号链接，不跟随")
            : errno == ENXIO    ? QCoreApplication::translate("SimProgram", "它是没有人读的 FIFO")
                                : errnoText();
        return -1;
    }
    if (!fitsALog(fd, true)) {
        ::close(fd);
        *error = notALog;
        return -1;
    }
    // Opened without blocking; written by a thread that may wait.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

}  // namespace smscfg::sim
