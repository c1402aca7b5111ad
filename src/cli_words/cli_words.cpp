#include "cli_words/cli_words.h"

#include "cli_words/cli_texts.h"
#include "protocol/request_text.h"
#include "protocol/text.h"

#include <algorithm>

namespace smscfg::cli {
namespace {

using T = CliText;

std::u16string globalOptions()
{
    return u"[--dry-run] [--trace] [--port PORT] [--timeout MS] [--lang zh|en]";
}

std::u16string commandHelp(const CommandEntry &entry)
{
    std::u16string help = cliText(T::CommandHelpTitle, {requestSynopsis(entry), commandCaption(entry), codeText(entry.code)});
    const std::u16string note = commandNote(entry);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = note.find(u'\n', start);
        help += u"      " + note.substr(start, end - start) + u'\n';
        if (end == std::u16string::npos)
            break;
        start = end + 1;
    }
    const std::u16string example = entry.example.empty() ? entry.cliName : entry.cliName + u' ' + commandExample(entry);
    return help + cliText(T::CommandHelpExample, {example});
}

Invocation helpFor(std::u16string text)
{
    Invocation inv;
    inv.action = Invocation::Action::Help;
    inv.help = std::move(text);
    return inv;
}

// `apply PROFILE [--keep-going]` after the global options.
std::variant<Invocation, std::u16string> parseApply(Invocation inv, const Words &words)
{
    inv.action = Invocation::Action::Apply;
    Words rest;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::u16string &word = words[i];
        if (optionsEnded)
            rest.push_back(word);
        else if (word == u"--")
            optionsEnded = true;
        else if (word == u"--keep-going")
            inv.keepGoing = true;
        else if (word == u"--help" || word == u"-h")
            return helpFor(cliText(T::ApplyUsageHelp, {globalOptions()}) + cliText(T::ApplyHelp));
        else if (word.starts_with(u"--"))
            return cliText(T::NotApplyOption, {word});
        else
            rest.push_back(word);
    }
    if (rest.size() != 1)
        return cliText(T::UsageApply);
    inv.profilePath = rest.front();
    return inv;
}

// Edits (insertions, deletions, substitutions) that turn `a` into `b`.
std::size_t editDistance(std::u16string_view a, std::u16string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The command a mistyped word most likely meant: the nearest name within a
// third of its length (at least one edit). Empty when none is that near.
std::u16string nearestCommand(std::u16string word)
{
    for (char16_t &c : word)
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c - u'A' + u'a');
    Words names{u"ports", u"apply"};
    for (const CommandEntry &entry : commandTable())
        names.push_back(entry.cliName);
    std::u16string nearest;
    std::size_t best = std::max<std::size_t>(1, word.size() / 3) + 1;
    for (const std::u16string &name : names) {
        const std::size_t distance = editDistance(word, name);
        if (distance < best) {
            best = distance;
            nearest = name;
        }
    }
    return nearest;
}

std::u16string usageLine()
{
    return cliText(T::UsageLine, {globalOptions()});
}

std::u16string helpText()
{
    std::u16string help = cliText(T::HelpIntro, {globalOptions()});
    for (const CommandEntry &entry : commandTable())
        help += u'\n' + commandHelp(entry);
    help += cliText(T::ClockNowHelp) + cliText(T::PortsHelp) + u'\n' + cliText(T::ApplyHelp);
    return help + cliText(T::ExitStatusHelp);
}

void applyProfile(WordsOutcome &outcome, const World &world)
{
    const Invocation &inv = outcome.invocation;
    const auto content = world.readFile(inv.profilePath);
    if (const auto *reason = std::get_if<std::u16string>(&content)) {
        outcome.err = cliText(T::CannotReadProfile, {escapeForLog(inv.profilePath), *reason});
        outcome.exitCode = InputRejected;
        return;
    }
    const auto profile = parseProfile(std::get<std::string>(content));
    if (const auto *problem = std::get_if<std::u16string>(&profile)) {
        outcome.err = escapeForLog(*problem) + u'\n';
        outcome.exitCode = InputRejected;
        return;
    }
    auto steps = buildProfileSteps(std::get<Profile>(profile), world.now);
    if (const auto *problem = std::get_if<std::u16string>(&steps)) {
        outcome.err = escapeForLog(*problem) + u'\n';
        outcome.exitCode = InputRejected;
        return;
    }
    outcome.steps = std::get<std::vector<ProfileStep>>(std::move(steps));
    if (!inv.dryRun) {
        outcome.work = LineWork::Apply;
        return;
    }
    for (std::size_t i = 0; i < outcome.steps.size(); ++i)
        outcome.out += cliText(T::DryRunStep, {text::number((long long)(i + 1)), outcome.steps[i].frame.toHex(),
                                               printableWords(outcome.steps[i].words)});
}

}  // namespace

int worseExitCode(int a, int b)
{
    const auto rank = [](int code) {
        switch (code) {
        case Accepted: return 0;
        case Refused: return 1;
        case NoVerdict: return 2;
        default: return 3;
        }
    };
    return rank(a) >= rank(b) ? a : b;
}

