#include "controller/controller_state.h"

#include "controller/controller_texts.h"
#include "protocol/description_text.h"
#include "protocol/frame.h"
#include "protocol/hex_text.h"
#include "protocol/request_text.h"
#include "protocol/text.h"
#include "protocol/text_fields.h"
#include "protocol/wire.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace smscfg::controller {
namespace {

using T = ControllerText;
using Json = nlohmann::json;

std::u16string hex(ByteView bytes)
{
    return hexText(bytes, u"");
}

Decision refuse(std::u16string why)
{
    return {false, std::move(why)};
}

const Decision Accept{true, {}};

std::u16string deviceKey(std::uint8_t device)
{
    return text::number(device);
}

std::u16string probeKey(ByteView p)
{
    return text::number(p[0]) + u'/' + text::number(p[1]);
}

std::optional<int> bcd(std::uint8_t byte)
{
    if ((byte >> 4) > 9 || (byte & 0x0F) > 9)
        return std::nullopt;
    return (byte >> 4) * 10 + (byte & 0x0F);
}

Decision applyClock(ControllerState &state, ByteView p)
{
    std::optional<int> v[wire::ClockFieldCount];
    for (std::size_t i = 0; i < std::size_t(wire::ClockFieldCount); ++i)
        if (!(v[i] = bcd(p[i])))
            return refuse(controllerText(T::NotBcd, {text::number((long long)(i + 5))}));
    const int weekday = p[wire::ClockFieldCount];
    for (std::size_t i = 0; i < std::size_t(wire::ClockFieldCount); ++i)
        if (*v[i] < wire::ClockFieldRanges[i].low || *v[i] > wire::ClockFieldRanges[i].high)
            return refuse(controllerText(T::NoSuchDate));
    if (weekday < wire::WeekdayRange.low || weekday > wire::WeekdayRange.high)
        return refuse(controllerText(T::Weekday, {text::number(weekday)}));
    state.clock = ControllerState::Clock{*v[0], *v[1], *v[2], *v[3], *v[4], weekday};
    return Accept;
}

std::string utf8(std::u16string_view text)
{
    return text::toUtf8(text);
}

}  // namespace

std::u16string refusalRules()
{
    return controllerText(T::RefusalRules);
}

Decision applyRequest(ControllerState &state, ByteView frame)
{
    const std::uint8_t cmd = frame[4];
    const ByteView p = frame.subspan(5, frame.size() - std::size_t(CommandFrame::MinSize));
    if (!wire::isRequestCode(cmd))
        return refuse(controllerText(T::UnknownCommand));
    if (!wire::payloadSize(cmd).contains(p.size()))
        return refuse(controllerText(T::WrongPayloadSize, {text::number((long long)p.size())}));

    switch (cmd) {
    case code::Initialise:
        state = ControllerState{};
        state.initialised = true;
        return Accept;
    case code::DeviceCount:
        state.deviceCount = p[0];
        return Accept;
    case code::AddressList:
        state.addresses.assign(p.begin(), p.end());
        return Accept;
    case code::PortCountList:
        state.portCounts.assign(p.begin(), p.end());
        return Accept;
    case code::DeviceDescription: {
        const DecodedDescription d = decodeDescriptionField(p.subspan(1, wire::DeviceDescriptionWidth));
        const ByteView content = p.subspan(1 + wire::DeviceDescriptionWidth);
        state.devices[deviceKey(p[0])] = {d.text, d.encoding, d.textBytes, Bytes(content.begin(), content.end())};
        return Accept;
    }
    case code::PortDescription: {
        if (p[2] != wire::PortDescriptionMarker)
            return refuse(controllerText(T::PortMarker));
        const DecodedDescription d = decodeDescriptionField(p.subspan(3, wire::PortDescriptionWidth));
        state.ports[probeKey(p)] = {d.text, d.encoding, d.textBytes, {}};
        return Accept;
    }
    case code::SmsCentre: {
        const auto number = phoneNumberOfField(p);
        if (!number)
            return refuse(controllerText(T::BytesAfterNumber));
        state.smsCentre = *number;
        return Accept;
    }
    case code::RecipientPhone: {
        const int slot = p[0];
        if (slot < 1 || slot > wire::PhoneSlotCount)
            return refuse(controllerText(T::PhoneSlot, {text::number(slot)}));
        const auto number = phoneNumberOfField(p.subspan(1));
        if (!number)
            return refuse(controllerText(T::BytesAfterNumber));
        state.phones[std::size_t(slot - 1)] = *number;
        return Accept;
    }
    case code::DeviceSwitches:
        state.deviceSwitches[deviceKey(p[0])] = phonesOfMask(p[1], p[2]);
        return Accept;
    case code::ProbeSwitches:
        state.probeSwitches[probeKey(p)] = phonesOfMask(p[2], p[3]);
        return Accept;
    case code::ProbeType:
        if (p[2] != wire::SwitchInputProbeType)
            return refuse(controllerText(T::ProbeType, {hex(p.subspan(2, 1))}));
        state.probeTypes[probeKey(p)] = u"switch";
        return Accept;
    case code::AlarmUpperLimit:
    case code::AlarmLowerLimit: {
        const std::uint8_t level = p[2];
        if (level != wire::HighLevel && level != wire::LowLevel)
            return refuse(controllerText(T::Level, {hex(p.subspan(2, 1))}));
        (cmd == code::AlarmUpperLimit ? state.upperLimits : state.lowerLimits)[probeKey(p)] =
            level == wire::HighLevel ? u"high" : u"low";
        return Accept;
    }
    case code::Clock:
        return applyClock(state, p);
    }
    return refuse(controllerText(T::UnknownCommand));
}

