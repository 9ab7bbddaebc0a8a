#include "app/display_connection.h"

#include <QGuiApplication>
#include <QScreen>

#include <sys/socket.h>
#include <xcb/xcb.h>

#include <limits>

namespace llk::app {

bool RaiseSendBuffer(int socket, int bytes)
{
    int current = 0;
    socklen_t length = sizeof current;
    if (getsockopt(socket, SOL_SOCKET, SO_SNDBUF, &current, &length) != 0)
        return false;
    // The kernel reports twice the size asked for: the other half is its own bookkeeping.
    if (current / 2 >= bytes)
        return true;
    return setsockopt(socket, SOL_SOCKET, SO_SNDBUF, &bytes, sizeof bytes) == 0;
}

void WidenDisplayConnection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!x11 || !x11->connection() || !screen)
        return;
    const QSize pixels = screen->size() * screen->devicePixelRatio();
    constexpr qint64 BytesPerPixel = 4;
    const qint64 frame = qint64{pixels.width()} * pixels.height() * BytesPerPixel;
    RaiseSendBuffer(xcb_get_file_descriptor(x11->connection()),
                    static_cast<int>(qMin<qint64>(frame, std::numeric_limits<int>::max())));
}

} // namespace llk::app
