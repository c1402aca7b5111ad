#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

// A pseudo-terminal pair: the code under test opens slavePath() like a
// serial device, the test plays the controller on the master side.
class Pty {
public:
    Pty()
    {
        // Not inherited by the programs a test starts, which would seem to
        // hold the line from the start.
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        m_slavePath = QString::fromLocal8Bit(ptsname(m_master));
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
        // Keep the slave configured raw even before anyone opens it, and keep
        // one slave descriptor so the master does not see a hang-up meanwhile.
        m_slaveKeeper = ::open(m_slavePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios t{};
        if (m_slaveKeeper >= 0 && tcgetattr(m_slaveKeeper, &t) == 0) {
            cfmakeraw(&t);
            tcsetattr(m_slaveKeeper, TCSANOW, &t);
        }
    }
    ~Pty() { closeMaster(); closeKeeper(); }
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;

    bool ok() const { return m_master >= 0 && !m_slavePath.isEmpty(); }
    QString slavePath() const { return m_slavePath; }

    // The controller's side: what the tool wrote, waiting (with the event
    // loop running) until `count` bytes came or `timeoutMs` passed.
    QByteArray read(qsizetype count, int timeoutMs = 2000)
    {
        QElapsedTimer timer;
        timer.start();
        while (m_buffer.size() < count && timer.elapsed() < timeoutMs) {
            drain();
            if (m_buffer.size() < count)
                QTest::qWait(2);
        }
        drain();
        QByteArray out = m_buffer.left(count);
        m_buffer.remove(0, out.size());
        return out;
    }
    // Everything that arrives within `ms`.
    QByteArray readFor(int ms)
    {
        QTest::qWait(ms);
        drain();
        QByteArray out = m_buffer;
        m_buffer.clear();
        return out;
    }
    void write(const QByteArray &bytes)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
            if (n > 0)
                done += n;
            else
                QTest::qWait(1);
        }
    }
    // The line goes away, as when a USB adapter is pulled.
    void closeMaster()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }
    // Lets the tool be the only one holding the slave.
    void closeKeeper()
    {
        if (m_slaveKeeper >= 0)
            ::close(m_slaveKeeper);
        m_slaveKeeper = -1;
    }

private:
    void drain()
    {
        char chunk[512];
        ssize_t n;
        while (m_master >= 0 && (n = ::read(m_master, chunk, sizeof chunk)) > 0)
            m_buffer.append(chunk, n);
    }

    int m_master = -1;
    int m_slaveKeeper = -1;
    QString m_slavePath;
    QByteArray m_buffer;
};

// A pseudo-terminal that is the controlling terminal of a session, as a
// shell's is: a child in a session of its own holds it until the object
// goes. An idle shell prompt has it in raw mode (readline turns canonical
// input and echo off while it waits).
class SessionTerminal {
public:
    explicit SessionTerminal(bool raw)
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        const QByteArray path = ptsname(m_master);
        int ready[2], hold[2];
        if (::pipe2(ready, O_CLOEXEC) != 0 || ::pipe2(hold, O_CLOEXEC) != 0)
            return;
        m_child = ::fork();
        if (m_child == 0) {
            // Async-signal-safe calls only: the test has threads.
            ::close(ready[0]);
            ::close(hold[1]);
            ::setsid();
            const int fd = ::open(path.constData(), O_RDWR);  // becomes the session's terminal
            char byte = fd >= 0 ? 1 : 0;
            [[maybe_unused]] ssize_t n = ::write(ready[1], &byte, 1);
            n = ::read(hold[0], &byte, 1);  // until the test lets go
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(hold[0]);
        m_hold = hold[1];
        char byte = 0;
        const bool started = m_child > 0 && ::read(ready[0], &byte, 1) == 1 && byte == 1;
        ::close(ready[0]);
        const int slave = ::open(path.constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios t{};
        if (!started || slave < 0 || tcgetattr(slave, &t) != 0)
            return;
        if (raw)
            t.c_lflag &= ~tcflag_t(ICANON | ECHO);
        m_ok = tcsetattr(slave, TCSANOW, &t) == 0 && tcgetattr(slave, &m_mode) == 0;
        ::close(slave);
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
        m_path = QString::fromLocal8Bit(path);
    }
    ~SessionTerminal()
    {
        if (m_hold >= 0)
            ::close(m_hold);
        if (m_child > 0)
            ::waitpid(m_child, nullptr, 0);
        if (m_master >= 0)
            ::close(m_master);
    }
    SessionTerminal(const SessionTerminal &) = delete;
    SessionTerminal &operator=(const SessionTerminal &) = delete;

    bool ok() const { return m_ok; }
    QString path() const { return m_path; }
    // Whether its mode is still what the test set.
    bool modeUnchanged() const
    {
        const int slave = ::open(m_path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios now{};
        const bool read = slave >= 0 && tcgetattr(slave, &now) == 0;
        if (slave >= 0)
            ::close(slave);
        return read && now.c_lflag == m_mode.c_lflag && now.c_iflag == m_mode.c_iflag
            && now.c_oflag == m_mode.c_oflag && now.c_cflag == m_mode.c_cflag;
    }
    // What reached the person's screen.
    QByteArray shown()
    {
        QByteArray out;
        char chunk[512];
        ssize_t n;
        while ((n = ::read(m_master, chunk, sizeof chunk)) > 0)
            out.append(chunk, n);
        return out;
    }

private:
    int m_master = -1;
    int m_hold = -1;
    pid_t m_child = -1;
    bool m_ok = false;
    QString m_path;
    termios m_mode{};
};
