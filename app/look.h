// The program's look (style and fonts) and the font set-up started before the window exists.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <future>
#include <thread>

namespace llk::app {

// Fonts are the longest step before the first paint: fontconfig reads its configuration (dozens
// of small files and the caches), then Qt lists every installed font. The first needs nothing
// from Qt and runs while QApplication connects to the display; the second runs once the
// application exists, while the window's widgets and menus are built. Qt's font database locks
// itself, so a widget that measures text first simply waits for the list.
class FontSetUp {
public:
    FontSetUp();
    ~FontSetUp();
    FontSetUp(const FontSetUp&) = delete;
    FontSetUp& operator=(const FontSetUp&) = delete;

    // Call once the QApplication exists; returns when fontconfig is ready, the list then
    // following on the set-up's thread.
    void ApplicationReady();
    // Waits for the thread; the QApplication must outlive this call. Without ApplicationReady()
    // the thread stops once fontconfig is ready.
    void Wait();

private:
    std::promise<bool> m_applicationReady; // false: no application comes, stop after fontconfig
    bool m_signalled = false;
    std::promise<void> m_fontConfigReady;
    std::future<void> m_fontConfigReadyFuture = m_fontConfigReady.get_future();
    std::thread m_thread;
};

// The first of `families` installed here, asked of fontconfig (Qt's font database may still be
// filling on another thread); empty when none is. A font named but missing would make Qt sort
// every installed font to find a substitute, though a later family of the list is installed.
QString FirstInstalledFamily(const QStringList& families);

// The one font of the window's texts, menus and status line alike: SimSun at 9.75 pt where it is
// installed, else a Chinese font of simplified forms that Debian ships, else the default family.
// Every glyph then comes from one Chinese font instead of a Latin font with a fallback chosen
// character by character, and the first paint loads one font engine: a second size of the same
// face made Qt match, open and shape it again, about 4 ms before the window showed. The text
// skips the shaper, which changes no pixel of it.
QFont ProgramFont();

// The menu style, the menu bar kept inside the window and the application font, set once the
// QApplication exists and before the first window is built.
void ApplyLook();

} // namespace llk::app
