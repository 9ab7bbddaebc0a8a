// The program's look: the menu style, the menu bar inside the window, and the one font of its texts.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace llk::app {

// The first of `families` that is installed here; empty when none is.
QString FirstInstalledFamily(const QStringList& families);

// The font of the window's texts, menus and status line: SimSun at 9.75 pt where it is installed,
// else a Chinese font of simplified forms that Debian ships, else the default family. Latin letters
// and digits come from the same font, so a status line never mixes two faces.
QFont ProgramFont();

// The menu style, the menu bar kept inside the window and the application font, set once the
// QApplication exists and before the first window is built.
void ApplyLook();

} // namespace llk::app
