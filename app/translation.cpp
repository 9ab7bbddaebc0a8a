#include "app/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

#include "app/settings.h"

namespace llk::app {
namespace {

const QString SourceLanguage = QStringLiteral("zh");
const QString TranslationFolder = QStringLiteral(":/i18n");
const QString TranslationPrefix = QStringLiteral("lianliankan_");

QTranslator* Install(const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(name, folder))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator.release();
}

} // namespace

QString ChosenLanguage(LanguageChoice choice, const QStringList& uiLanguages, const QStringList& translated)
{
    if (choice == LanguageChoice::Chinese)
        return SourceLanguage;
    if (choice == LanguageChoice::English)
        return QStringLiteral("en");
    for (const QString& tag : uiLanguages) {
        // "en-US", "en_GB", "zh-Hans-CN": the language is the part before the first separator.
        const QString language = tag.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (language == QLatin1String("c") || language == QLatin1String("posix") || language == SourceLanguage)
            return SourceLanguage;
        if (translated.contains(language))
            return language;
    }
    return SourceLanguage;
}

QStringList TranslatedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(TranslationFolder).entryList({TranslationPrefix + QStringLiteral("*.qm")});
    for (const QString& file : files)
        languages.append(file.mid(TranslationPrefix.size()).chopped(3));
    return languages;
}

// Qt's own texts (standard buttons, context menus) come from Qt's installed translations, so a
// Chinese player's message boxes say 确定 rather than "OK".
QTranslator* InstallQtTranslation()
{
    return Install(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool InstallTranslations(const QString& language)
{
    if (language == SourceLanguage)
        return InstallQtTranslation() != nullptr;
    const bool game = Install(TranslationPrefix + language, TranslationFolder) != nullptr;
    if (language == QLatin1String("en"))
        return game; // Qt's own texts are written in English
    // Qt's translation of its buttons for the language, as the Chinese one above.
    return Install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) && game;
}

QString StartupLanguage()
{
    const LanguageChoice choice = Settings(Settings::StandardPath()).Load().language;
    return ChosenLanguage(choice, QLocale::system().uiLanguages(), TranslatedLanguages());
}

} // namespace llk::app
