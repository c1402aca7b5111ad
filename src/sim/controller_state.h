#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <array>
#include <optional>

namespace smscfg::sim {

// What the virtual controller has been told. Keys of the per-device maps are
// the device number ("3"); of the per-probe maps, device and probe ("3/2").
struct ControllerState {
    struct Description {
        QString text;
        QString encoding;
        QByteArray bytes;    // the text's bytes, fill removed
        QByteArray content;  // device descriptions only
    };
    struct Clock {
        int year, month, day, hour, minute, weekday;
    };

    bool initialised = false;
    std::optional<int> deviceCount;
    QByteArray addresses;
    QByteArray portCounts;
    QMap<QString, Description> devices;
    QMap<QString, Description> ports;
    QString smsCentre;
    std::array<QString, 16> phones;
    QMap<QString, QList<int>> deviceSwitches;  // phones that receive messages
    QMap<QString, QList<int>> probeSwitches;
    QMap<QString, QString> probeTypes;
    QMap<QString, QString> upperLimits;  // "high" or "low"
    QMap<QString, QString> lowerLimits;
    std::optional<Clock> clock;

    QJsonObject toJson() const;
    // The inverse of toJson(): every field, each checked for its type and
    // range. nullopt, with the reason in `error`, for anything toJson() would
    // not have written, so that a state that is loaded and saved again comes
    // out as it went in.
    static std::optional<ControllerState> fromJson(const QJsonObject &json, QString *error);
};

// The controller's verdict on one well formed request.
struct Decision {
    bool accepted;
    QString refusal;  // why it was refused: "电话序号0不在1到16之间"
};

// Applies a well formed request frame to `state` when its values are
// acceptable; a refused request leaves the state as it was.
Decision applyRequest(ControllerState &state, const QByteArray &frame);

// The refusal rules, for --help.
QString refusalRules();

}  // namespace smscfg::sim
