#include "sim/controller_state.h"

#include "protocol/frame.h"
#include "protocol/wire.h"
#include "sim/description_text.h"

#include <QJsonArray>

namespace smscfg::sim {
namespace {

QString hex(const QByteArray &bytes)
{
    return hexText(bytes, QString());
}

Decision refuse(quint8 code, const QString &why)
{
    return {false, QStringLiteral("0x%1 refused: %2").arg(QString::number(code, 16).toUpper(), why)};
}

Decision accept(quint8 code, const QString &what)
{
    return {true, QStringLiteral("0x%1 %2").arg(QString::number(code, 16).toUpper(), what)};
}

QString probeKey(const QByteArray &p)
{
    return QStringLiteral("%1/%2").arg(quint8(p[0])).arg(quint8(p[1]));
}

// Phones whose bit in the mask is 0 receive messages.
QList<int> phonesOn(quint8 high, quint8 low)
{
    const unsigned mask = unsigned(high) << 8 | low;
    QList<int> on;
    for (int phone = 1; phone <= wire::PhoneSlotCount; ++phone)
        if (!(mask & (1u << (phone - 1))))
            on << phone;
    return on;
}

QString phoneList(const QList<int> &phones)
{
    QStringList names;
    for (int p : phones)
        names << QString::number(p);
    return names.isEmpty() ? QStringLiteral("none") : names.join(u',');
}

// The number up to the first 0x00; the field holds one-byte codes.
std::optional<QString> phoneNumber(const QByteArray &field)
{
    const qsizetype end = field.indexOf('\0');
    const QByteArray digits = end < 0 ? field : field.left(end);
    for (qsizetype i = end < 0 ? field.size() : end; i < field.size(); ++i)
        if (field[i] != 0)
            return std::nullopt;
    return QString::fromLatin1(digits);
}

std::optional<int> bcd(quint8 byte)
{
    if ((byte >> 4) > 9 || (byte & 0x0F) > 9)
        return std::nullopt;
    return (byte >> 4) * 10 + (byte & 0x0F);
}

Decision applyClock(ControllerState &state, const QByteArray &p)
{
    std::optional<int> v[wire::ClockFieldCount];
    for (int i = 0; i < wire::ClockFieldCount; ++i)
        if (!(v[i] = bcd(quint8(p[i]))))
            return refuse(code::Clock, QStringLiteral("byte %1 is not two BCD digits").arg(i + 5));
    const int weekday = quint8(p[wire::ClockFieldCount]);
    if (*v[1] < 1 || *v[1] > 12 || *v[2] < 1 || *v[2] > 31 || *v[3] > 24 || *v[4] > 60)
        return refuse(code::Clock, QStringLiteral("no such date or time"));
    if (weekday < 1 || weekday > 7)
        return refuse(code::Clock, QStringLiteral("weekday %1 is not 1..7").arg(weekday));
    state.clock = ControllerState::Clock{*v[0], *v[1], *v[2], *v[3], *v[4], weekday};
    return accept(code::Clock, QStringLiteral("clock = %1-%2-%3 %4:%5 weekday %6")
                                   .arg(hex(p.mid(0, 1)), hex(p.mid(1, 1)), hex(p.mid(2, 1)), hex(p.mid(3, 1)),
                                        hex(p.mid(4, 1)))
                                   .arg(weekday));
}

}  // namespace

QString refusalRules()
{
    return QStringLiteral(
        "  Refused (09): a malformed frame (LEN, reserved byte, checksum or end byte\n"
        "  wrong), an unknown command code, a payload of the wrong size for its code,\n"
        "  a port description whose byte 7 is not 01, a phone slot of 0 or above 16,\n"
        "  a phone field with bytes after its first 00, a probe type other than 11\n"
        "  (switch input), an alarm level other than 55 (high) or AA (low), and a clock\n"
        "  that is not BCD, has month 0 or above 12, day 0 or above 31, hour above 24,\n"
        "  minute above 60 (the window's lists run to 24 and 60), or weekday not 1..7.\n"
        "  Everything else is accepted (06).\n");
}

Decision applyRequest(ControllerState &state, const QByteArray &frame)
{
    const quint8 cmd = quint8(frame[4]);
    const QByteArray p = frame.mid(5, frame.size() - CommandFrame::MinSize);
    if (!wire::isRequestCode(cmd))
        return refuse(cmd, QStringLiteral("unknown command"));
    if (!wire::payloadSize(cmd).contains(p.size()))
        return refuse(cmd, QStringLiteral("payload of %1 bytes").arg(p.size()));

    switch (cmd) {
    case code::Initialise:
        state = ControllerState{};
        state.initialisations = 1;
        return accept(cmd, QStringLiteral("initialise"));
    case code::DeviceCount:
        state.deviceCount = quint8(p[0]);
        return accept(cmd, QStringLiteral("device count = %1").arg(quint8(p[0])));
    case code::AddressList:
        state.addresses = p;
        return accept(cmd, QStringLiteral("addresses = %1").arg(hexText(p)));
    case code::PortCountList:
        state.portCounts = p;
        return accept(cmd, QStringLiteral("port counts = %1").arg(hexText(p)));
    case code::DeviceDescription: {
        const DecodedDescription d = decodeDescriptionField(p.mid(1, wire::DeviceDescriptionWidth));
        const QByteArray content = p.mid(1 + wire::DeviceDescriptionWidth);
        const QString key = QString::number(quint8(p[0]));
        state.devices[key] = {d.text, d.encoding, d.textBytes, content};
        return accept(cmd, QStringLiteral("device %1 description = \"%2\" (%3), content %4")
                               .arg(key, d.text, d.encoding, hexText(content)));
    }
    case code::PortDescription: {
        if (quint8(p[2]) != wire::PortDescriptionMarker)
            return refuse(cmd, QStringLiteral("byte 7 is not 01"));
        const DecodedDescription d = decodeDescriptionField(p.mid(3, wire::PortDescriptionWidth));
        const QString key = probeKey(p);
        state.ports[key] = {d.text, d.encoding, d.textBytes, {}};
        return accept(cmd, QStringLiteral("port %1 description = \"%2\" (%3)").arg(key, d.text, d.encoding));
    }
    case code::SmsCentre: {
        const auto number = phoneNumber(p);
        if (!number)
            return refuse(cmd, QStringLiteral("bytes after the end of the number"));
        state.smsCentre = *number;
        return accept(cmd, QStringLiteral("SMS centre = %1").arg(*number));
    }
    case code::RecipientPhone: {
        const int slot = quint8(p[0]);
        if (slot < 1 || slot > wire::PhoneSlotCount)
            return refuse(cmd, QStringLiteral("phone slot %1 is not 1..16").arg(slot));
        const auto number = phoneNumber(p.mid(1));
        if (!number)
            return refuse(cmd, QStringLiteral("bytes after the end of the number"));
        state.phones[size_t(slot - 1)] = *number;
        return accept(cmd, QStringLiteral("phone %1 = %2").arg(slot).arg(*number));
    }
    case code::DeviceSwitches: {
        const QString key = QString::number(quint8(p[0]));
        state.deviceSwitches[key] = phonesOn(quint8(p[1]), quint8(p[2]));
        return accept(cmd, QStringLiteral("device %1 sends to phones %2").arg(key, phoneList(state.deviceSwitches[key])));
    }
    case code::ProbeSwitches: {
        const QString key = probeKey(p);
        state.probeSwitches[key] = phonesOn(quint8(p[2]), quint8(p[3]));
        return accept(cmd, QStringLiteral("probe %1 sends to phones %2").arg(key, phoneList(state.probeSwitches[key])));
    }
    case code::ProbeType:
        if (quint8(p[2]) != wire::SwitchInputProbeType)
            return refuse(cmd, QStringLiteral("probe type %1 is not 11").arg(hex(p.mid(2, 1))));
        state.probeTypes[probeKey(p)] = QStringLiteral("switch");
        return accept(cmd, QStringLiteral("probe %1 type = switch input").arg(probeKey(p)));
    case code::AlarmUpperLimit:
    case code::AlarmLowerLimit: {
        const quint8 level = quint8(p[2]);
        if (level != wire::HighLevel && level != wire::LowLevel)
            return refuse(cmd, QStringLiteral("level %1 is neither 55 nor AA").arg(hex(p.mid(2, 1))));
        const QString name = level == wire::HighLevel ? QStringLiteral("high") : QStringLiteral("low");
        const bool upper = cmd == code::AlarmUpperLimit;
        (upper ? state.upperLimits : state.lowerLimits)[probeKey(p)] = name;
        return accept(cmd, QStringLiteral("probe %1 %2 limit = %3 level")
                               .arg(probeKey(p), upper ? QStringLiteral("upper") : QStringLiteral("lower"), name));
    }
    case code::Clock:
        return applyClock(state, p);
    }
    return refuse(cmd, QStringLiteral("unknown command"));
}

QJsonObject ControllerState::toJson() const
{
    auto descriptions = [](const QMap<QString, Description> &map, bool withContent) {
        QJsonObject out;
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            QJsonObject d{{"description", it->text}, {"encoding", it->encoding}, {"descriptionBytes", hex(it->bytes)}};
            if (withContent)
                d.insert("content", hex(it->content));
            out.insert(it.key(), d);
        }
        return out;
    };
    auto phoneMap = [](const QMap<QString, QList<int>> &map) {
        QJsonObject out;
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            QJsonArray list;
            for (int p : *it)
                list.append(p);
            out.insert(it.key(), list);
        }
        return out;
    };
    auto textMap = [](const QMap<QString, QString> &map) {
        QJsonObject out;
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            out.insert(it.key(), *it);
        return out;
    };
    QJsonArray phoneArray;
    for (const QString &p : phones)
        phoneArray.append(p);
    QJsonObject json{
        {"initialised", initialisations > 0},
        {"deviceCount", deviceCount ? QJsonValue(*deviceCount) : QJsonValue()},
        {"addresses", hex(addresses)},
        {"portCounts", hex(portCounts)},
        {"devices", descriptions(devices, true)},
        {"ports", descriptions(ports, false)},
        {"smsCentre", smsCentre},
        {"phones", phoneArray},
        {"deviceSwitches", phoneMap(deviceSwitches)},
        {"probeSwitches", phoneMap(probeSwitches)},
        {"probeTypes", textMap(probeTypes)},
        {"upperLimits", textMap(upperLimits)},
        {"lowerLimits", textMap(lowerLimits)},
    };
    if (clock) {
        json.insert("clock", QJsonObject{{"year", clock->year}, {"month", clock->month}, {"day", clock->day},
                                         {"hour", clock->hour}, {"minute", clock->minute},
                                         {"weekday", clock->weekday}});
    } else {
        json.insert("clock", QJsonValue());
    }
    return json;
}

}  // namespace smscfg::sim
