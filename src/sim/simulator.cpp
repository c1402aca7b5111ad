#include "sim/simulator.h"

#include "protocol/frame.h"
#include "protocol/request_text.h"
#include "qt_boundary/log_text.h"

#include <QCoreApplication>
#include <QTime>

namespace smscfg::sim {

namespace {
// At 9600 baud a frame's bytes follow each other within about a millisecond;
// a partial frame after this much silence will not be completed.
constexpr int QuietMs = 200;
}  // namespace

Simulator::Simulator(ControllerLine &line, SimOptions options, ControllerState state, StateFile *stateFile, Log log,
                     TimeSource &time, QObject *parent)
    : QObject(parent), m_line(line), m_options(std::move(options)), m_log(std::move(log)), m_state(std::move(state)),
      m_stateFile(stateFile), m_time(time), m_quietTimer(time.createTimer())
{
    m_quietTimer->onTimeout = [this] {
        for (const auto &item : m_assembler.expire())
            handle(item);
    };
    if (m_options.baud > 0) {
        // A request counts from when its last byte would have arrived.
        m_incoming = std::make_unique<LinePacer>(m_options.baud, time);
        m_outgoing = std::make_unique<LinePacer>(m_options.baud, time);
        connect(&m_line, &ControllerLine::received, m_incoming.get(), &LinePacer::push);
        connect(m_incoming.get(), &LinePacer::crossed, this, &Simulator::onReceived);
        connect(m_outgoing.get(), &LinePacer::crossed, &m_line, [this](const QByteArray &bytes) { m_line.write(bytes); });
        connect(m_incoming.get(), &LinePacer::dropped, this, [this](qint64 count) {
            m_log(QCoreApplication::translate("SimProgram", "（收到的字节比 %1 波特的线路快，丢掉了%2字节）").arg(m_options.baud).arg(count));
        });
    } else {
        connect(&m_line, &ControllerLine::received, this, &Simulator::onReceived);
    }
}

void Simulator::onReceived(const QByteArray &bytes)
{
    for (const auto &item : m_assembler.feed(bytesOf(bytes)))
        handle(item);
    if (m_assembler.pending() > 0)
        m_quietTimer->start(std::chrono::milliseconds(QuietMs));
    else
        m_quietTimer->stop();
}

void Simulator::handle(const FrameAssembler::Item &item)
{
    const controller::Answer answer = controller::answerRequest(m_state, item, m_options.refuseAll);
    if (answer.decision.accepted)
        writeState();
    QByteArray reply = toQByteArray(answer.reply);
    if (m_options.shortReply)
        reply.truncate(5);
    if (m_options.stray)
        reply.prepend(StrayByte);
    m_log(QStringLiteral("%1  %2  %3  -> %4")
              .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")), toQString(hexText(item.bytes)),
                   toQString(answer.meaning), m_options.silent ? QCoreApplication::translate("SimProgram", "（不回答）") : toQString(hexText(bytesOf(reply)))));
    if (m_options.silent)
        return;
    if (m_options.delayMs > 0)
        later(m_options.delayMs, [this, reply] { sendReply(reply); });
    else
        sendReply(reply);
}

void Simulator::sendReply(const QByteArray &reply)
{
    if (m_options.splitMs < 0) {
        transmit(reply);
        return;
    }
    const qsizetype half = reply.size() / 2;
    transmit(reply.left(half));
    const QByteArray rest = reply.mid(half);
    later(m_options.splitMs, [this, rest] { transmit(rest); });
}

void Simulator::later(int delayMs, std::function<void()> action)
{
    // Timers that have fired go here rather than in their own time-out.
    m_later.remove_if([](const std::unique_ptr<OneShotTimer> &t) { return !t->isActive(); });
    m_later.push_back(m_time.createTimer());
    m_later.back()->onTimeout = std::move(action);
    m_later.back()->start(std::chrono::milliseconds(delayMs));
}

void Simulator::transmit(const QByteArray &bytes)
{
    if (m_outgoing)
        m_outgoing->push(bytes);
    else
        m_line.write(bytes);
}

void Simulator::writeState()
{
    QString error;
    if (m_stateFile && !m_stateFile->write(m_state, &error))
        m_log(QCoreApplication::translate("SimProgram", "无法写入状态文件 %1：%2")
                  .arg(escapeForLog(m_stateFile->path()), escapeForLog(error)));
}

}  // namespace smscfg::sim
