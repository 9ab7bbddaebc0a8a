// The four sound effects, played through Qt Multimedia from the program's embedded WAVE files.
#pragma once

#include <array>
#include <memory>

#include "board/host.h"

class QSoundEffect;

namespace llk::app {

// Plays every sound in the background, the click too: a click that blocked the window for its
// 20 ms would only make the game feel slower. A new sound stops one that is still playing.
// Without an audio device every call does nothing.
class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Prepares one player per sound, decoding the WAVE data once.
    void LoadSounds();
    void Play(Sound sound);

private:
    std::array<std::unique_ptr<QSoundEffect>, 4> m_effects;
    QSoundEffect* m_playing = nullptr;
};

} // namespace llk::app
