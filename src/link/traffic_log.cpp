#include "link/traffic_log.h"

#include "link/outcome_text.h"
#include "protocol/frame.h"
#include "protocol/request_text.h"
#include "qt_boundary/log_text.h"

namespace smscfg {
namespace {

QString kindLabel(TrafficEntry::Kind kind)
{
    switch (kind) {
    case TrafficEntry::Kind::Sent: return QStringLiteral("发送");
    case TrafficEntry::Kind::Received: return QStringLiteral("接收");
    case TrafficEntry::Kind::Outcome: return QStringLiteral("结果");
    case TrafficEntry::Kind::Ignored: return QStringLiteral("忽略");
    case TrafficEntry::Kind::Port: return QStringLiteral("串口");
    case TrafficEntry::Kind::NotSent: return QStringLiteral("未发送");
    case TrafficEntry::Kind::Day: break;
    }
    return {};
}

QString ignoredText(const QByteArray &bytes, Exchange::Ignored why)
{
    switch (why) {
    case Exchange::Ignored::OtherRequest:
        return toQString(describeReply(bytesOf(bytes))) + QStringLiteral("，不是在等的请求的应答");
    case Exchange::Ignored::LateReply:
        return toQString(describeReply(bytesOf(bytes))) + QStringLiteral("，迟到的应答：它的请求已超时，之后又发了新请求");
    case Exchange::Ignored::Unrecognised: return QStringLiteral("无法识别的数据");
    case Exchange::Ignored::Echo: return QStringLiteral("发出的请求的回显");
    }
    return {};
}

// An outcome in words, with the request's code: "0x4C 设置成功（57 ms）",
// "0x45 无应答（3000 ms）", "0x45 应答无法识别：7E FE 08".
QString describeOutcome(const Exchange::Result &result)
{
    const QString code = result.request.size() > 4 ? toQString(codeText(quint8(result.request[4]))) + u' ' : QString();
    // The log says what happened on the line, not what the operator is told.
    if (result.outcome == Exchange::Outcome::NoResponse)
        return code + QStringLiteral("无应答（%1 ms）").arg(result.roundTrip.count());
    return code + resultText(result);
}

}  // namespace

QString formatTrafficEntry(const TrafficEntry &entry)
{
    if (entry.kind == TrafficEntry::Kind::Day) {
        // The clock row's weekday names, Monday first.
        const QDate date = entry.time.date();
        return QStringLiteral("—— %1 %2 ——").arg(date.toString(Qt::ISODate), toQString(weekdayNames().at(std::size_t(date.dayOfWeek() - 1))));
    }
    // A frame is at most 255 bytes; longer runs are noise, shown in part.
    constexpr qsizetype MaxBytesShown = 256;
    QString line = entry.time.toString(QStringLiteral("HH:mm:ss.zzz")) + u' ' + kindLabel(entry.kind);
    if (entry.bytes.size() > MaxBytesShown)
        line += u' ' + toQString(hexText(bytesOf(entry.bytes).first(std::size_t(MaxBytesShown))))
            + QStringLiteral(" …（共%1字节）").arg(entry.bytes.size());
    else if (!entry.bytes.isEmpty())
        line += u' ' + toQString(hexText(bytesOf(entry.bytes)));
    if (!entry.meaning.isEmpty())
        line += QStringLiteral("  ") + entry.meaning;
    return line;
}

TrafficLog::TrafficLog(Exchange &exchange, QObject *parent) : QObject(parent)
{
    connect(&exchange, &Exchange::sent, this,
            [this](const QByteArray &frame) { add(TrafficEntry::Kind::Sent, frame, toQString(describeRequest(bytesOf(frame)))); });
    connect(&exchange, &Exchange::received, this,
            [this](const QByteArray &chunk) { add(TrafficEntry::Kind::Received, chunk, toQString(describeReply(bytesOf(chunk)))); });
    connect(&exchange, &Exchange::finished, this, [this](const Exchange::Result &result) {
        add(TrafficEntry::Kind::Outcome, {}, describeOutcome(result));
    });
    connect(&exchange, &Exchange::ignored, this, [this](const QByteArray &bytes, Exchange::Ignored why) {
        add(TrafficEntry::Kind::Ignored, bytes, ignoredText(bytes, why));
    });
}

void TrafficLog::portEvent(const QString &meaning)
{
    add(TrafficEntry::Kind::Port, {}, escapeForLog(meaning));
}

void TrafficLog::inputRefused(const QString &request, const QString &reason)
{
    add(TrafficEntry::Kind::NotSent, {}, escapeForLog(request + QStringLiteral("：") + reason));
}

void TrafficLog::add(TrafficEntry::Kind kind, const QByteArray &bytes, const QString &meaning)
{
    // Entries carry the time of day; the day is said when it starts.
    const QDateTime now = m_now();
    if (now.date() != m_day) {
        m_day = now.date();
        emit entry({now, TrafficEntry::Kind::Day, {}, {}});
    }
    emit entry({now, kind, bytes, meaning});
}

}  // namespace smscfg
