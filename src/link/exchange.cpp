#include "link/exchange.h"

#include "protocol/reply.h"

namespace smscfg {

Exchange::Exchange(SerialLink &link, ExchangeTimings timings, TimeSource &time, QObject *parent)
    : QObject(parent), m_link(link), m_timings(timings), m_responseTimer(time.createTimer()),
      m_settleTimer(time.createTimer())
{
    m_responseTimer->onTimeout = [this] { onResponseTimeout(); };
    m_settleTimer->onTimeout = [this] { onSettled(); };
    connect(&m_link, &SerialLink::dataReceived, this, &Exchange::onDataReceived);
}

void Exchange::send(const QByteArray &frame)
{
    m_responseTimer->start(m_timings.responseTimeout);
    if (!m_link.write(frame)) {
        // Nothing went out, so no reply can be missing.
        m_responseTimer->stop();
        emit finished(Outcome::PortUnusable, {});
    }
}

void Exchange::onDataReceived()
{
    // Bytes that arrive during the settle wait are read at its end.
    if (m_settleTimer->isActive())
        return;
    m_responseTimer->stop();
    m_settleTimer->start(m_timings.settle);
}

void Exchange::onSettled()
{
    const QByteArray reply = m_link.readAll();
    switch (judgeReply(reply)) {
    case Verdict::Accepted: emit finished(Outcome::Accepted, reply); break;
    case Verdict::Refused: emit finished(Outcome::Refused, reply); break;
    case Verdict::None: emit finished(Outcome::NoVerdict, reply); break;
    }
}

void Exchange::onResponseTimeout()
{
    emit finished(Outcome::NoResponse, {});
}

}  // namespace smscfg
