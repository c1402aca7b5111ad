#include "link/step_runner.h"

namespace smscfg {

StepRunner::StepRunner(Exchange &exchange, QList<QByteArray> frames, bool keepGoing, QObject *parent)
    : QObject(parent), m_exchange(exchange), m_frames(std::move(frames)), m_keepGoing(keepGoing)
{
    connect(&m_exchange, &Exchange::finished, this, &StepRunner::onFinished);
}

void StepRunner::start()
{
    m_running = true;
    sendNext();
}

void StepRunner::cancel()
{
    m_cancelled = true;
}

void StepRunner::sendNext()
{
    if (m_cancelled || m_next >= m_frames.size()) {
        m_running = false;
        emit done(m_cancelled);
        return;
    }
    emit stepStarted(m_next);
    // Known before the send: a failed write finishes within it.
    m_current = m_exchange.nextRequestId();
    m_exchange.send(m_frames[m_next]);
}

void StepRunner::onFinished(const Exchange::Result &result)
{
    // A late verdict of an earlier step is not this step's.
    if (!m_running || result.id != m_current)
        return;
    const qsizetype index = m_next++;
    // A port that cannot be written, or is gone, fails every step after it too.
    const bool stop = result.outcome == Exchange::Outcome::PortUnusable || result.outcome == Exchange::Outcome::LinkLost
        || (result.outcome != Exchange::Outcome::Accepted && !m_keepGoing);
    if (stop)
        m_next = m_frames.size();
    emit stepFinished(index, result);
    sendNext();
}

}  // namespace smscfg
