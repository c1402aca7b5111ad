#pragma once

#include "exchange/traffic_text.h"
#include "link/exchange.h"

#include <QDateTime>
#include <functional>
#include <optional>

namespace smscfg {

// One line of the communication log.
struct TrafficEntry {
    QDateTime time;
    // What it is about; none: a new day starts (the first entry, and after
    // midnight).
    std::optional<TrafficKind> kind;
    QByteArray bytes;
    QString meaning;  // in words: "0x4C 第3个电话 = 13912345678", "0x4C 设置成功（57 ms）"
};

// "20:38:17.123 发送 7E FE 13 ... 16  0x4C 第3个电话 = 13912345678"; a new
// day: "—— 2026-12-06 星期天 ——".
QString formatTrafficEntry(const TrafficEntry &entry);

// Turns what an exchange does into log entries: every frame sent, every
// reply received, every outcome, and the bytes that gave no verdict, each
// day's first entry after the day's date. The window's log pane and the
// command line's --trace both use it.
class TrafficLog : public QObject {
    Q_OBJECT
public:
    explicit TrafficLog(Exchange &exchange, QObject *parent = nullptr);

    // Something that happened to the port, in words.
    void portEvent(const QString &meaning);
    // A request that was not sent because its input was refused:
    // "设置短信接收电话号码：电话号码太长，最多11个字符".
    void inputRefused(const QString &request, const QString &reason);
    // Where the entries' times come from.
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    // The next entry is after the date again (the log was cleared).
    void repeatDate() { m_day = {}; }

signals:
    void entry(const smscfg::TrafficEntry &entry);

private:
    void add(TrafficKind kind, const QByteArray &bytes, const QString &meaning);

    std::function<QDateTime()> m_now = &QDateTime::currentDateTime;
    QDate m_day;  // of the last entry
};

}  // namespace smscfg