Answer answerRequest(ControllerState &state, const FrameAssembler::Item &item, bool refuseAll)
{
    Answer answer{{false, controllerText(T::BrokenFrame)}, {}, {}};
    const std::uint8_t code = item.bytes.size() > 4 ? item.bytes[4] : 0;
    if (item.kind == FrameAssembler::Item::Frame)
        answer.decision = refuseAll ? refuse(controllerText(T::RefuseAll)) : applyRequest(state, item.bytes);
    const std::uint8_t status[] = {answer.decision.accepted ? wire::StatusAccepted : wire::StatusRefused};
    answer.reply = CommandFrame::build(code, status)->bytes();
    answer.meaning = describeRequest(item.bytes);
    if (!answer.decision.accepted)
        answer.meaning = controllerText(T::Refused, {answer.meaning, escapeForLog(answer.decision.refusal)});
    return answer;
}

std::string ControllerState::toJson() const
{
    const auto descriptions = [](const std::map<std::u16string, Description> &map, bool withContent) {
        Json out = Json::object();
        for (const auto &[key, d] : map) {
            Json entry{{"description", utf8(d.text)}, {"encoding", utf8(d.encoding)}, {"descriptionBytes", utf8(hex(d.bytes))}};
            if (withContent)
                entry["content"] = utf8(hex(d.content));
            out[utf8(key)] = entry;
        }
        return out;
    };
    const auto phoneMap = [](const std::map<std::u16string, std::vector<int>> &map) {
        Json out = Json::object();
        for (const auto &[key, list] : map)
            out[utf8(key)] = list;
        return out;
    };
    const auto textMap = [](const std::map<std::u16string, std::u16string> &map) {
        Json out = Json::object();
        for (const auto &[key, value] : map)
            out[utf8(key)] = utf8(value);
        return out;
    };
    Json phoneArray = Json::array();
    for (const std::u16string &p : phones)
        phoneArray.push_back(utf8(p));
    Json json{
        {"initialised", initialised},
        {"deviceCount", deviceCount ? Json(*deviceCount) : Json()},
        {"addresses", utf8(hex(addresses))},
        {"portCounts", utf8(hex(portCounts))},
        {"devices", descriptions(devices, true)},
        {"ports", descriptions(ports, false)},
        {"smsCentre", utf8(smsCentre)},
        {"phones", phoneArray},
        {"deviceSwitches", phoneMap(deviceSwitches)},
        {"probeSwitches", phoneMap(probeSwitches)},
        {"probeTypes", textMap(probeTypes)},
        {"upperLimits", textMap(upperLimits)},
        {"lowerLimits", textMap(lowerLimits)},
        {"clock", clock ? Json{{"year", clock->year}, {"month", clock->month}, {"day", clock->day},
                              {"hour", clock->hour}, {"minute", clock->minute}, {"weekday", clock->weekday}}
                        : Json()},
    };
    return json.dump();
}