std::optional<Language> languageOption(const Words &args)
{
    std::optional<Language> language;
    // The global options, as parseArguments reads them.
    for (std::size_t i = 0; i < args.size() && args[i].starts_with(u'-') && args[i].size() > 1; ++i) {
        if (args[i] == u"--port" || args[i] == u"--timeout" || args[i] == u"--lang") {
            if (i + 1 < args.size() && args[i] == u"--lang")
                language = languageNamed(args[i + 1]);
            ++i;
        }
    }
    return language;
}

std::variant<Invocation, std::u16string> parseArguments(const Words &args, const LocalTime &now,
                                                        const std::u16string &defaultPort)
{
    Invocation inv;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::u16string &arg = args[i];
        if (arg == u"--help" || arg == u"-h")
            return helpFor(helpText());
        if (arg == u"--version") {
            inv.action = Invocation::Action::Version;
            return inv;
        }
        if (arg == u"--dry-run") {
            inv.dryRun = true;
        } else if (arg == u"--trace") {
            inv.trace = true;
        } else if (arg == u"--port" || arg == u"--timeout" || arg == u"--lang") {
            if (i + 1 >= args.size())
                return cliText(T::NeedsValue, {arg});
            const std::u16string &value = args[++i];
            if (arg == u"--port") {
                inv.ports.push_back(value);
            } else if (arg == u"--lang") {
                // Installed by the program before the words ran (languageOption).
                if (!languageNamed(value))
                    return cliText(T::BadLanguage);
            } else {
                const std::optional<int> ms = text::toInt(value);
                if (!ms || *ms <= 0)
                    return cliText(T::BadTimeout);
                inv.responseTimeout = std::chrono::milliseconds(*ms);
            }
        } else if (arg.starts_with(u'-') && arg.size() > 1) {
            return cliText(T::UnknownOption, {arg});
        } else {
            break;
        }
    }
    const Words words(args.begin() + std::ptrdiff_t(i), args.end());
    if (inv.ports.empty())
        inv.ports.push_back(defaultPort.empty() ? u"1" : defaultPort);
    if (!words.empty() && words.front() == u"ports") {
        if (words.size() == 2 && (words[1] == u"--help" || words[1] == u"-h"))
            return helpFor(cliText(T::PortsUsageHelp) + cliText(T::PortsHelp));
        if (words.size() > 1)
            return cliText(T::UsagePorts);
        inv.action = Invocation::Action::ListPorts;
        return inv;
    }
    if (!words.empty() && words.front() == u"apply")
        return parseApply(std::move(inv), words);
    if (inv.ports.size() > 1)
        return cliText(T::SeveralPorts);

    auto parsed = parseRequestWords(words, now);
    if (auto *problem = std::get_if<WordsProblem>(&parsed)) {
        if (!problem->helpAsked) {
            const std::u16string nearest =
                words.empty() || findCommandByCliName(words.front()) ? std::u16string() : nearestCommand(words.front());
            if (!nearest.empty())
                return cliText(T::DidYouMean, {problem->reason, nearest});
            return problem->reason;
        }
        const CommandEntry &entry = *findCommandByCliName(words.front());
        return helpFor(cliText(T::CommandUsageHelp, {globalOptions(), requestSynopsis(entry)}) + commandHelp(entry));
    }
    inv.request = std::get<ParsedRequest>(std::move(parsed));
    return inv;
}

WordsOutcome runWords(const Words &args, const World &world)
{
    WordsOutcome outcome;
    auto parsed = parseArguments(args, world.now, world.defaultPort);
    if (const auto *error = std::get_if<std::u16string>(&parsed)) {
        outcome.err = u"smscfg-cli: " + escapeForLog(*error) + u'\n' + usageLine() + u'\n';
        outcome.exitCode = Usage;
        return outcome;
    }
    outcome.invocation = std::get<Invocation>(std::move(parsed));
    const Invocation &inv = outcome.invocation;
    switch (inv.action) {
    case Invocation::Action::Help: outcome.out = inv.help; return outcome;
    case Invocation::Action::Version: outcome.out = u"smscfg-cli " + world.version + u'\n'; return outcome;
    case Invocation::Action::ListPorts: outcome.work = LineWork::ListPorts; return outcome;
    case Invocation::Action::Apply: applyProfile(outcome, world); return outcome;
    case Invocation::Action::Request: break;
    }
    const BuildResult result = inv.request.command->build(inv.request.controls);
    if (!result.hasFrame()) {
        outcome.err = escapeForLog(result.text()) + u'\n';
        outcome.exitCode = InputRejected;
        return outcome;
    }
    if (inv.dryRun) {
        outcome.out = result.frame().toHex() + u'\n';
        return outcome;
    }
    outcome.work = LineWork::Send;
    outcome.frame = result.frame();
    return outcome;
}

std::u16string printableWords(const Words &words)
{
    std::u16string line;
    for (const std::u16string &word : words)
        line += (line.empty() ? u"" : u" ") + escapeForLog(word);
    return line;
}

std::u16string noPortsFoundText()
{
    return cliText(T::NoPortsFound);
}

}  // namespace smscfg::cli
