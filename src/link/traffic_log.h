#pragma once

#include "link/exchange.h"

#include <QTime>

namespace smscfg {

// One line of the communication log.
struct TrafficEntry {
    enum class Kind {
        Sent,      // a frame written
        Received,  // bytes read and judged together
        Outcome,   // what became of a request
        Ignored,   // bytes that gave no verdict
        Port,      // the port opened, closed or lost
    };
    QTime time;
    Kind kind;
    QByteArray bytes;
    QString meaning;  // in words: "0x4C 第3个电话 = 13912345678", "0x4C 设置成功（57 ms）"
};

// "20:38:17.123 发送 7E FE 13 ... 16  0x4C 第3个电话 = 13912345678"
QString formatTrafficEntry(const TrafficEntry &entry);

// Turns what an exchange does into log entries: every frame sent, every
// reply received, every outcome, and the bytes that gave no verdict. The
// window's log pane and the command line's --trace both use it.
class TrafficLog : public QObject {
    Q_OBJECT
public:
    explicit TrafficLog(Exchange &exchange, QObject *parent = nullptr);

    // Something that happened to the port, in words.
    void portEvent(const QString &meaning);

signals:
    void entry(const smscfg::TrafficEntry &entry);

private:
    void add(TrafficEntry::Kind kind, const QByteArray &bytes, const QString &meaning);
};

}  // namespace smscfg
