// The program's look (style and fonts) and the font set-up started before the window exists.
#pragma once

#include <thread>

namespace llk::app {

// Reading the system's font configuration (dozens of small files and the font caches) is the
// longest single step before the first paint. It needs nothing from Qt, so it runs on a thread of
// its own while QApplication connects to the display; Wait() before the first widget is built.
class FontConfigLoader {
public:
    FontConfigLoader();
    ~FontConfigLoader();
    FontConfigLoader(const FontConfigLoader&) = delete;
    FontConfigLoader& operator=(const FontConfigLoader&) = delete;

    void Wait();

private:
    std::thread m_thread;
};

// The menu style, the menu bar kept inside the window and the application font, set once the
// QApplication exists and before the first window is built. The menus and boxes
// speak Chinese: they use a Chinese font of simplified forms where one is installed, so every
// glyph comes from one font instead of a Latin font with a fallback chosen character by character.
void ApplyLook();

} // namespace llk::app
