#include "sim/controller_state.h"

#include "protocol/frame.h"
#include "protocol/hex_text.h"
#include "protocol/request_text.h"
#include "protocol/wire.h"
#include "protocol/description_text.h"
#include "protocol/text_fields.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>

namespace smscfg::sim {
namespace {

QString hex(const QByteArray &bytes)
{
    return hexText(bytes, QString());
}

Decision refuse(const QString &why)
{
    return {false, why};
}

const Decision Accept{true, {}};

QString probeKey(const QByteArray &p)
{
    return QStringLiteral("%1/%2").arg(quint8(p[0])).arg(quint8(p[1]));
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
            return refuse(QStringLiteral("第%1字节不是两位BCD数字").arg(i + 5));
    const int weekday = quint8(p[wire::ClockFieldCount]);
    for (int i = 0; i < wire::ClockFieldCount; ++i)
        if (*v[i] < wire::ClockFieldRanges[i].low || *v[i] > wire::ClockFieldRanges[i].high)
            return refuse(QStringLiteral("没有这个日期或时间"));
    if (weekday < wire::WeekdayRange.low || weekday > wire::WeekdayRange.high)
        return refuse(QStringLiteral("星期%1不在1到7之间").arg(weekday));
    state.clock = ControllerState::Clock{*v[0], *v[1], *v[2], *v[3], *v[4], weekday};
    return Accept;
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
        return refuse(QStringLiteral("未知命令"));
    if (!wire::payloadSize(cmd).contains(p.size()))
        return refuse(QStringLiteral("负载%1字节，长度不对").arg(p.size()));

    switch (cmd) {
    case code::Initialise:
        state = ControllerState{};
        state.initialised = true;
        return Accept;
    case code::DeviceCount:
        state.deviceCount = quint8(p[0]);
        return Accept;
    case code::AddressList:
        state.addresses = p;
        return Accept;
    case code::PortCountList:
        state.portCounts = p;
        return Accept;
    case code::DeviceDescription: {
        const DecodedDescription d = decodeDescriptionField(p.mid(1, wire::DeviceDescriptionWidth));
        state.devices[QString::number(quint8(p[0]))] = {d.text, d.encoding, d.textBytes,
                                                        p.mid(1 + wire::DeviceDescriptionWidth)};
        return Accept;
    }
    case code::PortDescription: {
        if (quint8(p[2]) != wire::PortDescriptionMarker)
            return refuse(QStringLiteral("第7字节不是01"));
        const DecodedDescription d = decodeDescriptionField(p.mid(3, wire::PortDescriptionWidth));
        state.ports[probeKey(p)] = {d.text, d.encoding, d.textBytes, {}};
        return Accept;
    }
    case code::SmsCentre: {
        const auto number = phoneNumberOfField(p);
        if (!number)
            return refuse(QStringLiteral("号码的0x00后面还有字节"));
        state.smsCentre = *number;
        return Accept;
    }
    case code::RecipientPhone: {
        const int slot = quint8(p[0]);
        if (slot < 1 || slot > wire::PhoneSlotCount)
            return refuse(QStringLiteral("电话序号%1不在1到16之间").arg(slot));
        const auto number = phoneNumberOfField(p.mid(1));
        if (!number)
            return refuse(QStringLiteral("号码的0x00后面还有字节"));
        state.phones[size_t(slot - 1)] = *number;
        return Accept;
    }
    case code::DeviceSwitches:
        state.deviceSwitches[QString::number(quint8(p[0]))] = phonesOfMask(quint8(p[1]), quint8(p[2]));
        return Accept;
    case code::ProbeSwitches:
        state.probeSwitches[probeKey(p)] = phonesOfMask(quint8(p[2]), quint8(p[3]));
        return Accept;
    case code::ProbeType:
        if (quint8(p[2]) != wire::SwitchInputProbeType)
            return refuse(QStringLiteral("探头类型%1不是11").arg(hex(p.mid(2, 1))));
        state.probeTypes[probeKey(p)] = QStringLiteral("switch");
        return Accept;
    case code::AlarmUpperLimit:
    case code::AlarmLowerLimit: {
        const quint8 level = quint8(p[2]);
        if (level != wire::HighLevel && level != wire::LowLevel)
            return refuse(QStringLiteral("电平%1既不是55也不是AA").arg(hex(p.mid(2, 1))));
        const QString name = level == wire::HighLevel ? QStringLiteral("high") : QStringLiteral("low");
        (cmd == code::AlarmUpperLimit ? state.upperLimits : state.lowerLimits)[probeKey(p)] = name;
        return Accept;
    }
    case code::Clock:
        return applyClock(state, p);
    }
    return refuse(QStringLiteral("未知命令"));
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
        {"initialised", initialised},
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

namespace {

// Reads one field after another and remembers the first problem, named by
// the field's path ("devices.3.content").
class JsonReader {
public:
    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    bool fail(const QString &path, const QString &why)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("%1: %2").arg(escapeForLog(path), why);
        return false;
    }
    QJsonValue field(const QJsonObject &object, const QString &key, const QString &path)
    {
        if (!object.contains(key))
            fail(path, QStringLiteral("missing"));
        return object.value(key);
    }
    std::optional<int> integer(const QJsonValue &v, const QString &path, int low, int high)
    {
        const double d = v.toDouble();
        if (!v.isDouble() || d < low || d > high || d != std::floor(d)) {
            fail(path, QStringLiteral("not a whole number from %1 to %2").arg(low).arg(high));
            return std::nullopt;
        }
        return int(d);
    }
    QString text(const QJsonValue &v, const QString &path)
    {
        if (!v.isString())
            fail(path, QStringLiteral("not a text"));
        return v.toString();
    }
    QByteArray hex(const QJsonValue &v, const QString &path)
    {
        const std::optional<QByteArray> bytes = hexListToBytes(text(v, path));
        if (!bytes)
            fail(path, QStringLiteral("not hex digit pairs"));
        return bytes.value_or(QByteArray());
    }
    QJsonObject object(const QJsonValue &v, const QString &path)
    {
        if (!v.isObject())
            fail(path, QStringLiteral("not an object"));
        return v.toObject();
    }
    // A per-device key ("3") or per-probe key ("3/2").
    bool key(const QString &k, const QString &path, bool probe)
    {
        static const QRegularExpression device(QStringLiteral("^(0|[1-9][0-9]{0,2})$"));
        static const QRegularExpression probeKey(QStringLiteral("^(0|[1-9][0-9]{0,2})/(0|[1-9][0-9]{0,2})$"));
        const QRegularExpressionMatch m = (probe ? probeKey : device).match(k);
        for (int i = 1; m.hasMatch() && i <= m.lastCapturedIndex(); ++i)
            if (m.captured(i).toInt() > 255)
                return fail(path, QStringLiteral("not a device number from 0 to 255"));
        return m.hasMatch() || fail(path, probe ? QStringLiteral("not device/probe numbers") : QStringLiteral("not a device number"));
    }
    QList<int> phoneList(const QJsonValue &v, const QString &path)
    {
        QList<int> phones;
        if (!v.isArray()) {
            fail(path, QStringLiteral("not a list"));
            return phones;
        }
        for (const QJsonValue &p : v.toArray())
            phones.append(integer(p, path, 1, wire::PhoneSlotCount).value_or(0));
        return phones;
    }

private:
    QString m_error;
};

}  // namespace

std::optional<ControllerState> ControllerState::fromJson(const QJsonObject &json, QString *error)
{
    ControllerState s;
    JsonReader r;
    const auto keyed = [&](const QString &name, bool probe, const auto &read) {
        const QJsonObject map = r.object(r.field(json, name, name), name);
        for (auto it = map.begin(); it != map.end(); ++it) {
            const QString path = name + u'.' + it.key();
            if (r.key(it.key(), path, probe))
                read(it.key(), it.value(), path);
        }
    };
    const auto description = [&](const QJsonValue &v, const QString &path, bool withContent) {
        const QJsonObject d = r.object(v, path);
        Description out{r.text(r.field(d, "description", path + ".description"), path + ".description"),
                        r.text(r.field(d, "encoding", path + ".encoding"), path + ".encoding"),
                        r.hex(r.field(d, "descriptionBytes", path + ".descriptionBytes"), path + ".descriptionBytes"),
                        withContent ? r.hex(r.field(d, "content", path + ".content"), path + ".content") : QByteArray()};
        if (out.encoding != u"unicode" && out.encoding != u"codepage")
            r.fail(path + ".encoding", QStringLiteral("neither unicode nor codepage"));
        return out;
    };

    const QJsonValue initialised = r.field(json, "initialised", "initialised");
    if (!initialised.isBool())
        r.fail("initialised", QStringLiteral("neither true nor false"));
    s.initialised = initialised.toBool();
    if (const QJsonValue count = r.field(json, "deviceCount", "deviceCount"); !count.isNull())
        s.deviceCount = r.integer(count, "deviceCount", 0, 255);
    s.addresses = r.hex(r.field(json, "addresses", "addresses"), "addresses");
    s.portCounts = r.hex(r.field(json, "portCounts", "portCounts"), "portCounts");
    keyed("devices", false, [&](const QString &k, const QJsonValue &v, const QString &path) {
        s.devices.insert(k, description(v, path, true));
    });
    keyed("ports", true, [&](const QString &k, const QJsonValue &v, const QString &path) {
        s.ports.insert(k, description(v, path, false));
    });
    s.smsCentre = r.text(r.field(json, "smsCentre", "smsCentre"), "smsCentre");
    const QJsonValue phones = r.field(json, "phones", "phones");
    if (!phones.isArray() || phones.toArray().size() != qsizetype(s.phones.size()))
        r.fail("phones", QStringLiteral("not a list of %1 texts").arg(s.phones.size()));
    for (size_t i = 0; i < s.phones.size(); ++i)
        s.phones[i] = r.text(phones.toArray().at(qsizetype(i)), QStringLiteral("phones.%1").arg(i));
    keyed("deviceSwitches", false, [&](const QString &k, const QJsonValue &v, const QString &path) {
        s.deviceSwitches.insert(k, r.phoneList(v, path));
    });
    keyed("probeSwitches", true, [&](const QString &k, const QJsonValue &v, const QString &path) {
        s.probeSwitches.insert(k, r.phoneList(v, path));
    });
    keyed("probeTypes", true, [&](const QString &k, const QJsonValue &v, const QString &path) {
        if (v != QJsonValue("switch"))
            r.fail(path, QStringLiteral("not \"switch\""));
        s.probeTypes.insert(k, v.toString());
    });
    for (const auto &limitMap : {std::pair{"upperLimits", &s.upperLimits}, std::pair{"lowerLimits", &s.lowerLimits}}) {
        QMap<QString, QString> *limits = limitMap.second;
        keyed(QString::fromLatin1(limitMap.first), true, [&](const QString &k, const QJsonValue &v, const QString &path) {
            if (v != QJsonValue("high") && v != QJsonValue("low"))
                r.fail(path, QStringLiteral("neither \"high\" nor \"low\""));
            limits->insert(k, v.toString());
        });
    }
    if (const QJsonValue clock = r.field(json, "clock", "clock"); !clock.isNull()) {
        const QJsonObject c = r.object(clock, "clock");
        const auto part = [&](const char *name, wire::ClockRange range) {
            const QString path = QStringLiteral("clock.") + QLatin1String(name);
            return r.integer(r.field(c, QLatin1String(name), path), path, range.low, range.high).value_or(0);
        };
        const auto &ranges = wire::ClockFieldRanges;
        s.clock = Clock{part("year", ranges[0]), part("month", ranges[1]), part("day", ranges[2]),
                        part("hour", ranges[3]), part("minute", ranges[4]), part("weekday", wire::WeekdayRange)};
    }
    // Whatever is left over (a field toJson() does not write, a clock with
    // extra parts) would be lost when the state is next written.
    if (r.ok()) {
        const QJsonObject again = s.toJson();
        for (auto it = json.begin(); it != json.end(); ++it)
            if (again.value(it.key()) != it.value())
                r.fail(it.key(), again.contains(it.key()) ? QStringLiteral("would not be written back as it is")
                                                           : QStringLiteral("not a field of the controller's state"));
    }
    if (!r.ok()) {
        if (error)
            *error = r.error();
        return std::nullopt;
    }
    return s;
}

}  // namespace smscfg::sim
