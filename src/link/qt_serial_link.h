#pragma once

#include "link/serial_link.h"

#include <QSerialPort>

namespace smscfg {

// SerialLink over QSerialPort.
class QtSerialLink : public SerialLink {
    Q_OBJECT
public:
    explicit QtSerialLink(QObject *parent = nullptr);
    ~QtSerialLink() override;

    // Where numbered ports live ("/dev/ttyS" unless changed, for tests).
    void setNumberedPortPrefix(const QString &prefix) { m_prefix = prefix; }

    bool open(const QString &portText, OpenError *error) override;
    void close() override;
    bool isOpen() const override;
    bool write(const QByteArray &bytes) override;
    QByteArray readAll() override;

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QString m_prefix = QStringLiteral("/dev/ttyS");
};

}  // namespace smscfg
