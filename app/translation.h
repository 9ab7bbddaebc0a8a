// Qt's own texts in Chinese: the standard buttons of dialogs and the context menus of text boxes.
#pragma once

class QTranslator;

namespace llk::app {

// Loads Qt's Chinese translation of its own texts (qtbase_zh_CN from Qt's translations folder)
// into the application. Returns the installed translator, which the application owns, or null
// when the translation is not installed: Qt's English texts then stay, and the game's own
// message boxes still read "确定".
QTranslator* InstallQtTranslation();

} // namespace llk::app
