// How the window tells the player things: message boxes, sound effects and music. Tests record them.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "app/backgrounds.h"
#include "app/music_player.h"
#include "app/sound_player.h"
#include "board/host.h"

class QWidget;

namespace llk::app {

// As written; shown through Shown().
inline const QString WindowCaption = QStringLiteral(QT_TRANSLATE_NOOP("Form1", "岚川连连看"));
inline const QString OkButtonText = QStringLiteral(QT_TRANSLATE_NOOP("Form1", "确定"));

// One of the texts above as the player reads it.
QString Shown(const QString& text);

// The game's message box: a title, a text, an icon and one button "确定" without an icon of its
// own, whichever translation of Qt's texts is loaded. Returns when the player has closed it.
void ShowGameMessage(QWidget* parent, const QString& title, const QString& text, Icon icon);

class Feedback {
public:
    virtual ~Feedback() = default;
    // A modal box with one OK button; returns when the player has closed it.
    virtual void ShowMessage(QWidget* parent, const QString& title, const QString& text, Icon icon) = 0;
    virtual void LoadSounds() = 0;
    // Readies the sound output ahead of the first sound, once; called as each game starts.
    virtual void PrepareSounds() = 0;
    virtual void PlaySound(Sound sound) = 0;
    // The music plays while `on`, going on from where it was paused.
    virtual void SetMusicPlaying(bool on) = 0;
    // Stops the music and goes back to its start.
    virtual void StopMusic() = 0;
};

// Qt's standard message boxes and Qt Multimedia.
class StandardFeedback final : public Feedback {
public:
    void ShowMessage(QWidget* parent, const QString& title, const QString& text, Icon icon) override;
    void LoadSounds() override { m_sounds.LoadSounds(); }
    void PrepareSounds() override
    {
        m_sounds.Prepare();
        m_music.Prepare();
    }
    void PlaySound(Sound sound) override { m_sounds.Play(sound); }
    void SetMusicPlaying(bool on) override { on ? m_music.Play() : m_music.Pause(); }
    void StopMusic() override { m_music.Stop(); }

private:
    SoundPlayer m_sounds;
    MusicPlayer m_music;
};

} // namespace llk::app
