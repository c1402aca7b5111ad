#include "commands/request_words.h"

#include "commands/command_texts.h"
#include "protocol/text.h"
#include "protocol/wire.h"

#include <algorithm>
#include <optional>

namespace smscfg {
namespace {

// "1,5,16" -> the names of those phone check boxes. "" ticks none.
std::optional<Words> parsePhoneList(std::u16string_view list)
{
    Words names;
    if (list.empty())
        return names;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(u',', start);
        const std::u16string_view item = list.substr(start, comma == std::u16string_view::npos ? comma : comma - start);
        const std::optional<int> phone = text::toInt(item);
        if (!phone || *phone < 1 || *phone > wire::PhoneSlotCount || (!item.empty() && item.front() == u'+'))
            return std::nullopt;
        names.push_back(phoneCheckName(*phone));
        if (comma == std::u16string_view::npos)
            break;
        start = comma + 1;
    }
    return names;
}

// A word that looks like an option: "--x", or "-" and a letter. "-1" and
// "-0.5" are texts.
bool looksLikeOption(std::u16string_view word)
{
    if (word.starts_with(u"--"))
        return true;
    if (word.size() < 2 || word[0] != u'-')
        return false;
    const char16_t c = word[1];
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

WordsProblem problem(std::u16string reason)
{
    return {false, std::move(reason)};
}

}  // namespace

std::u16string requestSynopsis(const CommandEntry &entry)
{
    std::u16string synopsis = entry.cliName;
    for (const CommandArgument &argument : entry.arguments)
        synopsis += u' ' + argument.name;
    if (entry.hasOption(CliOption::Level))
        synopsis += u" LEVEL";
    if (entry.hasOption(CliOption::CodePage))
        synopsis += u" [--codepage]";
    if (entry.hasOption(CliOption::Phones))
        synopsis += u" [--phones LIST]";
    if (entry.hasOption(CliOption::NoSwitch))
        synopsis += u" [--no-switch]";
    return synopsis;
}

std::variant<ParsedRequest, WordsProblem> parseRequestWords(const Words &words, const LocalTime &now)
{
    using T = CommandText;
    if (words.empty())
        return problem(commandText(T::NoCommand));
    ParsedRequest request;
    request.command = findCommandByCliName(words[0]);
    if (!request.command)
        return problem(commandText(T::UnknownCommand, {words[0]}));
    const CommandEntry &entry = *request.command;

    // The window's defaults: "Unicode" and "开关量" ticked.
    ControlValues &controls = request.controls;
    controls.ticked.emplace(UnicodeBox);
    controls.ticked.emplace(SwitchBox);
    Words texts;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::u16string &word = words[i];
        if (optionsEnded || !looksLikeOption(word)) {
            texts.push_back(word);
        } else if (word == u"--") {
            optionsEnded = true;
        } else if (word == u"--help" || word == u"-h") {
            return WordsProblem{true, {}};
        } else if (word == u"--codepage" && entry.hasOption(CliOption::CodePage)) {
            controls.ticked.erase(std::u16string(UnicodeBox));
        } else if (word == u"--no-switch" && entry.hasOption(CliOption::NoSwitch)) {
            controls.ticked.erase(std::u16string(SwitchBox));
        } else if (word == u"--phones" && entry.hasOption(CliOption::Phones)) {
            if (i + 1 >= words.size())
                return problem(commandText(T::PhonesNeedList));
            const std::optional<Words> phones = parsePhoneList(words[++i]);
            if (!phones)
                return problem(commandText(T::PhonesList));
            controls.ticked.insert(phones->begin(), phones->end());
        } else {
            return problem(commandText(T::NotAnOption, {word, entry.cliName}));
        }
    }

    if (entry.code == code::Clock && !optionsEnded && texts == Words{u"now"})
        texts = clockWords(clockTextsOf(now));
    const Words textControls = entry.textControls();
    const std::size_t expected = textControls.size() + (entry.hasOption(CliOption::Level) ? 1 : 0);
    if (texts.size() != expected)
        return problem(commandText(T::Usage, {requestSynopsis(entry)}));
    for (std::size_t k = 0; k < textControls.size(); ++k)
        controls.texts.insert_or_assign(textControls[k], texts[k]);
    if (entry.hasOption(CliOption::Level)) {
        const std::u16string &level = texts.back();
        // The English words, or the captions of the window's option buttons.
        if (level == u"high" || level == u"高电平")
            controls.ticked.emplace(HighLevelButton);
        else if (level == u"low" || level == u"低电平")
            controls.ticked.emplace(LowLevelButton);
        else if (level != u"none" && level != u"无")
            return problem(commandText(T::BadLevel, {level}));
    }
    return request;
}

Words requestWords(const CommandEntry &entry, const ControlValues &controls)
{
    Words words{entry.cliName};
    if (entry.hasOption(CliOption::CodePage) && !controls.isTicked(UnicodeBox))
        words.emplace_back(u"--codepage");
    if (entry.hasOption(CliOption::NoSwitch) && !controls.isTicked(SwitchBox))
        words.emplace_back(u"--no-switch");
    if (entry.hasOption(CliOption::Phones)) {
        std::u16string phones;
        for (int phone = 1; phone <= wire::PhoneSlotCount; ++phone) {
            if (controls.isTicked(phoneCheckName(phone))) {
                if (!phones.empty())
                    phones += u',';
                phones += text::number(phone);
            }
        }
        if (!phones.empty()) {
            words.emplace_back(u"--phones");
            words.push_back(phones);
        }
    }
    Words texts;
    for (const std::u16string &control : entry.textControls())
        texts.push_back(controls.text(control));
    if (entry.hasOption(CliOption::Level)) {
        texts.emplace_back(controls.isTicked(HighLevelButton) ? u"high"
                           : controls.isTicked(LowLevelButton) ? u"low"
                                                               : u"none");
    }
    // A weekday in the words of the language it was shown in reads the same
    // in Chinese, which every language takes.
    if (entry.code == code::Clock && !texts.empty())
        texts.back() = chineseWeekday(texts.back());
    // Texts that would read as options are protected by "--".
    if (std::any_of(texts.cbegin(), texts.cend(), [](const std::u16string &t) { return t.starts_with(u'-'); }))
        words.emplace_back(u"--");
    words.insert(words.end(), texts.begin(), texts.end());
    return words;
}

}  // namespace smscfg
