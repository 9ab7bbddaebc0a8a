// The program's connection to the X server: room for a whole frame in its send buffer.
#pragma once

namespace llk::app {

// Raises the send buffer of `socket` to hold `bytes` at once, as far as the system allows
// (net.core.wmem_max); a larger buffer stays as it is. Returns false where the socket refuses.
bool RaiseSendBuffer(int socket, int bytes);

// Call once the QApplication exists. Where the X server shares no memory with the program (a
// remote display, or QT_XCB_NO_MITSHM set) every frame travels through the connection's socket,
// whose default buffer holds about 200 KB: the first frame of the window (2.7 MB) went in a dozen
// writes, each waiting until the server had read the one before, which kept the first paint
// waiting about 3 ms. With room for a frame as large as the screen it goes in one write. Elsewhere
// (offscreen, Wayland) it does nothing.
void WidenDisplayConnection();

} // namespace llk::app
