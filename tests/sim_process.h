#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <unistd.h>
#include <utility>
#include <vector>

// smscfg-sim running in the background for one test; stopped with SIGTERM.
// The port is the one line on its stdout; the log comes on its stderr.
// `descriptors`, (fd, as) pairs, puts the test's own in place of any of the
// simulator's, stdout and stderr too.
class SimProcess {
public:
    explicit SimProcess(const QStringList &args, const std::vector<std::pair<int, int>> &descriptors = {})
    {
        m_process.setChildProcessModifier([descriptors] {
            for (const auto &[fd, as] : descriptors)
                ::dup2(fd, as);
        });
        m_process.start(QStringLiteral(SMSCFG_SIM_PATH), args);
        if (m_process.waitForStarted(5000)) {
            while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
            }
            m_port = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        }
    }
    ~SimProcess() { stop(); }

    QString port() const { return m_port; }
    qint64 pid() const { return m_process.processId(); }
    // Stops the simulator, unless it ended by itself, and returns its log.
    QByteArray stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            m_process.waitForFinished(5000);
        }
        return m_log += m_process.readAllStandardError();
    }
    // Once stopped: -1 for a crash, or when it is still running.
    int exitCode() const
    {
        const bool ended = m_process.state() == QProcess::NotRunning && m_process.exitStatus() == QProcess::NormalExit;
        return ended ? m_process.exitCode() : -1;
    }
    QProcess &process() { return m_process; }
    // Anything on stdout after the port line.
    QByteArray moreOutput() { return m_process.readAllStandardOutput(); }

private:
    QProcess m_process;
    QString m_port;
    QByteArray m_log;
};
