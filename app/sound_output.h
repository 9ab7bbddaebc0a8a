// The sound effects' output, built as a module of its own beside the executable. Qt Multimedia
// and the audio libraries it brings (about thirty) cost start-up time for a window that shows
// before any sound plays, so the game loads the module once the window is on the screen.
#pragma once

#include <QList>
#include <QUrl>

namespace llk::app {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays source `index` in the background; a new sound stops one that is still playing.
    virtual void Play(int index) = 0;
};

// The module's one entry point: an output for `sources`, each decoded once.
using CreateSoundOutputFunction = SoundOutput* (*)(const QList<QUrl>& sources);
inline constexpr char CreateSoundOutputName[] = "llk_create_sound_output";
inline constexpr char SoundModuleName[] = "lianliankan-sound";

} // namespace llk::app
