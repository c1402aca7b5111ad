#pragma once

#include <optional>
#include <string_view>

// The languages the programs speak, and how one is chosen. Chinese is the
// source language of every text; English is a translation of all of them.
namespace smscfg {

enum class Language { Chinese, English };

// The language of a locale name as LC_ALL, LC_MESSAGES or LANG hold it
// ("zh_CN.UTF-8", "en_US", "de_DE@euro", "C"): Chinese for Chinese, and for a
// locale that names no language ("C", "POSIX", empty), as on a bare system;
// English for every other language.
Language languageOfLocale(std::string_view locale);

// The language of the messages locale as POSIX finds it: LC_ALL, else
// LC_MESSAGES, else LANG, passing over a variable that is unset (nullptr) or
// empty.
Language languageOfEnvironment(const char *lcAll, const char *lcMessages, const char *lang);

// A language as `--lang` names it: "zh" or "en", in either case, alone or
// with a region ("zh_CN", "en-US"). nullopt for any other text.
std::optional<Language> languageNamed(std::u16string_view name);

// "zh" or "en".
std::string_view languageCode(Language language);

}  // namespace smscfg