namespace {

// Reads one field after another and remembers the first problem, named by
// the field's path ("devices.3.content").
class JsonReader {
public:
    bool ok() const { return m_error.empty(); }
    const std::u16string &error() const { return m_error; }

    bool fail(const std::string &path, std::u16string why)
    {
        if (m_error.empty())
            m_error = controllerText(T::FieldProblem, {escapeForLog(text::fromUtf8(path)), why});
        return false;
    }
    const Json &field(const Json &object, const std::string &key, const std::string &path)
    {
        static const Json none;
        if (!object.is_object() || !object.contains(key)) {
            fail(path, controllerText(T::Missing));
            return none;
        }
        return object.at(key);
    }
    std::optional<int> integer(const Json &v, const std::string &path, int low, int high)
    {
        const double d = v.is_number() ? v.get<double>() : 0;
        if (!v.is_number() || d < low || d > high || d != std::floor(d)) {
            fail(path, controllerText(T::NotWholeNumber, {text::number(low), text::number(high)}));
            return std::nullopt;
        }
        return int(d);
    }
    std::u16string text(const Json &v, const std::string &path)
    {
        if (!v.is_string()) {
            fail(path, controllerText(T::NotText));
            return {};
        }
        return text::fromUtf8(v.get_ref<const std::string &>());
    }
    Bytes hex(const Json &v, const std::string &path)
    {
        const std::optional<Bytes> bytes = hexListToBytes(text(v, path));
        if (!bytes)
            fail(path, controllerText(T::NotHex));
        return bytes.value_or(Bytes());
    }
    const Json &object(const Json &v, const std::string &path)
    {
        static const Json empty = Json::object();
        if (!v.is_object()) {
            fail(path, controllerText(T::NotObject));
            return empty;
        }
        return v;
    }
    // A per-device key ("3") or per-probe key ("3/2"): numbers 0..255
    // without leading zeros.
    bool key(const std::string &k, const std::string &path, bool probe)
    {
        const auto number = [](std::string_view part) -> std::optional<int> {
            if (part.empty() || part.size() > 3 || (part.size() > 1 && part[0] == '0'))
                return std::nullopt;
            int value = 0;
            for (const char c : part) {
                if (c < '0' || c > '9')
                    return std::nullopt;
                value = value * 10 + (c - '0');
            }
            return value;
        };
        const std::size_t slash = k.find('/');
        std::vector<std::optional<int>> parts;
        if (probe && slash != std::string::npos)
            parts = {number(std::string_view(k).substr(0, slash)), number(std::string_view(k).substr(slash + 1))};
        else if (!probe)
            parts = {number(k)};
        const bool matches = !parts.empty() && std::all_of(parts.begin(), parts.end(), [](auto p) { return p.has_value(); });
        if (!matches)
            return fail(path, controllerText(probe ? T::NotProbeKey : T::NotDeviceKey));
        for (const auto &p : parts)
            if (*p > 255)
                return fail(path, controllerText(T::DeviceOutOfRange));
        return true;
    }
    std::vector<int> phoneList(const Json &v, const std::string &path)
    {
        std::vector<int> phones;
        if (!v.is_array()) {
            fail(path, controllerText(T::NotList));
            return phones;
        }
        for (const Json &p : v)
            phones.push_back(integer(p, path, 1, wire::PhoneSlotCount).value_or(0));
        return phones;
    }

private:
    std::u16string m_error;
};

}  // namespace

