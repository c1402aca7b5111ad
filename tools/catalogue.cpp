// smscfg-catalogue: the core's texts and the page's, against the translation
// catalogues in translations/ (Qt's .ts files, Chinese source texts).
//
//   smscfg-catalogue sources PAGE_TEXTS
//       the core's and the page's texts as lupdate reads them
//       (QT_TRANSLATE_NOOP3(table, Chinese, key)); scripts/translations
//       hands them to lupdate with the Qt programs' sources
//   smscfg-catalogue check TS PAGE_TEXTS
//       fails, naming each, on a text missing from TS or whose Chinese
//       differs, and on a translation that is missing, unfinished, has other
//       %1.. than its source or holds Chinese
//   smscfg-catalogue export TS JSON [CPP]
//       the translations of the core's and the page's texts as a JSON
//       object of "Table/Key": "words" (the browser page's catalogue), and as
//       a C++ source that returns that JSON from builtInCatalogue()
//
// Core only, so that the WebAssembly build runs it too (under Node).
#include "cli_words/cli_texts.h"
#include "commands/command_table.h"
#include "commands/command_texts.h"
#include "commands/form_layout_table.h"
#include "controller/controller_texts.h"
#include "exchange/exchange_texts.h"
#include "files/file_texts.h"
#include "protocol/protocol_texts.h"
#include "protocol/text.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>

using namespace smscfg;

namespace {

// The context of the page's own texts (web/src/texts.ts).
constexpr const char *PageContext = "PageText";

std::vector<text::CatalogueEntry> coreEntries()
{
    std::vector<text::CatalogueEntry> all;
    for (auto part : {protocolTextCatalogue(), commandTextCatalogue(), controller::controllerTextCatalogue(),
                      cli::cliTextCatalogue(), exchangeTextCatalogue(), formCatalogue(),
                      commandHelpCatalogue(), fileTextCatalogue()})
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The page's texts: each line `  key: 'Chinese',` of texts.ts (one quoted
// text on one line; \n, \' and \\ as in JavaScript).
std::vector<text::CatalogueEntry> pageEntries(const std::string &path)
{
    std::vector<text::CatalogueEntry> out;
    std::istringstream lines(readFile(path));
    const std::regex entry(R"(^\s*([A-Za-z][A-Za-z0-9]*): '((?:[^'\\]|\\.)*)',\s*$)");
    std::string line;
    std::smatch m;
    while (std::getline(lines, line)) {
        if (!std::regex_match(line, m, entry))
            continue;
        std::string chinese;
        const std::string quoted = m[2];
        for (std::size_t i = 0; i < quoted.size(); ++i) {
            if (quoted[i] == '\\' && i + 1 < quoted.size()) {
                const char c = quoted[++i];
                chinese += c == 'n' ? '\n' : c;
            } else {
                chinese += quoted[i];
            }
        }
        out.push_back({PageContext, m[1], text::fromUtf8(chinese)});
    }
    if (out.empty())
        throw std::runtime_error("no texts in " + path);
    return out;
}

// A C++ string literal of UTF-8, as lupdate reads it.
std::string cLiteral(std::u16string_view textValue)
{
    std::string out = "\"";
    for (const char c : text::toUtf8(textValue)) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out + '"';
}

// One message of a .ts file.
struct Message {
    std::string context, source, comment, translation;
    bool finished = false;
};

// The messages of a .ts file as lupdate writes it: elements, text, the five
// entities, numeric references and <byte value="xHH"/> for control
// characters.
class TsReader {
public:
    explicit TsReader(std::string xml) : m_xml(std::move(xml)) {}

    std::vector<Message> messages()
    {
        std::vector<Message> out;
        std::string context;
        Message message;
        std::string *field = nullptr;  // the element whose text is being read
        while (m_at < m_xml.size()) {
            if (m_xml[m_at] != '<') {
                const std::size_t end = m_xml.find('<', m_at);
                const std::string chunk = decode(m_xml.substr(m_at, end - m_at));
                if (field)
                    *field += chunk;
                m_at = end;
                continue;
            }
            const std::size_t end = m_xml.find('>', m_at);
            if (end == std::string::npos)
                throw std::runtime_error("unterminated tag");
            const std::string tag = m_xml.substr(m_at + 1, end - m_at - 1);
            m_at = end + 1;
            if (tag.starts_with('?') || tag.starts_with('!'))
                continue;
            const std::string name = tag.substr(0, tag.find_first_of(" /", 1));
            if (name == "byte") {
                const std::size_t v = tag.find("value=\"x");
                if (field && v != std::string::npos)
                    *field += char(std::stoi(tag.substr(v + 8), nullptr, 16));
            } else if (name == "name") {
                field = &context;
                context.clear();
            } else if (name == "message") {
                message = {context, {}, {}, {}, false};
            } else if (name == "source" || name == "comment" || name == "translation") {
                field = name == "source" ? &message.source : name == "comment" ? &message.comment : &message.translation;
                if (name == "translation")
                    message.finished = tag.find("type=") == std::string::npos;
                if (tag.ends_with('/'))
                    field = nullptr;
            } else if (name == "/message") {
                out.push_back(message);
            } else if (name.starts_with('/')) {
                field = nullptr;
            }
        }
        return out;
    }

private:
    static std::string decode(const std::string &raw)
    {
        std::string out;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '&') {
                out += raw[i];
                continue;
            }
            const std::size_t semi = raw.find(';', i);
            const std::string entity = raw.substr(i + 1, semi - i - 1);
            i = semi;
            static const std::map<std::string, std::string> named = {
                {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}};
            if (const auto found = named.find(entity); found != named.end()) {
                out += found->second;
            } else if (entity.starts_with('#')) {
                const bool hex = entity.size() > 1 && entity[1] == 'x';
                const auto code = char32_t(std::stoul(entity.substr(hex ? 2 : 1), nullptr, hex ? 16 : 10));
                std::u16string unit;
                if (code >= 0x10000) {
                    unit += char16_t(0xD800 + ((code - 0x10000) >> 10));
                    unit += char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
                } else {
                    unit += char16_t(code);
                }
                out += text::toUtf8(unit);
            } else {
                throw std::runtime_error("unknown entity &" + entity + ";");
            }
        }
        return out;
    }

