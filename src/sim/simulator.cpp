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

Simulator::Simulator(SimLine &line, SimOptions options, ControllerState state, StateFile *stateFile, Log log,
                     QObject *parent)
    : QObject(parent), m_line(line), m_options(std::move(options)), m_log(std::move(log)), m_state(std::move(state)),
      m_stateFile(stateFile)
{
    m_quietTimer.setSingleShot(true);
    m_quietTimer.setInterval(QuietMs);
    connect(&m_quietTimer, &QTimer::timeout, this, [this] {
        for (const auto &item : m_assembler.expire())
            handle(item);
    });
    if (m_options.baud > 0) {
        // A request counts from when its last byte would have arrived.
        m_incoming = std::make_unique<LinePacer>(m_options.baud);
        m_outgoing = std::make_unique<LinePacer>(m_options.baud);
        connect(&m_line, &SimLine::received, m_incoming.get(), &LinePacer::push);
        connect(m_incoming.get(), &LinePacer::crossed, this, &Simulator::onReceived);
        connect(m_outgoing.get(), &LinePacer::crossed, &m_line, &SimLine::write);
        connect(m_incoming.get(), &LinePacer::dropped, this, [this](qint64 count) {
            m_log(QCoreApplication::translate("SimProgram", "（收到的字节比 %1 波特的线路快，丢掉了%2字节）").arg(m_options.baud).arg(count));
        });
    } else {
        connect(&m_line, &SimLine::received, this, &Simulator::onReceived);
    }
}

void Simulator::onReceived(const QByteArray &bytes)
{
    for (const auto &item : m_assembler.feed(bytesOf(bytes)))
        handle(item);
    if (m_assembler.pending() > 0)
        m_quietTimer.start();
    else
        m_quietTimer.stop();
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
        QTimer::singleShot(m_options.delayMs, Qt::PreciseTimer, this, [this, reply] { sendReply(reply); });
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
    QTimer::singleShot(m_options.splitMs, Qt::PreciseTimer, this, [this, rest] { transmit(rest); });
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