std::variant<ControllerState, std::u16string> ControllerState::fromJson(std::string_view text)
{
    const Json json = Json::parse(text.begin(), text.end(), nullptr, false);
    if (!json.is_object())
        return controllerText(T::NotJsonObject);
    ControllerState s;
    JsonReader r;
    const auto keyed = [&](const std::string &name, bool probe, const auto &read) {
        const Json &map = r.object(r.field(json, name, name), name);
        for (const auto &[key, value] : map.items()) {
            const std::string path = name + '.' + key;
            if (r.key(key, path, probe))
                read(text::fromUtf8(key), value, path);
        }
    };
    const auto description = [&](const Json &v, const std::string &path, bool withContent) {
        const Json &d = r.object(v, path);
        Description out{r.text(r.field(d, "description", path + ".description"), path + ".description"),
                        r.text(r.field(d, "encoding", path + ".encoding"), path + ".encoding"),
                        r.hex(r.field(d, "descriptionBytes", path + ".descriptionBytes"), path + ".descriptionBytes"),
                        withContent ? r.hex(r.field(d, "content", path + ".content"), path + ".content") : Bytes()};
        if (out.encoding != u"unicode" && out.encoding != u"codepage")
            r.fail(path + ".encoding", controllerText(T::BadEncoding));
        return out;
    };

    const Json &initialised = r.field(json, "initialised", "initialised");
    if (!initialised.is_boolean())
        r.fail("initialised", controllerText(T::NotFlag));
    s.initialised = initialised.is_boolean() && initialised.get<bool>();
    if (const Json &count = r.field(json, "deviceCount", "deviceCount"); !count.is_null())
        s.deviceCount = r.integer(count, "deviceCount", 0, 255);
    s.addresses = r.hex(r.field(json, "addresses", "addresses"), "addresses");
    s.portCounts = r.hex(r.field(json, "portCounts", "portCounts"), "portCounts");
    keyed("devices", false, [&](const std::u16string &k, const Json &v, const std::string &path) {
        s.devices.insert_or_assign(k, description(v, path, true));
    });
    keyed("ports", true, [&](const std::u16string &k, const Json &v, const std::string &path) {
        s.ports.insert_or_assign(k, description(v, path, false));
    });
    s.smsCentre = r.text(r.field(json, "smsCentre", "smsCentre"), "smsCentre");
    const Json &phones = r.field(json, "phones", "phones");
    if (!phones.is_array() || phones.size() != s.phones.size())
        r.fail("phones", controllerText(T::NotPhoneList, {text::number((long long)s.phones.size())}));
    for (std::size_t i = 0; i < s.phones.size(); ++i)
        s.phones[i] = r.text(phones.is_array() && i < phones.size() ? phones[i] : Json(), "phones." + std::to_string(i));
    keyed("deviceSwitches", false, [&](const std::u16string &k, const Json &v, const std::string &path) {
        s.deviceSwitches.insert_or_assign(k, r.phoneList(v, path));
    });
    keyed("probeSwitches", true, [&](const std::u16string &k, const Json &v, const std::string &path) {
        s.probeSwitches.insert_or_assign(k, r.phoneList(v, path));
    });
    keyed("probeTypes", true, [&](const std::u16string &k, const Json &v, const std::string &path) {
        if (v != Json("switch"))
            r.fail(path, controllerText(T::NotSwitch));
        s.probeTypes.insert_or_assign(k, v.is_string() ? text::fromUtf8(v.get_ref<const std::string &>()) : u"");
    });
    for (const auto &[name, limits] : {std::pair{"upperLimits", &s.upperLimits}, std::pair{"lowerLimits", &s.lowerLimits}}) {
        keyed(name, true, [&, limits = limits](const std::u16string &k, const Json &v, const std::string &path) {
            if (v != Json("high") && v != Json("low"))
                r.fail(path, controllerText(T::NotLevel));
            limits->insert_or_assign(k, v.is_string() ? text::fromUtf8(v.get_ref<const std::string &>()) : u"");
        });
    }
    if (const Json &clock = r.field(json, "clock", "clock"); !clock.is_null()) {
        const Json &c = r.object(clock, "clock");
        const auto part = [&](const char *name, wire::ClockRange range) {
            const std::string path = std::string("clock.") + name;
            return r.integer(r.field(c, name, path), path, range.low, range.high).value_or(0);
        };
        const auto &ranges = wire::ClockFieldRanges;
        s.clock = Clock{part("year", ranges[0]), part("month", ranges[1]), part("day", ranges[2]),
                        part("hour", ranges[3]), part("minute", ranges[4]), part("weekday", wire::WeekdayRange)};
    }
    // Whatever is left over (a field toJson() does not write, a clock with
    // extra parts) would be lost when the state is next written.
    if (r.ok()) {
        const Json again = Json::parse(s.toJson());
        for (const auto &[key, value] : json.items()) {
            if (!again.contains(key))
                r.fail(key, controllerText(T::NotAField));
            else if (again.at(key) != value)
                r.fail(key, controllerText(T::NotWrittenBack));
        }
    }
    if (!r.ok())
        return r.error();
    return s;
}

}  // namespace smscfg::controller
