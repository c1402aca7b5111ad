// The page's door to the core: one exported function, smscfg_call, takes a
// JSON request {"op": ..., ...} and answers in JSON (UTF-8 both ways). The
// page keeps one exchange and one demo controller; they live here.
#include "commands/catalogue.h"
#include "commands/clock_request.h"
#include "commands/command_table.h"
#include "commands/form_layout_table.h"
#include "commands/profile.h"
#include "commands/request_words.h"
#include "controller/controller_state.h"
#include "controller/frame_assembler.h"
#include "exchange/exchange_machine.h"
#include "exchange/traffic_text.h"
#include "protocol/request_text.h"
#include "protocol/text.h"
#include "protocol/wire.h"

#include <nlohmann/json.hpp>

#include <string>

using nlohmann::json;

namespace smscfg::web {
namespace {

std::string utf8(std::u16string_view s)
{
    return text::toUtf8(s);
}

std::u16string utf16(const json &j)
{
    return text::fromUtf8(j.get<std::string>());
}

json bytesJson(ByteView bytes)
{
    return json(std::vector<int>(bytes.begin(), bytes.end()));
}

Bytes bytesOf(const json &j)
{
    Bytes bytes;
    for (const json &b : j)
        bytes.push_back(static_cast<std::uint8_t>(b.get<int>()));
    return bytes;
}

json wordsJson(const Words &words)
{
    json out = json::array();
    for (const std::u16string &w : words)
        out.push_back(utf8(w));
    return out;
}

LocalTime localTimeOf(const json &j)
{
    return {j.at("year").get<int>(), j.at("month").get<int>(), j.at("day").get<int>(),
            j.at("hour").get<int>(), j.at("minute").get<int>(), j.at("weekday").get<int>()};
}

const char *kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Title: return "Title";
    case ControlKind::Label: return "Label";
    case ControlKind::Hint: return "Hint";
    case ControlKind::Button: return "Button";
    case ControlKind::Text: return "Text";
    case ControlKind::Combo: return "Combo";
    case ControlKind::PortCombo: return "PortCombo";
    case ControlKind::Check: return "Check";
    case ControlKind::Option: return "Option";
    case ControlKind::Frame: return "Frame";
    }
    return "";
}

// The font size of a control, as the window gives it: a check box or option
// button in a small frame takes the small size.
double pointsOf(const FormControl &c, std::u16string_view frame)
{
    switch (c.kind) {
    case ControlKind::Title: return TitlePoints;
    case ControlKind::Label: return LabelPoints;
    case ControlKind::Hint:
    case ControlKind::Combo:
    case ControlKind::PortCombo: return SmallPoints;
    case ControlKind::Check:
    case ControlKind::Option: return isSmallFrame(frame) ? SmallPoints : BodyPoints;
    case ControlKind::Button:
    case ControlKind::Text:
    case ControlKind::Frame: break;
    }
    return BodyPoints;
}

bool contains(const FormControl &outer, const FormControl &inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width
        && inner.top + inner.height <= outer.top + outer.height;
}

json controlJson(const FormControl &c, std::u16string_view frame)
{
    return {{"kind", kindName(c.kind)},
            {"name", utf8(c.name)},
            {"caption", utf8(captionOf(c))},
            {"left", c.left / TwipsPerPixel},
            {"top", c.top / TwipsPerPixel},
            {"width", c.width / TwipsPerPixel},
            {"height", c.height / TwipsPerPixel},
            {"points", pointsOf(c, frame)},
            {"rowButton", utf8(c.rowButton)},
            {"frame", utf8(frame)}};
}

json twoDigitRange(int first, int last)
{
    json items = json::array();
    for (int v = first; v <= last; ++v)
        items.push_back((v < 10 ? "0" : "") + std::to_string(v));
    return items;
}

const CommandEntry &clockCommand()
{
    return *findCommandByButton(u"Command15");
}

