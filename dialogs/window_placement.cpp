// Centring a dialog by its frame. Qt's own placement guesses a title bar height where no window
// manager reports one, which puts a dialog 40 pixels too high; this uses the frame as it is.
#include "dialogs/window_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace llk::dialogs {

void CentreWindow(QWidget& window, const QRect& area)
{
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        frame.moveLeft(std::max(available.left(), std::min(frame.left(), available.right() - frame.width() + 1)));
        frame.moveTop(std::max(available.top(), std::min(frame.top(), available.bottom() - frame.height() + 1)));
    }
    window.move(frame.topLeft());
}

} // namespace llk::dialogs
