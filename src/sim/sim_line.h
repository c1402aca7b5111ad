#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <memory>

namespace smscfg::sim {

// The controller's end of a line, as the simulator sees it: bytes arrive,
// bytes are written. Tests stand in for it in memory.
class ControllerLine : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Writes without blocking; returns false when the line would not take
    // the bytes (nobody reads the other side) or is gone.
    virtual bool write(const QByteArray &bytes) = 0;

signals:
    void received(const QByteArray &bytes);
    void lost(const QString &reason);
};

// The controller's end of a serial line: the master side of a new
// pseudo-terminal pair, or an existing serial device at 9600 8N1.
class SimLine : public ControllerLine {
    Q_OBJECT
public:
    // A new pseudo-terminal pair; the tool opens toolPath(). The simulator
    // keeps a descriptor on the tool's side too (opened without making it a
    // controlling terminal), so that the tool may close and reopen it
    // without the line hanging up.
    static std::unique_ptr<SimLine> openPty(QString *error);
    // An existing serial device, raw, 9600 8N1.
    static std::unique_ptr<SimLine> openDevice(const QString &path, QString *error);
    ~SimLine() override;

    QString toolPath() const { return m_toolPath; }
    bool write(const QByteArray &bytes) override;

private:
    SimLine(int fd, int keeper, QString toolPath);
    void onReadable();

    int m_fd;
    int m_keeper;
    QString m_toolPath;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace smscfg::sim
