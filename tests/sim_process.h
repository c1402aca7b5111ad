#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// smscfg-sim running in the background for one test; stopped with SIGTERM.
// The port is the one line on its stdout; the log comes on its stderr.
class SimProcess {
public:
    explicit SimProcess(const QStringList &args)
    {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(QStringLiteral(SMSCFG_SIM_PATH), args);
        if (m_process.waitForStarted(5000)) {
            while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
            }
            m_port = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        }
    }
    ~SimProcess() { stop(); }

    QString port() const { return m_port; }
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    qint64 pid() const { return m_process.processId(); }
    // Stops the simulator and returns its log.
    QByteArray stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            m_process.waitForFinished(5000);
            m_exitCode = m_process.exitCode();
        }
        return m_log += m_process.readAllStandardError();
    }
    int exitCode() const { return m_exitCode; }
    QProcess &process() { return m_process; }
    // Anything on stdout after the port line.
    QByteArray moreOutput() { return m_process.readAllStandardOutput(); }

private:
    QProcess m_process;
    QString m_port;
    QByteArray m_log;
    int m_exitCode = -1;
};
