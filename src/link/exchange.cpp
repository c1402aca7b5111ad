#include "link/exchange.h"

#include "protocol/reply.h"

namespace smscfg {
namespace {

// Requests that never got a verdict are kept for a late reply, but not
// without end.
constexpr qsizetype MaxWaiting = 256;

Exchange::Outcome outcomeOf(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Accepted: return Exchange::Outcome::Accepted;
    case Verdict::Refused: return Exchange::Outcome::Refused;
    case Verdict::None: return Exchange::Outcome::NoVerdict;
    }
    return Exchange::Outcome::NoVerdict;
}

}  // namespace

Exchange::Exchange(SerialLink &link, ExchangeTimings timings, TimeSource &time, QObject *parent)
    : QObject(parent), m_link(link), m_timings(timings), m_time(time), m_responseTimer(time.createTimer()),
      m_settleTimer(time.createTimer())
{
    m_responseTimer->onTimeout = [this] { onResponseTimeout(); };
    m_settleTimer->onTimeout = [this] { judge(); };
    connect(&m_link, &SerialLink::dataReceived, this, &Exchange::onDataReceived);
}

bool Exchange::awaitingReply() const
{
    return std::any_of(m_waiting.cbegin(), m_waiting.cend(), [](const Request &r) { return !r.timedOut; });
}

quint64 Exchange::send(const QByteArray &frame)
{
    const quint64 id = ++m_lastId;
    if (!m_link.write(frame)) {
        // Nothing went out, so no reply can be missing.
        emit finished({id, Outcome::PortUnusable, frame, {}, {}});
        return id;
    }
    const auto now = m_time.now();
    if (m_waiting.size() >= MaxWaiting)
        m_waiting.removeFirst();
    m_waiting.append({id, frame, now});
    m_deadline = now + m_timings.responseTimeout;
    if (!m_settleTimer->isActive())
        m_responseTimer->start(m_timings.responseTimeout);
    emit sent(frame);
    return id;
}

void Exchange::onDataReceived()
{
    const QByteArray chunk = m_link.readAll();
    if (chunk.isEmpty())
        return;
    m_responseTimer->stop();
    emit received(chunk);
    if (m_waiting.isEmpty() && !m_settleTimer->isActive()) {
        emit ignored(chunk, Ignored::Unsolicited);
        return;
    }
    m_received += chunk;
    // A whole reply frame needs no settle wait.
    if (isReplyFrame(withoutEchoes(m_received, waitingFrames()))) {
        m_settleTimer->stop();
        judge();
    } else if (!m_settleTimer->isActive()) {
        m_settleTimer->start(m_timings.settle);
    }
}

void Exchange::judge()
{
    QList<QByteArray> echoes;
    const QByteArray bytes = withoutEchoes(std::exchange(m_received, {}), waitingFrames(), &echoes);
    for (const QByteArray &echo : std::as_const(echoes))
        emit ignored(echo, Ignored::Echo);

    const QList<ReplyFrame> replies = findReplyFrames(bytes);
    for (const ReplyFrame &reply : replies) {
        const auto match = std::find_if(m_waiting.cbegin(), m_waiting.cend(), [&](const Request &r) {
            return quint8(r.frame[4]) == reply.code();
        });
        if (match == m_waiting.cend())
            emit ignored(reply.bytes, Ignored::OtherRequest);
        else
            finish(match - m_waiting.cbegin(), outcomeOf(verdictOfStatus(reply.status())), reply.bytes);
    }
    if (replies.isEmpty() && !bytes.isEmpty()) {
        if (m_waiting.isEmpty()) {
            emit ignored(bytes, Ignored::Unsolicited);
        } else {
            // The oldest request still within its time-out, else the latest.
            const auto waiting = std::find_if(m_waiting.cbegin(), m_waiting.cend(),
                                              [](const Request &r) { return !r.timedOut; });
            const qsizetype index = waiting != m_waiting.cend() ? waiting - m_waiting.cbegin() : m_waiting.size() - 1;
            finish(index, outcomeOf(judgeBySixthByte(bytes)), bytes);
        }
    }
    resumeResponseTimer();
}

QList<QByteArray> Exchange::waitingFrames() const
{
    QList<QByteArray> frames;
    for (const Request &request : m_waiting)
        frames << request.frame;
    return frames;
}

void Exchange::finish(qsizetype index, Outcome outcome, const QByteArray &reply)
{
    const Request request = m_waiting.takeAt(index);
    const auto roundTrip = std::chrono::duration_cast<std::chrono::milliseconds>(m_time.now() - request.sentAt);
    emit finished({request.id, outcome, request.frame, reply, roundTrip});
}

void Exchange::resumeResponseTimer()
{
    if (!awaitingReply() || m_settleTimer->isActive() || m_responseTimer->isActive())
        return;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline - m_time.now());
    m_responseTimer->start(std::max(left, std::chrono::milliseconds(0)));
}

void Exchange::onResponseTimeout()
{
    qsizetype latest = -1;
    for (qsizetype i = 0; i < m_waiting.size(); ++i) {
        if (!m_waiting[i].timedOut) {
            m_waiting[i].timedOut = true;
            latest = i;
        }
    }
    if (latest < 0)
        return;
    const Request &request = m_waiting[latest];
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(m_time.now() - request.sentAt);
    emit finished({request.id, Outcome::NoResponse, request.frame, {}, waited});
}

}  // namespace smscfg
