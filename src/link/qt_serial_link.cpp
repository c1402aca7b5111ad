#include "link/qt_serial_link.h"

#include "link/port_name.h"

#include <QFileInfo>
#include <QScopeGuard>

#ifndef Q_OS_WIN
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <variant>
#endif

namespace smscfg {
namespace {

using Reason = OpenError::Reason;

bool fail(OpenError *error, Reason reason, const QString &detail = {})
{
    if (error)
        *error = {reason, detail};
    return false;
}

#ifndef Q_OS_WIN
QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Whether the terminal open on `fd` is some session's controlling terminal:
// someone's shell, or a login on a serial console. Only the session that owns
// a terminal may ask the kernel who that is (TIOCGSID), so a child in a
// session of its own tries to take the terminal as its own (TIOCSCTTY), which
// fails exactly when another session has it, and gives it back at once.
// nullopt when it cannot be told.
std::optional<bool> isControllingTerminal(int fd)
{
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        // Only async-signal-safe calls here. Giving the terminal back sends
        // SIGHUP to this child alone, which must not reach the parent's
        // handler (it shares the parent's wake-up socket).
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGHUP, &ignore, nullptr);
        if (::setsid() < 0)
            ::_exit(2);
        if (::ioctl(fd, TIOCSCTTY, 0) != 0)
            ::_exit(errno == EPERM ? 1 : 2);
        ::ioctl(fd, TIOCNOTTY);
        ::_exit(0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            return std::nullopt;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return std::nullopt;
    return WEXITSTATUS(status) == 1;
}

OpenError::Reason reasonOfOpenFailure(int code)
{
    switch (code) {
    case ENOENT:
    case ENXIO:
    case ENODEV: return Reason::NotFound;
    case EACCES:
    case EPERM: return Reason::NoPermission;
    case EBUSY: return Reason::InUse;
    default: return Reason::Other;
    }
}

// Looks at the device behind `path` before the port is opened, since
// opening it sets its line mode. Returns a descriptor on it (no controlling
// terminal, no wait for a carrier) to be held until the port is open, so
// that the line does not hang up between the two opens; or why the port
// must not be opened.
std::variant<int, OpenError> checkDevice(const QString &device)
{
    const QByteArray name = device.toLocal8Bit();
    if (::access(name.constData(), R_OK | W_OK) != 0) {
        const int code = errno;
        return OpenError{reasonOfOpenFailure(code), systemError(code)};
    }
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 || !S_ISCHR(st.st_mode))
        return OpenError{Reason::NotSerial, {}};
    const int fd = ::open(name.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        return OpenError{reasonOfOpenFailure(code), systemError(code)};
    }
    const auto refuse = [fd](OpenError error) {
        ::close(fd);
        return error;
    };
    // Another program holds it in exclusive mode, which does not stop root.
    int exclusive = 0;
    if (::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0)
        return refuse({Reason::InUse, QStringLiteral("%1 is in exclusive use").arg(device)});
    if (::isatty(fd)) {
        const std::optional<bool> controlling = isControllingTerminal(fd);
        if (!controlling)
            return refuse({Reason::Other, QStringLiteral("cannot tell whether %1 is someone's terminal").arg(device)});
        if (*controlling)
            return refuse({Reason::Terminal, QStringLiteral("%1 is a session's terminal").arg(device)});
    }
    return fd;
}
#endif

}  // namespace

QtSerialLink::QtSerialLink(QObject *parent) : SerialLink(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::dataReceived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialLink::onError);
}

QtSerialLink::~QtSerialLink()
{
    m_port.close();
}

bool QtSerialLink::open(const QString &portText, OpenError *error)
{
    close();
    const std::optional<QString> path = portDeviceName(portText, m_prefix);
    if (!path)
        return fail(error, Reason::NotAPort);
#ifndef Q_OS_WIN
    // The real device, so that a link and its target are one port to every
    // lock.
    const QString device = QFileInfo(*path).canonicalFilePath();
    if (device.isEmpty())
        return fail(error, Reason::NotFound, systemError(ENOENT));
    const std::variant<int, OpenError> checked = checkDevice(device);
    if (const auto *problem = std::get_if<OpenError>(&checked))
        return fail(error, problem->reason, problem->detail);
    const int probe = std::get<int>(checked);
    const auto closeProbe = qScopeGuard([probe] { ::close(probe); });
#else
    const QString device = *path;
#endif
    m_port.setPortName(device);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError code = m_port.error();
        const QString detail = m_port.errorString();
        m_port.close();
        switch (code) {
        case QSerialPort::DeviceNotFoundError: return fail(error, Reason::NotFound, detail);
        // Access was checked above: what is left is Qt's lock or the
        // kernel's exclusive mode, both held by another program.
        case QSerialPort::PermissionError: return fail(error, Reason::InUse, detail);
        case QSerialPort::UnsupportedOperationError: return fail(error, Reason::NotSerial, detail);
        default: return fail(error, Reason::Other, detail);
        }
    }
#ifndef Q_OS_WIN
    // The kernel's exclusive mode does not hold against root; an advisory
    // lock on the open device does, between programs that take it.
    if (::flock(int(m_port.handle()), LOCK_EX | LOCK_NB) != 0) {
        const int code = errno;
        m_port.close();
        return fail(error, code == EWOULDBLOCK ? Reason::InUse : Reason::Other, systemError(code));
    }
#endif
    const bool configured = m_port.setBaudRate(QSerialPort::Baud9600) && m_port.setDataBits(QSerialPort::Data8)
        && m_port.setParity(QSerialPort::NoParity) && m_port.setStopBits(QSerialPort::OneStop)
        && m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        const QString detail = m_port.errorString();
        m_port.close();
        return fail(error, Reason::NotSerial, detail);
    }
    // Qt 6.4 keeps bytes that waited before the open; they would be taken
    // for the first reply.
    m_port.clear();
    return true;
}

void QtSerialLink::close()
{
    if (m_port.isOpen())
        m_port.close();
}

bool QtSerialLink::isOpen() const
{
    return m_port.isOpen();
}

bool QtSerialLink::write(const QByteArray &bytes)
{
    if (!m_port.isOpen())
        return false;
    return m_port.write(bytes) == bytes.size();
}

QByteArray QtSerialLink::readAll()
{
    return m_port.isOpen() ? m_port.readAll() : QByteArray();
}

void QtSerialLink::onError(QSerialPort::SerialPortError error)
{
    // After a lost link Qt 6.4 repeats ReadError in a busy loop until the
    // port is closed, so close on the first one.
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError && error != QSerialPort::WriteError)
        return;
    if (!m_port.isOpen())
        return;
    const QString reason = m_port.errorString();
    m_port.close();
    emit linkLost(reason);
}

}  // namespace smscfg
