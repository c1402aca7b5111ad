#include "process/language.h"

#include "protocol/text_table.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace smscfg {
namespace {

Language current = Language::Chinese;
QTranslator *ours = nullptr;
QTranslator *qts = nullptr;

void remove(QTranslator *&translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

// The core asks Qt's translators, as tr() does: the table is the context,
// the key the disambiguation and the Chinese the source text.
std::u16string translateWithQt(std::string_view context, std::string_view name, std::u16string_view chinese)
{
    const QByteArray table(context.data(), qsizetype(context.size()));
    const QByteArray key(name.data(), qsizetype(name.size()));
    const QByteArray source = QString::fromUtf16(chinese.data(), qsizetype(chinese.size())).toUtf8();
    return QCoreApplication::translate(table.constData(), source.constData(), key.constData()).toStdU16String();
}

}  // namespace

Language languageOfEnvironment()
{
    const QByteArray lcAll = qgetenv("LC_ALL"), lcMessages = qgetenv("LC_MESSAGES"), lang = qgetenv("LANG");
    return smscfg::languageOfEnvironment(lcAll.constData(), lcMessages.constData(), lang.constData());
}

Language languageOfSystemLocale()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return Language::Chinese;
    const QStringList ui = system.uiLanguages();
    const QString name = ui.isEmpty() ? system.name() : ui.first();
    return smscfg::languageOfLocale(name.toStdString());
}

QString translateEarly(Language language, const char *context, const char *chinese)
{
    if (language == Language::English) {
        QTranslator english;
        if (english.load(QStringLiteral(":/i18n/smscfg_en.qm"))) {
            const QString words = english.translate(context, chinese);
            if (!words.isEmpty())
                return words;
        }
    }
    return QString::fromUtf8(chinese);
}

std::optional<Language> takeLanguageOption(QStringList &args, QString *error)
{
    std::optional<Language> language;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString value;
        if (args[i] == u"--lang") {
            value = i + 1 < args.size() ? args[i + 1] : QString();
            args.remove(i, std::min<qsizetype>(2, args.size() - i));
        } else if (args[i].startsWith(u"--lang=")) {
            value = args[i].mid(7);
            args.remove(i);
        } else {
            continue;
        }
        --i;
        language = languageNamed(value.toStdU16String());
        if (!language) {
            *error = QCoreApplication::translate("Language", "--lang 只能是 zh（中文）或 en（英文）");
            return std::nullopt;
        }
    }
    return language;
}

bool installLanguage(Language language)
{
    remove(ours);
    remove(qts);
    current = language;
    // Chinese is every text's source: nothing to look up.
    text::setTranslator(language == Language::Chinese ? text::Translator() : translateWithQt);
    bool complete = true;
    if (language == Language::English) {
        ours = new QTranslator;
        if (!ours->load(QStringLiteral(":/i18n/smscfg_en.qm")))
            qFatal("the English catalogue is not built into the program");
        QCoreApplication::installTranslator(ours);
    } else if (QCoreApplication::instance() && QCoreApplication::instance()->inherits("QGuiApplication")) {
        // Only windows show Qt's own texts.
        qts = new QTranslator;
        complete = qts->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (complete)
            QCoreApplication::installTranslator(qts);
        else
            remove(qts);
    }
    return complete;
}

Language installedLanguage()
{
    return current;
}

}  // namespace smscfg
