#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <memory>

namespace smscfg::sim {

// The controller's end of a serial line: the master side of a new
// pseudo-terminal pair, or an existing serial device at 9600 8N1.
class SimLine : public QObject {
    Q_OBJECT
public:
    // A new pseudo-terminal pair; the tool opens toolPath(). The simulator
    // keeps a descriptor on the tool's side too, so that the tool may close
    // and reopen it without the line hanging up, and marks it as served (see
    // isServedPty).
    static std::unique_ptr<SimLine> openPty(QString *error);
    // An existing serial device, raw, 9600 8N1.
    static std::unique_ptr<SimLine> openDevice(const QString &path, QString *error);
    ~SimLine() override;

    QString toolPath() const { return m_toolPath; }
    // Writes without blocking; returns false when the line would not take
    // the bytes (nobody reads the other side) or is gone.
    bool write(const QByteArray &bytes);

    // Whether the pseudo-terminal `path` (/dev/pts/N) is the tool's side of
    // a simulator that is still running: it carries the lock that openPty()
    // takes. Also true when it cannot be told (the device cannot be opened:
    // someone holds it exclusively).
    //
    // A lock on the terminal itself rather than a lock file beside a link
    // or a process number: the kernel drops it when the simulator ends,
    // however it ends (kill -9 included), so a stale link never looks
    // served; a number that has since gone to someone's terminal carries no
    // mark; it leaves no file behind; and it is there whichever link names
    // the terminal.
    static bool isServedPty(const QString &path);

signals:
    void received(const QByteArray &bytes);
    void lost(const QString &reason);

private:
    SimLine(int fd, int keeper, QString toolPath);
    void onReadable();

    int m_fd;
    int m_keeper;
    QString m_toolPath;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace smscfg::sim
