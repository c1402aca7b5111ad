#include "commands/profile.h"

#include "commands/command_texts.h"
#include "protocol/text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace smscfg {
namespace {

using Json = nlohmann::json;
using T = CommandText;

constexpr std::u16string_view VersionKey = u"smscfg-profile";
constexpr int NestingLimit = 1024;

struct TooDeep {
    std::size_t offset;
};

// The bracket ({ or [) that is still open at `end`, outside strings; 0 for none.
char innermostOpen(std::string_view text, std::size_t end)
{
    std::string open;
    bool inString = false;
    for (std::size_t i = 0; i < std::min(end, text.size()); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            open += c;
        } else if ((c == '}' || c == ']') && !open.empty()) {
            open.pop_back();
        }
    }
    return open.empty() ? 0 : open.back();
}

// What a parse error means, in the words the profile errors use (those of
// the JSON reader the profiles had before).
T parseErrorText(std::string_view message, std::string_view json, std::size_t offset)
{
    const auto has = [&](std::string_view part) { return message.find(part) != std::string_view::npos; };
    if (has("ill-formed UTF-8"))
        return T::JsonIllegalUtf8;
    if (has("missing closing quote"))
        return T::JsonUnterminatedString;
    if (has("invalid string"))
        return has("backslash") || has("\\u") || has("surrogate") ? T::JsonIllegalEscape : T::JsonIllegalValue;
    if (has("invalid number"))
        return T::JsonIllegalNumber;
    const char open = innermostOpen(json, offset);
    if (has("; expected end of input"))
        return T::JsonGarbageAtEnd;
    if (has("invalid literal"))
        return T::JsonIllegalValue;
    if (has("unexpected end of input"))
        return open == '{' ? T::JsonUnterminatedObject : open == '[' ? T::JsonUnterminatedArray : T::JsonIllegalValue;
    if (has("while parsing object separator"))
        return T::JsonMissingNameSeparator;
    if (has("while parsing object key"))
        return has("unexpected '}'") ? T::JsonMissingObject : T::JsonUnterminatedObject;
    if (has("while parsing object -"))
        return T::JsonUnterminatedObject;
    if (has("while parsing array -"))
        return T::JsonMissingValueSeparator;
    if (has("unexpected ']'") || has("unexpected '}'"))
        return T::JsonMissingObject;
    return T::JsonIllegalValue;
}

// Where the token the parser stumbled on starts, given the last byte it
// read: errors point at a token's first character, the end of the file at
// its last one.
std::size_t tokenStart(std::string_view message, std::string_view json, std::size_t last)
{
    const auto has = [&](std::string_view part) { return message.find(part) != std::string_view::npos; };
    if (has("unexpected end of input"))
        return json.empty() ? 0 : json.size() - 1;
    if (last >= json.size())
        return json.size();
    if (has("invalid literal") || has("invalid number")) {
        const auto inToken = [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-';
        };
        std::size_t start = last;
        if (!inToken(json[start]) && start > 0 && inToken(json[start - 1]))
            --start;
        while (start > 0 && inToken(json[start - 1]))
            --start;
        return start;
    }
    if ((json[last] == '"' && !has("invalid string")) || has("ill-formed UTF-8") || has("backslash")
        || has("\\u")) {
        // A whole string, or one with a bad character: back to its opening quote.
        for (std::size_t i = last; i-- > 0;)
            if (json[i] == '"' && (i == 0 || json[i - 1] != '\\'))
                return i;
    }
    return last;
}

// Line and column (from 1, the column in UTF-16 units) of a byte offset.
std::pair<long long, long long> lineAndColumn(std::string_view text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    const std::string_view before = text.substr(0, offset);
    const std::size_t lineStart = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    const auto lines = std::count(before.begin(), before.end(), '\n');
    return {lines + 1, (long long)(text::fromUtf8(before.substr(lineStart)).size()) + 1};
}

std::u16string jsonErrorAt(std::string_view json, std::size_t offset, T what)
{
    const auto [line, column] = lineAndColumn(json, offset);
    return commandText(T::ProfileJsonError, {text::number(line), text::number(column), commandText(what)});
}

// A version number as the message shows it: at most six significant digits.
// The shortest text that reads back as `value`: 1.0000000001 stays so.
// (Not std::to_chars: the WebAssembly build's library has none for doubles.)
std::u16string shortNumber(double value)
{
    char buffer[32];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    return text::ascii(buffer);
}

