#include "protocol/exchange.h"

#include "protocol/frame.h"

namespace smscfg {

Exchange::Exchange(SerialLink &link, MessageSink &sink, ExchangeTimings timings, QObject *parent)
    : QObject(parent), m_link(link), m_sink(sink)
{
    // Coarse timers may fire up to 5% early; a time-out must not.
    m_responseTimer.setTimerType(Qt::PreciseTimer);
    m_responseTimer.setSingleShot(true);
    m_responseTimer.setInterval(timings.responseTimeoutMs);
    m_settleTimer.setTimerType(Qt::PreciseTimer);
    m_settleTimer.setSingleShot(true);
    m_settleTimer.setInterval(timings.settleMs);
    connect(&m_link, &SerialLink::dataReceived, this, &Exchange::onDataReceived);
    connect(&m_settleTimer, &QTimer::timeout, this, &Exchange::onSettled);
    connect(&m_responseTimer, &QTimer::timeout, this, &Exchange::onResponseTimeout);
}

void Exchange::FS(const QByteArray &frame)
{
    m_responseTimer.start();
    if (!m_link.write(frame)) {
        // Nothing went out, so no reply can be missing.
        m_responseTimer.stop();
        m_sink.show(verdict::PortUnusable);
        emit finished(Outcome::PortUnusable, {});
    }
}

Exchange::Outcome Exchange::judge(const QByteArray &reply)
{
    const QString status = hexText(reply, QString()).mid(10, 2);
    if (status == u"06")
        return Outcome::Accepted;
    if (status == u"09")
        return Outcome::Refused;
    return Outcome::NoVerdict;
}

void Exchange::onDataReceived()
{
    // Bytes that arrive during the settle wait are read at its end.
    if (m_settleTimer.isActive())
        return;
    m_responseTimer.stop();
    m_settleTimer.start();
}

void Exchange::onSettled()
{
    const QByteArray reply = m_link.readAll();
    const Outcome outcome = judge(reply);
    if (outcome == Outcome::Accepted)
        m_sink.show(verdict::Accepted);
    else if (outcome == Outcome::Refused)
        m_sink.show(verdict::Refused);
    emit finished(outcome, reply);
}

void Exchange::onResponseTimeout()
{
    // Stopped before the box opens: the box runs its own event loop, where a
    // running timer would fire again and stack boxes.
    m_responseTimer.stop();
    m_sink.show(verdict::NoResponse);
    emit finished(Outcome::NoResponse, {});
}

}  // namespace smscfg
