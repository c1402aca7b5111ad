#include "link/qt_serial_link.h"

#include "link/port_name.h"

#include <QFileInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
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

// Checks the device behind `path` (a link resolved to `device`) before the
// port is opened, since opening it sets its line mode. nullopt when fine.
std::optional<OpenError> checkDevice(const QString &path, const QString &device)
{
    const QByteArray name = device.toLocal8Bit();
    if (::access(name.constData(), R_OK | W_OK) != 0) {
        const int code = errno;
        return OpenError{code == ENOENT ? Reason::NotFound : code == EACCES || code == EPERM ? Reason::NoPermission
                                                                                            : Reason::Other,
                         systemError(code)};
    }
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 || !S_ISCHR(st.st_mode))
        return OpenError{Reason::NotSerial, {}};
    // A link into /dev/pts may have outlived the program that served it,
    // and its number been given to someone's terminal since. A terminal is
    // in line mode (canonical input or echo); a line that plays a serial
    // port is raw.
    if (QFileInfo(path).isSymLink() && device.startsWith(QStringLiteral("/dev/pts/"))) {
        const int fd = ::open(name.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0)
            return OpenError{Reason::NotFound, systemError(errno)};
        termios t{};
        const bool terminal = ::tcgetattr(fd, &t) != 0 || (t.c_lflag & (ICANON | ECHO)) != 0;
        ::close(fd);
        if (terminal)
            return OpenError{Reason::NotSerial, QStringLiteral("%1 is a terminal").arg(device)};
    }
    return std::nullopt;
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
    if (const std::optional<OpenError> problem = checkDevice(*path, device))
        return fail(error, problem->reason, problem->detail);
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
