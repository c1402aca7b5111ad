#include "link/exchange.h"

namespace smscfg {
namespace {

QByteArray toQt(const ExchangeMachine::Bytes &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

ExchangeMachine::Bytes toBytes(const QByteArray &bytes)
{
    return {bytes.cbegin(), bytes.cend()};
}

}  // namespace

Exchange::Exchange(SerialLink &link, ExchangeTimings timings, TimeSource &time, QObject *parent)
    : QObject(parent), m_link(link), m_time(time), m_machine(timings), m_timer(time.createTimer())
{
    m_timer->onTimeout = [this] {
        m_machine.handleExpiry(now());
        dispatch();
    };
    connect(&m_link, &SerialLink::dataReceived, this, &Exchange::onDataReceived);
    connect(&m_link, &SerialLink::linkLost, this, [this] {
        m_machine.linkLost(now());
        dispatch();
    });
}

void Exchange::lineClosing()
{
    // What was already read is still judged.
    if (m_link.isOpen())
        onDataReceived();
    m_machine.linkLost(now());
    dispatch();
}

Millis Exchange::now() const
{
    return std::chrono::duration_cast<Millis>(m_time.now().time_since_epoch());
}

quint64 Exchange::send(const QByteArray &frame)
{
    const quint64 id = m_link.write(frame) ? m_machine.requestSent(toBytes(frame), now())
                                           : m_machine.requestNotSent(toBytes(frame), now());
    dispatch();
    return id;
}

void Exchange::onDataReceived()
{
    // Everything waiting, every time: bytes left behind would wait for the
    // next data event.
    const QByteArray chunk = m_link.readAll();
    if (chunk.isEmpty())
        return;
    m_machine.bytesReceived(std::span(reinterpret_cast<const std::uint8_t *>(chunk.constData()), size_t(chunk.size())),
                            now());
    dispatch();
}

void Exchange::dispatch()
{
    for (auto &event : m_machine.takeEvents())
        m_pending.push_back(std::move(event));
    // One queue for every call, so events go out in the order they happened
    // even when a receiver sends from a signal (the next step of a profile)
    // or runs a nested event loop: the inner call emits what is left.
    while (!m_pending.empty()) {
        const ExchangeMachine::Event event = std::move(m_pending.front());
        m_pending.pop_front();
        emit happened(event);
        if (const auto *s = std::get_if<ExchangeMachine::Sent>(&event)) {
            emit sent(toQt(s->frame));
        } else if (const auto *r = std::get_if<ExchangeMachine::Received>(&event)) {
            emit received(toQt(r->bytes));
        } else if (const auto *f = std::get_if<ExchangeMachine::Finished>(&event)) {
            emit finished(f->result);
        } else if (const auto *d = std::get_if<ExchangeMachine::Dropped>(&event)) {
            emit ignored(toQt(d->bytes), d->why);
        }
    }
    const Millis expiry = m_machine.expiry();
    if (expiry == Millis::max())
        m_timer->stop();
    else
        m_timer->start(std::max(expiry - now(), Millis(0)));
}

}  // namespace smscfg
