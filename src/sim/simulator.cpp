#include "sim/simulator.h"

#include "protocol/frame.h"
#include "protocol/reply.h"
#include "protocol/request_text.h"
#include "protocol/wire.h"

#include <QJsonDocument>
#include <QSaveFile>
#include <QTime>

namespace smscfg::sim {

namespace {
// At 9600 baud a frame's bytes follow each other within about a millisecond;
// a partial frame after this much silence will not be completed.
constexpr int QuietMs = 200;
}  // namespace

Simulator::Simulator(SimLine &line, SimOptions options, QTextStream &log, QObject *parent)
    : QObject(parent), m_line(line), m_options(std::move(options)), m_log(log)
{
    m_quietTimer.setSingleShot(true);
    m_quietTimer.setInterval(QuietMs);
    connect(&m_line, &SimLine::received, this, &Simulator::onReceived);
    connect(&m_quietTimer, &QTimer::timeout, this, [this] {
        for (const auto &item : m_assembler.expire())
            handle(item);
    });
}

void Simulator::onReceived(const QByteArray &bytes)
{
    for (const auto &item : m_assembler.feed(bytes))
        handle(item);
    if (m_assembler.pending() > 0)
        m_quietTimer.start();
    else
        m_quietTimer.stop();
}

void Simulator::handle(const FrameAssembler::Item &item)
{
    Decision decision{false, QStringLiteral("帧不完整或已损坏")};
    const quint8 code = item.bytes.size() > 4 ? quint8(item.bytes[4]) : 0;
    if (item.kind == FrameAssembler::Item::Frame) {
        if (m_options.refuseAll)
            decision = {false, QStringLiteral("--refuse")};
        else
            decision = applyRequest(m_state, item.bytes);
    }
    if (decision.accepted)
        writeState();

    QByteArray reply = replyFrame(code, decision.accepted ? wire::StatusAccepted : wire::StatusRefused);
    if (m_options.shortReply)
        reply.truncate(5);
    if (m_options.stray)
        reply.prepend(StrayByte);

    QString meaning = describeRequest(item.bytes);
    if (!decision.accepted)
        meaning += QStringLiteral("，拒绝：") + decision.refusal;
    m_log << QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")) << "  " << hexText(item.bytes) << "  "
          << meaning << "  -> " << (m_options.silent ? QStringLiteral("(silent)") : hexText(reply)) << Qt::endl;
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
        m_line.write(reply);
        return;
    }
    const qsizetype half = reply.size() / 2;
    m_line.write(reply.left(half));
    const QByteArray rest = reply.mid(half);
    QTimer::singleShot(m_options.splitMs, Qt::PreciseTimer, this, [this, rest] { m_line.write(rest); });
}

void Simulator::writeState()
{
    if (m_options.stateFile.isEmpty())
        return;
    // Written to a temporary file and renamed, so a reader never sees half.
    QSaveFile file(m_options.stateFile);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(m_state.toJson()).toJson());
        if (file.commit())
            return;
    }
    m_log << "cannot write " << m_options.stateFile << ": " << file.errorString() << Qt::endl;
}

}  // namespace smscfg::sim
