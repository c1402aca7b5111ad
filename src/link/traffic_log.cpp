#include "link/traffic_log.h"

#include "qt_boundary/core_types.h"
#include "qt_boundary/log_text.h"

#include <QCoreApplication>

namespace smscfg {

QString formatTrafficEntry(const TrafficEntry &entry)
{
    const QDate date = entry.time.date();
    if (!entry.kind)
        return toQString(dayLine({date.year(), date.month(), date.day(), date.dayOfWeek()}));
    const QTime time = entry.time.time();
    return toQString(trafficLine({time.hour(), time.minute(), time.second(), time.msec()}, *entry.kind,
                                 bytesOf(entry.bytes), toU16(entry.meaning)));
}

TrafficLog::TrafficLog(Exchange &exchange, QObject *parent) : QObject(parent)
{
    connect(&exchange, &Exchange::happened, this, [this](const ExchangeMachine::Event &event) {
        const TrafficEntryText e = trafficEntryOf(event);
        add(e.kind, toQByteArray(e.bytes), toQString(e.meaning));
    });
}

void TrafficLog::portEvent(const QString &meaning)
{
    // Already escaped where it holds outside text (the port as typed, the
    // system's reason): escaped again, a control character would read as a
    // backslash typed by the operator.
    add(TrafficKind::Port, {}, meaning);
}

void TrafficLog::inputRefused(const QString &request, const QString &reason)
{
    add(TrafficKind::NotSent, {},
        escapeForLog(QCoreApplication::translate("TrafficLog", "%1：%2").arg(request, reason)));
}

void TrafficLog::add(TrafficKind kind, const QByteArray &bytes, const QString &meaning)
{
    // Entries carry the time of day; the day is said when it starts.
    const QDateTime now = m_now();
    if (now.date() != m_day) {
        m_day = now.date();
        emit entry({now, std::nullopt, {}, {}});
    }
    emit entry({now, kind, bytes, meaning});
}

}  // namespace smscfg
