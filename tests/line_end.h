#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

// The tool's end of a line (smscfg-sim's port), opened raw, for tests that
// play the tool byte by byte without an event loop.
class LineEnd {
public:
    explicit LineEnd(const QString &path)
    {
        m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios t{};
        if (m_fd >= 0 && tcgetattr(m_fd, &t) == 0) {
            cfmakeraw(&t);
            tcsetattr(m_fd, TCSANOW, &t);
        }
    }
    ~LineEnd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    LineEnd(const LineEnd &) = delete;
    LineEnd &operator=(const LineEnd &) = delete;

    bool ok() const { return m_fd >= 0; }
    bool write(const QByteArray &bytes)
    {
        return ::write(m_fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    // Waits for `count` bytes, at most `timeoutMs`; returns what came.
    QByteArray read(qsizetype count, int timeoutMs = 5000)
    {
        QByteArray out;
        QElapsedTimer timer;
        timer.start();
        while (out.size() < count && timer.elapsed() < timeoutMs) {
            pollfd p{m_fd, POLLIN, 0};
            ::poll(&p, 1, int(timeoutMs - timer.elapsed()));
            char chunk[4096];
            const ssize_t n = ::read(m_fd, chunk, size_t(std::min(count - out.size(), qsizetype(sizeof chunk))));
            if (n > 0)
                out.append(chunk, n);
        }
        return out;
    }
    // Everything that comes within `ms`.
    QByteArray readFor(int ms) { return read(1 << 20, ms); }

private:
    int m_fd = -1;
};
