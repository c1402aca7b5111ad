#pragma once

#include "link/port_discovery.h"
#include "link/serial_link.h"

#include <QByteArrayList>
#include <QSet>

// A serial line in memory: records every block written, delivers chunks
// when the test says so, and can refuse to open or to write.
class FakeLink : public smscfg::SerialLink {
public:
    bool open(const QString &portText, smscfg::OpenError *error) override
    {
        close();
        if (unopenable.contains(portText)) {
            if (error)
                *error = {smscfg::OpenError::Reason::NotFound, {}};
            return false;
        }
        m_open = true;
        openedAs = portText;
        return true;
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray &bytes) override
    {
        if (!m_open || failWrites)
            return false;
        writes << bytes;
        return true;
    }
    QByteArray readAll() override { return std::exchange(m_received, {}); }

    // The controller's side: bytes arrive and the data event fires.
    void deliver(const QByteArray &bytes)
    {
        m_received += bytes;
        emit dataReceived();
    }
    void deliver(const std::vector<std::uint8_t> &bytes)
    {
        deliver(QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    }
    // The line goes away.
    void lose(const QString &reason = QStringLiteral("gone"))
    {
        m_open = false;
        emit linkLost(reason);
    }
    // Everything written since the last call.
    QByteArray takeWritten() { return std::exchange(writes, {}).join(); }

    QByteArrayList writes;
    QSet<QString> unopenable;
    QString openedAs;
    bool failWrites = false;

private:
    bool m_open = false;
    QByteArray m_received;
};

// The ports the system "has": whatever the test puts in the list.
class FakePorts : public smscfg::PortDiscovery {
public:
    QList<smscfg::PortInfo> ports() const override { return list; }
    QList<smscfg::PortInfo> list;
};
