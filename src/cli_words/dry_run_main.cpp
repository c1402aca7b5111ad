// smscfg-dry-run: smscfg-cli --dry-run without Qt and without a serial line,
// for the WebAssembly build (node build-web/smscfg-dry-run.mjs WORDS...). It
// runs the same words as smscfg-cli, so it prints the same and exits alike.
#include "cli_words/cli_words.h"
#include "commands/catalogue.h"
#include "files/files.h"
#include "protocol/text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

using namespace smscfg;

namespace {

LocalTime localTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_wday == 0 ? 7 : t.tm_wday};
}

// As smscfg-cli reads a profile: a regular file of at most 1 MB.
std::variant<std::string, std::u16string> readFile(const std::u16string &path)
{
    auto content = readRegularFile(text::toUtf8(path), MaxProfileBytes);
    if (const auto *problem = std::get_if<FileProblem>(&content))
        return fileProblemText(*problem);
    return std::get<std::string>(std::move(content));
}

void write(std::FILE *stream, const std::u16string &text)
{
    const std::string bytes = text::toUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

}  // namespace

int main(int argc, char *argv[])
{
    Words args{u"--dry-run"};
    for (int i = 1; i < argc; ++i)
        args.push_back(text::fromUtf8(argv[i]));
    // The language of smscfg-cli: --lang, else the locale's.
    const Language language = cli::languageOption(args).value_or(
        languageOfEnvironment(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
    if (language == Language::English)
        text::setTranslator(catalogueTranslator(parseCatalogue(builtInCatalogue()).value_or(Catalogue{})));
    const cli::WordsOutcome outcome = cli::runWords(args, {localTimeNow(), text::ascii(SMSCFG_VERSION), readFile, {}});
    write(stdout, outcome.out);
    write(stderr, outcome.err);
    // A dry run sends nothing; there are no serial ports to list here.
    if (outcome.work == cli::LineWork::ListPorts)
        write(stderr, cli::noPortsFoundText());
    std::fflush(stdout);
    std::fflush(stderr);
    return outcome.exitCode;
}
