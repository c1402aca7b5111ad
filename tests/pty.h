#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
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