    std::string m_xml;
    std::size_t m_at = 0;
};

std::set<std::string> placeholders(const std::string &s)
{
    std::set<std::string> found;
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        if (s[i] == '%' && s[i + 1] >= '1' && s[i + 1] <= '9')
            found.insert(s.substr(i, 2));
    return found;
}

bool hasChinese(const std::string &utf8)
{
    for (const char16_t c : text::fromUtf8(utf8))
        if ((c >= 0x3000 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF))
            return true;
    return false;
}

std::string keyOf(const std::string &context, const std::string &name)
{
    return context + '/' + name;
}

int sources(const std::string &pageTexts)
{
    std::cout << "// The core's and the page's texts for lupdate, made by smscfg-catalogue sources.\n";
    std::vector<text::CatalogueEntry> entries = coreEntries();
    const std::vector<text::CatalogueEntry> page = pageEntries(pageTexts);
    entries.insert(entries.end(), page.begin(), page.end());
    for (const text::CatalogueEntry &e : entries)
        std::cout << "QT_TRANSLATE_NOOP3(\"" << e.context << "\", " << cLiteral(e.chinese) << ", \"" << e.name
                  << "\");\n";
    return 0;
}

int check(const std::string &ts, const std::string &pageTexts)
{
    const std::vector<Message> messages = TsReader(readFile(ts)).messages();
    std::map<std::string, const Message *> byKey;
    for (const Message &m : messages)
        if (!m.comment.empty())
            byKey[keyOf(m.context, m.comment)] = &m;
    std::vector<text::CatalogueEntry> entries = coreEntries();
    const std::vector<text::CatalogueEntry> page = pageEntries(pageTexts);
    entries.insert(entries.end(), page.begin(), page.end());
    int problems = 0;
    const auto problem = [&](const std::string &what) {
        std::cerr << ts << ": " << what << '\n';
        ++problems;
    };
    for (const text::CatalogueEntry &e : entries) {
        const std::string key = keyOf(e.context, e.name);
        const auto found = byKey.find(key);
        if (found == byKey.end())
            problem(key + " is missing (scripts/translations update)");
        else if (found->second->source != text::toUtf8(e.chinese))
            problem(key + ": the Chinese is now " + cLiteral(e.chinese) + " (scripts/translations update)");
    }
    for (const Message &m : messages) {
        const std::string what = m.comment.empty() ? keyOf(m.context, cLiteral(text::fromUtf8(m.source)))
                                                   : keyOf(m.context, m.comment);
        if (!m.finished || m.translation.empty())
            problem(what + " has no finished translation");
        else if (placeholders(m.translation) != placeholders(m.source))
            problem(what + ": the translation has other %1.. than its source");
        else if (hasChinese(m.translation))
            problem(what + ": the translation holds Chinese");
    }
    return problems == 0 ? 0 : 1;
}

void write(const std::string &path, const std::string &content)
{
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

int exportCatalogue(const std::string &ts, const std::string &jsonPath, const std::string &cppPath)
{
    std::set<std::string> contexts{PageContext};
    for (const text::CatalogueEntry &e : coreEntries())
        contexts.insert(e.context);
    nlohmann::ordered_json catalogue = nlohmann::ordered_json::object();
    for (const Message &m : TsReader(readFile(ts)).messages())
        if (contexts.count(m.context) && !m.comment.empty() && m.finished && !m.translation.empty())
            catalogue[keyOf(m.context, m.comment)] = m.translation;
    const std::string json = catalogue.dump();
    write(jsonPath, json);
    if (!cppPath.empty())
        write(cppPath, "// Made by smscfg-catalogue export from " + ts.substr(ts.find_last_of('/') + 1)
                           + ".\n#include <string_view>\n\nnamespace smscfg {\n\nstd::string_view builtInCatalogue()\n{\n"
                             "    return R\"smscfg(" + json + ")smscfg\";\n}\n\n}  // namespace smscfg\n");
    return 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "sources")
            return sources(args[1]);
        if (args.size() == 3 && args[0] == "check")
            return check(args[1], args[2]);
        if ((args.size() == 3 || args.size() == 4) && args[0] == "export")
            return exportCatalogue(args[1], args[2], args.size() == 4 ? args[3] : std::string());
    } catch (const std::exception &e) {
        std::cerr << "smscfg-catalogue: " << e.what() << '\n';
        return 1;
    }
    std::cerr << "usage: smscfg-catalogue sources PAGE_TEXTS | check TS PAGE_TEXTS | export TS JSON [CPP]\n";
    return 64;
}
