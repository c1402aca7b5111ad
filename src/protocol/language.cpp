#include "protocol/language.h"

#include <string>

namespace smscfg {
namespace {

// ASCII in lower case; '?' for anything else, which names no language.
char lower(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return char(c - u'A' + u'a');
    return c < 0x80 ? char(c) : '?';
}

// The language part of a name: up to the first '_', '-', '.' or '@', lower case.
template <typename Char>
std::string languagePart(std::basic_string_view<Char> name)
{
    std::string part;
    for (const Char c : name) {
        if (c == Char('_') || c == Char('-') || c == Char('.') || c == Char('@'))
            break;
        part += lower(char16_t(c));  // a byte of UTF-8 is negative: above 0x7F too
    }
    return part;
}

}  // namespace

Language languageOfLocale(std::string_view locale)
{
    const std::string language = languagePart(locale);
    return language.empty() || language == "zh" || language == "c" || language == "posix" ? Language::Chinese
                                                                                           : Language::English;
}

Language languageOfEnvironment(const char *lcAll, const char *lcMessages, const char *lang)
{
    for (const char *value : {lcAll, lcMessages, lang})
        if (value && *value)
            return languageOfLocale(value);
    return Language::Chinese;
}

std::optional<Language> languageNamed(std::u16string_view name)
{
    const std::string language = languagePart(name);
    if (language.size() != name.size() && (name.size() < 3 || language.size() != 2))
        return std::nullopt;
    if (language == "zh")
        return Language::Chinese;
    if (language == "en")
        return Language::English;
    return std::nullopt;
}

std::string_view languageCode(Language language)
{
    return language == Language::English ? "en" : "zh";
}

}  // namespace smscfg