json formTable()
{
    json controls = json::array();
    std::vector<FormControl> frames;
    for (const FormControl &c : formControls()) {
        std::u16string_view frame;
        if (c.kind == ControlKind::Check || c.kind == ControlKind::Option)
            for (const FormControl &f : frames)
                if (contains(f, c))
                    frame = f.name;
        controls.push_back(controlJson(c, frame));
        if (c.kind == ControlKind::Frame)
            frames.push_back(c);
        if (c.name == PhoneFrame)
            for (int k = 0; k < wire::PhoneSlotCount; ++k)
                controls.push_back(controlJson(phoneBox(k), PhoneFrame));
    }
    json commands = json::array();
    for (const CommandEntry &entry : commandTable())
        commands.push_back({{"button", utf8(entry.button)},
                            {"caption", utf8(commandCaption(entry))},
                            {"code", entry.code},
                            {"needsOpenPort", entry.needsOpenPort},
                            {"cliName", utf8(entry.cliName)},
                            {"controls", wordsJson(entry.textControls())}});
    // The clock row's lists, as the window fills them.
    const std::vector<std::u16string> clock = clockCommand().textControls();
    json weekdays = json::array();
    for (const std::u16string &name : weekdayNames())
        weekdays.push_back(utf8(name));
    const json lists = {{utf8(clock[0]), twoDigitRange(0, 99)}, {utf8(clock[1]), twoDigitRange(1, 12)},
                        {utf8(clock[2]), twoDigitRange(1, 31)}, {utf8(clock[3]), twoDigitRange(1, 24)},
                        {utf8(clock[4]), twoDigitRange(1, 60)}, {utf8(clock[5]), weekdays}};
    return {{"width", FormWidthTwips / TwipsPerPixel},
            {"height", FormHeightTwips / TwipsPerPixel},
            {"controls", controls},
            {"commands", commands},
            {"lists", lists},
            {"ticked", {utf8(UnicodeBox), utf8(SwitchBox)}},
            {"hidden", {utf8(findCommandByCliName(u"lower-limit")->button)}},
            {"clockControls", wordsJson(clock)},
            {"version", SMSCFG_WEB_VERSION}};
}

// What a request sets: its code and the bytes that name the device, probe
// or phone slot. Requests with the same key replace each other in a profile.
json settingKey(ByteView frame)
{
    return bytesJson(frame.subspan(4, std::size_t(1 + wire::targetBytes(frame[4]))));
}

// A box's text comes as its UTF-16 code units, lone surrogates and all.
ControlValues controlValuesOf(const json &j)
{
    ControlValues values;
    for (const auto &[name, units] : j.at("texts").items()) {
        std::u16string &value = values.texts[text::fromUtf8(name)];
        for (const json &unit : units)
            value += static_cast<char16_t>(unit.get<int>());
    }
    for (const json &name : j.at("ticked"))
        values.ticked.insert(utf16(name));
    return values;
}

json build(const json &request)
{
    const CommandEntry *entry = findCommandByButton(utf16(request.at("button")));
    if (!entry)
        return {{"fault", "no such button"}};
    const ControlValues values = controlValuesOf(request.at("values"));
    const BuildResult result = entry->build(values);
    if (!result.hasFrame())
        return {{"kind", result.kind() == BuildResult::Kind::Message ? "message" : "refusal"},
                {"text", utf8(result.text())}};
    Words words = requestWords(*entry, values);
    // A clock row that shows the PC's time is saved as "now", to be the
    // time of the next controller too.
    if (entry == &clockCommand() && Words(words.begin() + 1, words.end()) == clockWords(clockTextsOf(localTimeOf(request.at("now")))))
        words = {entry->cliName, u"now"};
    const Bytes &frame = result.frame().bytes();
    return {{"kind", "frame"}, {"frame", bytesJson(frame)}, {"words", wordsJson(words)}, {"key", settingKey(frame)}};
}

// The page's one exchange.
ExchangeMachine &machine()
{
    static ExchangeMachine m;
    return m;
}

