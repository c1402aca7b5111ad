#pragma once

#include "protocol/language.h"

#include <QStringList>

// The language the Qt programs speak: Chinese (the source of every text) or
// English, from the locale or --lang.
namespace smscfg {

// The language of the messages locale: LC_ALL, else LC_MESSAGES, else LANG.
Language languageOfEnvironment();

// The language of the system's locale as Qt finds it (QLocale::system(): its
// user-interface languages, LANGUAGE and LC_MESSAGES on Linux, else its
// name): Chinese for Chinese and for the C locale, English for any other.
Language languageOfSystemLocale();

// `chinese`, a source text of `context`, in `language`, from the catalogue
// built in: for what a program says before it has an application object
// (its --help, its usage errors).
QString translateEarly(Language language, const char *context, const char *chinese);

// Takes `--lang L` (or `--lang=L`) out of `args`. Returns the language named,
// or nullopt when there is none; `*error` says why when the option is there
// but its value is not zh or en.
std::optional<Language> takeLanguageOption(QStringList &args, QString *error);

// Speaks `language` from now on: our catalogue for its words (the core's
// texts too) and, in a program with windows, Qt's own in Chinese (its
// standard buttons, "确定"). Replaces what an earlier call installed; widgets
// get a LanguageChange event. False when Qt's own Chinese texts are not
// installed.
bool installLanguage(Language language);

// The language installLanguage last installed; Chinese before any.
Language installedLanguage();

}  // namespace smscfg
