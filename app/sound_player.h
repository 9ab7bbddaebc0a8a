// The four sound effects, played from the program's embedded WAVE files.
#pragma once

#include <QList>
#include <QUrl>

#include <memory>
#include <vector>

#include "board/host.h"

class QSoundEffect;

namespace llk::app {

// Decodes each sound once, in Prepare() or at the first sound, and plays it in the background.
// Without an audio device the game is silent: nothing is shown or printed.
class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Takes the four sounds from the embedded resources.
    void LoadSounds();
    // Decodes the sounds, once; true when there are sounds to play.
    bool Prepare();
    // A new sound stops one that is still playing.
    void Play(Sound sound);
    bool IsPlaying(Sound sound) const;
    // True once every sound is decoded or has failed to be. Qt decodes on a thread of its own;
    // a player destroyed before then leaves that thread work that is never freed.
    bool Decoded() const;

private:
    QSoundEffect* Effect(Sound sound) const;

    QList<QUrl> m_sources;
    std::vector<std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect* m_playing = nullptr;
};

} // namespace llk::app