const char *outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Accepted: return "Accepted";
    case Outcome::Refused: return "Refused";
    case Outcome::NoVerdict: return "NoVerdict";
    case Outcome::NoResponse: return "NoResponse";
    case Outcome::PortUnusable: return "PortUnusable";
    case Outcome::LinkLost: return "LinkLost";
    }
    return "";
}

const char *ignoredName(Ignored why)
{
    switch (why) {
    case Ignored::Echo: return "Echo";
    case Ignored::OtherRequest: return "OtherRequest";
    case Ignored::LateReply: return "LateReply";
    case Ignored::Unrecognised: return "Unrecognised";
    }
    return "";
}

// The events since the last call, and when to wake the machine next.
// When a line is logged, on the PC's clock.
struct LogTime {
    CalendarDay day;
    TimeOfDay time;
};

// The page's one log: each line, after the day's date when a new day starts.
class TrafficLog {
public:
    std::u16string line(const LogTime &at, TrafficKind kind, ByteView bytes, std::u16string_view meaning)
    {
        std::u16string out;
        const long long day = (at.day.year * 100LL + at.day.month) * 100 + at.day.day;
        if (m_day != day) {
            m_day = day;
            out = dayLine(at.day) + u'\n';
        }
        return out + trafficLine(at.time, kind, bytes, meaning);
    }
    std::u16string line(const LogTime &at, const ExchangeMachine::Event &event)
    {
        const TrafficEntryText entry = trafficEntryOf(event);
        return line(at, entry.kind, entry.bytes, entry.meaning);
    }
    // The next line is after the date again (the log was cleared).
    void repeatDate() { m_day.reset(); }

private:
    std::optional<long long> m_day;  // of the last line
};

TrafficLog &trafficLog()
{
    static TrafficLog log;
    return log;
}

LogTime logTimeOf(const json &j)
{
    const long long ms = j.at("ms").get<long long>();
    return {{j.at("year").get<int>(), j.at("month").get<int>(), j.at("day").get<int>(), j.at("weekday").get<int>()},
            {int(ms / 3600000 % 24), int(ms / 60000 % 60), int(ms / 1000 % 60), int(ms % 1000)}};
}

json exchangeState(const LogTime &at)
{
    json events = json::array();
    for (const ExchangeMachine::Event &event : machine().takeEvents()) {
        json e = {{"log", utf8(trafficLog().line(at, event))}};
        if (const auto *sent = std::get_if<ExchangeMachine::Sent>(&event)) {
            e["type"] = "sent";
            e["id"] = sent->id;
        } else if (std::holds_alternative<ExchangeMachine::Received>(event)) {
            e["type"] = "received";
        } else if (const auto *finished = std::get_if<ExchangeMachine::Finished>(&event)) {
            const ExchangeMachine::Result &r = finished->result;
            e.update({{"type", "finished"},
                      {"id", r.id},
                      {"outcome", outcomeName(r.outcome)},
                      {"message", utf8(outcomeMessage(r.outcome))},
                      {"status", utf8(resultText(r))},
                      {"frame", bytesJson(r.request)}});
        } else {
            e["type"] = "dropped";
            e["why"] = ignoredName(std::get<ExchangeMachine::Dropped>(event).why);
        }
        events.push_back(std::move(e));
    }
    const Millis expiry = machine().expiry();
    return {{"events", events},
            {"expiry", expiry == Millis::max() ? json(nullptr) : json(expiry.count())},
            {"awaiting", machine().awaitingReply()}};
}

// The demo controller: the simulator's decisions on the bytes it gets.
json demo(const json &request)
{
    static controller::ControllerState state;
    static controller::FrameAssembler assembler;
    json answers = json::array();
    const bool refuseAll = request.at("refuseAll").get<bool>();
    for (const controller::FrameAssembler::Item &item : assembler.feed(bytesOf(request.at("bytes")))) {
        const controller::Answer answer = controller::answerRequest(state, item, refuseAll);
        answers.push_back({{"reply", bytesJson(answer.reply)}, {"meaning", utf8(answer.meaning)}});
    }
    return answers;
}

