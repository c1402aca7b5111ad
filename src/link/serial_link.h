#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace smscfg {

// Why a port could not be opened.
struct OpenError {
    enum class Reason {
        NotAPort,      // the text names no port
        NotFound,      // no such device (absent, unplugged, a dangling link)
        NoPermission,  // the user may not open it
        InUse,         // another program holds it
        NotSerial,     // a file or another device, not a serial line
        Terminal,      // a session's terminal (someone's shell), not a line
        Other,
    };
    Reason reason = Reason::Other;
    QString detail;  // the system's own words, where it gave any
};

// The narrow seam between the exchange and a serial line: open on a port
// text at 9600 8N1, write a block, read what is waiting, and two events.
class SerialLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Opens the port named by `portText` (see portDeviceName) at 9600 8N1,
    // raw bytes, no flow control, with an empty receive buffer, for this
    // program alone. Closes any port open before. Returns false, with the
    // reason in `error` (may be null), when the port cannot be opened.
    virtual bool open(const QString &portText, OpenError *error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Queues all of `bytes` for the line. Returns false, writing nothing,
    // when the port is not open or refuses the block.
    virtual bool write(const QByteArray &bytes) = 0;
    // Takes every byte waiting in the receive buffer.
    virtual QByteArray readAll() = 0;

signals:
    // Bytes have arrived and wait to be read.
    void dataReceived();
    // The line went away (adapter pulled, other end closed); the port has
    // been closed.
    void linkLost(const QString &reason);
};

}  // namespace smscfg
