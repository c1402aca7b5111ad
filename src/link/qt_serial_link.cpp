#include "link/qt_serial_link.h"

#include "link/port_name.h"

namespace smscfg {

QtSerialLink::QtSerialLink(QObject *parent) : SerialLink(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::dataReceived);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialLink::onError);
}

QtSerialLink::~QtSerialLink()
{
    m_port.close();
}

bool QtSerialLink::open(const QString &portText, QString *error)
{
    close();
    const std::optional<QString> device = portDeviceName(portText, m_prefix);
    if (!device) {
        if (error)
            *error = QStringLiteral("not a port: %1").arg(portText);
        return false;
    }
    m_port.setPortName(*device);
    const bool ok = m_port.open(QIODevice::ReadWrite) && m_port.setBaudRate(QSerialPort::Baud9600)
        && m_port.setDataBits(QSerialPort::Data8) && m_port.setParity(QSerialPort::NoParity)
        && m_port.setStopBits(QSerialPort::OneStop) && m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!ok) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(*device, m_port.errorString());
        m_port.close();
        return false;
    }
    // Qt 6.4 keeps bytes that waited before the open; they would shift the
    // first verdict.
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
