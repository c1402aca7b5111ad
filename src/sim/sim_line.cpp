#include "sim/sim_line.h"

#include "sim/system_io.h"

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace smscfg::sim {
namespace {

bool makeRaw(int fd, bool setSpeed)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    if (setSpeed && (cfsetispeed(&t, B9600) != 0 || cfsetospeed(&t, B9600) != 0))
        return false;
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

QString systemError(const QString &what)
{
    return QStringLiteral("%1: %2").arg(what, errnoText());
}

}  // namespace

SimLine::SimLine(int fd, int keeper, QString toolPath)
    : m_fd(fd), m_keeper(keeper), m_toolPath(std::move(toolPath)),
      m_notifier(std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read))
{
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SimLine::onReadable);
}

SimLine::~SimLine()
{
    m_notifier.reset();
    if (m_keeper >= 0)
        ::close(m_keeper);
    ::close(m_fd);
}

std::unique_ptr<SimLine> SimLine::openPty(QString *error)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        *error = systemError(QCoreApplication::translate("SimProgram", "无法建立伪终端"));
        if (master >= 0)
            ::close(master);
        return nullptr;
    }
    const QString slave = QString::fromLocal8Bit(ptsname(master));
    const int keeper = ::open(slave.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (keeper < 0 || !makeRaw(keeper, true)) {
        *error = systemError(QCoreApplication::translate("SimProgram", "无法设置 %1").arg(slave));
        ::close(master);
        if (keeper >= 0)
            ::close(keeper);
        return nullptr;
    }
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    return std::unique_ptr<SimLine>(new SimLine(master, keeper, slave));
}

std::unique_ptr<SimLine> SimLine::openDevice(const QString &path, QString *error)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        *error = systemError(QCoreApplication::translate("SimProgram", "无法打开 %1").arg(path));
        return nullptr;
    }
    if (!makeRaw(fd, true)) {
        *error = systemError(QCoreApplication::translate("SimProgram", "无法把 %1 设成 9600 8N1").arg(path));
        ::close(fd);
        return nullptr;
    }
    tcflush(fd, TCIOFLUSH);
    return std::unique_ptr<SimLine>(new SimLine(fd, -1, path));
}

bool SimLine::write(const QByteArray &bytes)
{
    return writeAll(m_fd, bytes);
}

void SimLine::onReadable()
{
    char chunk[1024];
    for (;;) {
        const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
        if (n > 0) {
            emit received(QByteArray(chunk, n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        // End of file or an error (the device was unplugged): stop watching,
        // or the notifier would fire without pause.
        m_notifier->setEnabled(false);
        emit lost(n == 0 ? QCoreApplication::translate("SimProgram", "线路已关闭") : systemError(QCoreApplication::translate("SimProgram", "读取失败")));
        return;
    }
}

}  // namespace smscfg::sim