json parseProfileText(const json &request)
{
    const auto profile = parseProfile(request.at("text").get<std::string>());
    if (const auto *problem = std::get_if<std::u16string>(&profile))
        return {{"error", utf8(*problem)}};
    const auto built = buildProfileSteps(std::get<Profile>(profile), localTimeOf(request.at("now")));
    if (const auto *problem = std::get_if<std::u16string>(&built))
        return {{"error", utf8(*problem)}};
    json steps = json::array();
    for (const ProfileStep &step : std::get<std::vector<ProfileStep>>(built))
        steps.push_back({{"words", wordsJson(step.words)},
                         {"frame", bytesJson(step.frame.bytes())},
                         {"key", settingKey(step.frame.bytes())},
                         {"description", utf8(describeRequest(step.frame.bytes()))}});
    return {{"name", utf8(std::get<Profile>(profile).name)}, {"steps", steps}};
}

json profileText(const json &request)
{
    Profile profile{utf16(request.at("name")), {}};
    for (const json &step : request.at("steps")) {
        Words words;
        for (const json &w : step)
            words.push_back(utf16(w));
        profile.steps.push_back(std::move(words));
    }
    return profileToJson(profile);
}

json clockTexts(const json &request)
{
    return wordsJson(clockWords(clockTextsOf(localTimeOf(request.at("now")))));
}

json dispatch(const json &request)
{
    const std::string op = request.at("op").get<std::string>();
    const auto now = [&] { return Millis(request.at("now").get<long long>()); };
    const auto at = [&] { return logTimeOf(request.at("at")); };
    if (op == "speak") {
        // Another language's words for the core's texts ("Table/Key":
        // words, as exported from the catalogue); none: Chinese.
        const json &words = request.at("catalogue");
        if (words.is_null()) {
            text::setTranslator({});
            return nullptr;
        }
        Catalogue catalogue;
        for (const auto &[key, value] : words.items())
            catalogue.emplace(key, utf16(value));
        text::setTranslator(catalogueTranslator(std::move(catalogue)));
        return nullptr;
    }
    if (op == "form")
        return formTable();
    if (op == "build")
        return build(request);
    if (op == "clockTexts")
        return clockTexts(request);
    if (op == "sent") {
        machine().requestSent(bytesOf(request.at("frame")), now());
        return exchangeState(at());
    }
    if (op == "notSent") {
        machine().requestNotSent(bytesOf(request.at("frame")), now());
        return exchangeState(at());
    }
    if (op == "received") {
        machine().bytesReceived(bytesOf(request.at("bytes")), now());
        return exchangeState(at());
    }
    if (op == "lost") {
        machine().linkLost(now());
        return exchangeState(at());
    }
    if (op == "expire") {
        machine().handleExpiry(now());
        return exchangeState(at());
    }
    if (op == "nextRequestId")
        return machine().nextRequestId();
    if (op == "logLine") {
        const TrafficKind kind = request.at("kind").get<std::string>() == "NotSent" ? TrafficKind::NotSent : TrafficKind::Port;
        return utf8(trafficLog().line(at(), kind, {}, escapeForLog(utf16(request.at("text")))));
    }
    if (op == "logCleared") {
        trafficLog().repeatDate();
        return nullptr;
    }
    if (op == "demo")
        return demo(request);
    if (op == "parseProfile")
        return parseProfileText(request);
    if (op == "profileText")
        return profileText(request);
    return {{"fault", "unknown op " + op}};
}

}  // namespace
}  // namespace smscfg::web

extern "C" const char *smscfg_call(const char *request)
{
    // The answer stays valid until the next call.
    static std::string answer;
    try {
        answer = smscfg::web::dispatch(json::parse(request)).dump(-1, ' ', false, json::error_handler_t::replace);
    } catch (const std::exception &e) {
        answer = json({{"fault", e.what()}}).dump();
    }
    return answer.c_str();
}
