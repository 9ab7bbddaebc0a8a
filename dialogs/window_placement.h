// Placing the dialogs: centred over a given area of the screen.
#pragma once

#include <QRect>

class QWidget;

namespace llk::dialogs {

// Moves the top-level `window` so that its frame is centred on `area`, kept on its screen.
void CentreWindow(QWidget& window, const QRect& area);

} // namespace llk::dialogs
