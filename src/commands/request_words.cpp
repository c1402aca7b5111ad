#include "commands/request_words.h"

#include "commands/clock_request.h"
#include "protocol/wire.h"

namespace smscfg {
namespace {

// "1,5,16" -> the names of those phone check boxes. "" ticks none.
std::optional<QStringList> parsePhoneList(const QString &list)
{
    QStringList names;
    if (list.isEmpty())
        return names;
    for (const QString &item : list.split(u',')) {
        bool ok = false;
        const int phone = item.toInt(&ok);
        if (!ok || phone < 1 || phone > wire::PhoneSlotCount || item.startsWith(u'+'))
            return std::nullopt;
        names << phoneCheckName(phone);
    }
    return names;
}

// A word that looks like an option: "--x", or "-" and a letter. "-1" and
// "-0.5" are texts.
bool looksLikeOption(const QString &word)
{
    if (word.startsWith(QStringLiteral("--")))
        return true;
    if (word.size() < 2 || word[0] != u'-')
        return false;
    const char16_t c = word[1].unicode();
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

WordsProblem problem(const QString &reason)
{
    return {false, reason};
}

}  // namespace

QString requestSynopsis(const CommandEntry &entry)
{
    QStringList parts{entry.cliName};
    for (const CommandArgument &argument : entry.arguments)
        parts << argument.name;
    if (entry.hasOption(CliOption::Level))
        parts << QStringLiteral("LEVEL");
    if (entry.hasOption(CliOption::CodePage))
        parts << QStringLiteral("[--codepage]");
    if (entry.hasOption(CliOption::Phones))
        parts << QStringLiteral("[--phones LIST]");
    if (entry.hasOption(CliOption::NoSwitch))
        parts << QStringLiteral("[--no-switch]");
    return parts.join(u' ');
}

std::variant<ParsedRequest, WordsProblem> parseRequestWords(const QStringList &words, const QDateTime &now)
{
    if (words.isEmpty())
        return problem(QStringLiteral("no command given"));
    ParsedRequest request;
    request.command = findCommandByCliName(words[0]);
    if (!request.command)
        return problem(QStringLiteral("unknown command %1").arg(words[0]));
    const CommandEntry &entry = *request.command;

    // The window's defaults: "Unicode" and "开关量" ticked.
    ControlValues &controls = request.controls;
    controls.ticked << UnicodeBox << SwitchBox;
    QStringList texts;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &word = words[i];
        if (optionsEnded || !looksLikeOption(word)) {
            texts << word;
        } else if (word == u"--") {
            optionsEnded = true;
        } else if (word == u"--help" || word == u"-h") {
            return WordsProblem{true, {}};
        } else if (word == u"--codepage" && entry.hasOption(CliOption::CodePage)) {
            controls.ticked.remove(UnicodeBox);
        } else if (word == u"--no-switch" && entry.hasOption(CliOption::NoSwitch)) {
            controls.ticked.remove(SwitchBox);
        } else if (word == u"--phones" && entry.hasOption(CliOption::Phones)) {
            if (i + 1 >= words.size())
                return problem(QStringLiteral("--phones needs a list such as 1,5,16"));
            const std::optional<QStringList> phones = parsePhoneList(words[++i]);
            if (!phones)
                return problem(QStringLiteral("--phones takes phone numbers 1 to 16 separated by commas"));
            for (const QString &name : *phones)
                controls.ticked.insert(name);
        } else {
            return problem(QStringLiteral("%1 is not an option of %2 (use -- before a text that starts with -)")
                               .arg(word, entry.cliName));
        }
    }

    if (entry.code == code::Clock && !optionsEnded && texts == QStringList{QStringLiteral("now")}) {
        texts = clockWords(clockTextsOf(now));
    }
    const QStringList textControls = entry.textControls();
    const qsizetype expected = textControls.size() + (entry.hasOption(CliOption::Level) ? 1 : 0);
    if (texts.size() != expected)
        return problem(QStringLiteral("usage: %1").arg(requestSynopsis(entry)));
    for (qsizetype k = 0; k < textControls.size(); ++k)
        controls.texts.insert(textControls[k], texts[k]);
    if (entry.hasOption(CliOption::Level)) {
        const QString &level = texts.last();
        // The English words, or the captions of the window's option buttons.
        if (level == u"high" || level == u"高电平")
            controls.ticked << HighLevelButton;
        else if (level == u"low" || level == u"低电平")
            controls.ticked << LowLevelButton;
        else if (level != u"none" && level != u"无")
            return problem(QStringLiteral("LEVEL must be high, low or none (高电平, 低电平, 无), not %1").arg(level));
    }
    return request;
}

QStringList requestWords(const CommandEntry &entry, const ControlValues &controls)
{
    QStringList words{entry.cliName};
    if (entry.hasOption(CliOption::CodePage) && !controls.isTicked(UnicodeBox))
        words << QStringLiteral("--codepage");
    if (entry.hasOption(CliOption::NoSwitch) && !controls.isTicked(SwitchBox))
        words << QStringLiteral("--no-switch");
    if (entry.hasOption(CliOption::Phones)) {
        QStringList phones;
        for (int phone = 1; phone <= wire::PhoneSlotCount; ++phone)
            if (controls.isTicked(phoneCheckName(phone)))
                phones << QString::number(phone);
        if (!phones.isEmpty())
            words << QStringLiteral("--phones") << phones.join(u',');
    }
    QStringList texts;
    for (const QString &control : entry.textControls())
        texts << controls.text(control);
    if (entry.hasOption(CliOption::Level)) {
        texts << (controls.isTicked(HighLevelButton) ? QStringLiteral("high")
                  : controls.isTicked(LowLevelButton) ? QStringLiteral("low")
                                                      : QStringLiteral("none"));
    }
    // Texts that would read as options are protected by "--".
    if (std::any_of(texts.cbegin(), texts.cend(), [](const QString &t) { return t.startsWith(u'-'); }))
        words << QStringLiteral("--");
    return words + texts;
}

}  // namespace smscfg
