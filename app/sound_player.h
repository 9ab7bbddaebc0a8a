// The four sound effects, played from the program's embedded WAVE files.
#pragma once

#include <QLibrary>
#include <QList>
#include <QString>
#include <QUrl>

#include <memory>

#include "board/host.h"

namespace llk::app {

class SoundOutput;

// Holds the sounds and hands them to the sound module (see sound_output.h), loaded from
// `moduleFolder` by Prepare() or at the first sound. Without the module or without an audio
// device the game is silent: nothing is shown or printed.
class SoundPlayer {
public:
    explicit SoundPlayer(QString moduleFolder);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Takes the four sounds from the embedded resources.
    void LoadSounds();
    // Loads the module and decodes the sounds, once; true when sounds can play.
    bool Prepare();
    void Play(Sound sound);

private:
    QString m_moduleFolder;
    QList<QUrl> m_sources;
    bool m_prepared = false;
    QLibrary m_module;
    std::unique_ptr<SoundOutput> m_output;
};

} // namespace llk::app