// A JSON string as the profile files have always written it: non-ASCII as
// UTF-8, controls escaped, a lone surrogate as \udXXX.
std::string jsonString(std::u16string_view text)
{
    static const char digits[] = "0123456789abcdef";
    const auto unicodeEscape = [](unsigned u) {
        return std::string{'\\', 'u', digits[u >> 12 & 0xF], digits[u >> 8 & 0xF], digits[u >> 4 & 0xF], digits[u & 0xF]};
    };
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        const bool pair = u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        switch (u) {
        case u'"': out += "\\\""; continue;
        case u'\\': out += "\\\\"; continue;
        case u'\b': out += "\\b"; continue;
        case u'\f': out += "\\f"; continue;
        case u'\n': out += "\\n"; continue;
        case u'\r': out += "\\r"; continue;
        case u'\t': out += "\\t"; continue;
        default: break;
        }
        if (u < 0x20 || (u >= 0xD800 && u <= 0xDFFF && !pair)) {
            out += unicodeEscape(u);
        } else if (pair) {
            out += text::toUtf8(text.substr(i, 2));
            ++i;
        } else {
            out += text::toUtf8(text.substr(i, 1));
        }
    }
    return out + "\"";
}

}  // namespace

std::variant<Profile, std::u16string> parseProfile(std::string_view json)
{
    Json root;
    try {
        root = Json::parse(json.begin(), json.end(), [](int depth, Json::parse_event_t, Json &) {
            if (depth > NestingLimit)
                throw TooDeep{0};
            return true;
        });
    } catch (const Json::parse_error &error) {
        // The position is just past the last character the parser read.
        std::size_t offset = tokenStart(error.what(), json, error.byte > 0 ? error.byte - 1 : 0);
        const T what = parseErrorText(error.what(), json, offset);
        // Left over after the value: where the value ends.
        while (what == T::JsonGarbageAtEnd && offset > 0 && std::string_view(" \t\r\n").find(json[offset - 1]) != std::string_view::npos)
            --offset;
        return jsonErrorAt(json, offset, what);
    } catch (const TooDeep &) {
        return commandText(T::ProfileJsonError, {u"1", u"1", commandText(T::JsonDeepNesting)});
    }
    const std::string versionKey = text::toUtf8(VersionKey);
    const bool isObject = root.is_object();
    const auto member = [&](const char *key) -> const Json * {
        if (!isObject)
            return nullptr;
        const auto found = root.find(key);
        return found == root.end() ? nullptr : &*found;
    };
    const Json *version = member(versionKey.c_str());
    if (!version || !version->is_number())
        return commandText(T::NotAProfile, {VersionKey, text::number(ProfileVersion)});
    if (version->get<double>() != ProfileVersion)
        return commandText(T::UnknownProfileVersion, {shortNumber(version->get<double>()), text::number(ProfileVersion)});
    const Json *name = member("name");
    if (name && !name->is_string())
        return commandText(T::ProfileNameNotText);
    const Json *steps = member("steps");
    if (!steps || !steps->is_array())
        return commandText(T::ProfileStepsNotList);

    Profile profile{name ? text::fromUtf8(name->get_ref<const std::string &>()) : std::u16string(), {}};
    for (std::size_t i = 0; i < steps->size(); ++i) {
        const Json &step = (*steps)[i];
        Words words;
        if (step.is_array()) {
            for (const Json &word : step) {
                if (!word.is_string())
                    break;
                words.push_back(text::fromUtf8(word.get_ref<const std::string &>()));
            }
        }
        if (!step.is_array() || words.empty() || words.size() != step.size())
            return commandText(T::ProfileStepNotWords, {text::number((long long)(i + 1))});
        profile.steps.push_back(std::move(words));
    }
    return profile;
}

std::string profileToJson(const Profile &profile)
{
    std::string out = "{" + jsonString(VersionKey) + ": " + std::to_string(ProfileVersion) + ", \"name\": "
        + jsonString(profile.name) + ",\n \"steps\": [";
    for (std::size_t i = 0; i < profile.steps.size(); ++i) {
        if (i > 0)
            out += ",\n           ";
        out += '[';
        for (std::size_t k = 0; k < profile.steps[i].size(); ++k)
            out += (k > 0 ? "," : "") + jsonString(profile.steps[i][k]);
        out += ']';
    }
    return out + "]}\n";
}

std::variant<std::vector<ProfileStep>, std::u16string> buildProfileSteps(const Profile &profile, const LocalTime &now)
{
    std::vector<ProfileStep> steps;
    for (std::size_t i = 0; i < profile.steps.size(); ++i) {
        const Words &words = profile.steps[i];
        const std::u16string step = commandText(T::ProfileStep, {text::number((long long)(i + 1))});
        auto parsed = parseRequestWords(words, now);
        if (auto *problem = std::get_if<WordsProblem>(&parsed))
            return step + (problem->helpAsked ? commandText(T::ProfileStepHelp) : problem->reason);
        const ParsedRequest &request = std::get<ParsedRequest>(parsed);
        const BuildResult built = request.command->build(request.controls);
        if (!built.hasFrame())
            return step + built.text();
        steps.push_back({words, built.frame()});
    }
    return steps;
}

}  // namespace smscfg
