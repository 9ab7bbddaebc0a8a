// Which language the window speaks, and Qt's translations of the game's texts and of its own.
#pragma once

#include <QString>
#include <QStringList>

#include "app/settings.h"

class QTranslator;

namespace llk::app {

// The code of the language the window speaks: "zh" (the texts as written, no translation) or
// the code of a built-in translation such as "en". Under System the first of `uiLanguages` that
// is Chinese or has a translation wins; C, POSIX and languages without a translation give "zh".
QString ChosenLanguage(LanguageChoice choice, const QStringList& uiLanguages, const QStringList& translated);

// The codes of the game's built-in translations, such as "en".
QStringList TranslatedLanguages();

// Loads Qt's Chinese translation of its own texts (qtbase_zh_CN from Qt's translations folder)
// into the application. Returns the installed translator, which the application owns, or null
// when the translation is not installed: Qt's English texts then stay, and the game's own
// message boxes still read "确定".
QTranslator* InstallQtTranslation();

// Installs the game's translation for `language` and Qt's own for it (qtbase_zh_CN for Chinese;
// none for English, whose texts Qt already holds). Returns false when a translation is missing.
bool InstallTranslations(const QString& language);

// The choice the player remembered, and the language it gives on this system.
QString StartupLanguage();

} // namespace llk::app
