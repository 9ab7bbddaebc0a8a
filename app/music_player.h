// The game's music: the embedded loop, played from memory while a game runs.
#pragma once

#include <QByteArray>
#include <QIODevice>

#include <memory>

class QAudioSink;

namespace llk::app {

// The samples of one period of a loop, read round and round without an end.
class LoopingPcm final : public QIODevice {
public:
    explicit LoopingPcm(QByteArray samples);

    // Where the next read starts, in bytes from the loop's start.
    qint64 Position() const { return m_position; }
    void Rewind() { m_position = 0; }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_samples;
    qint64 m_position = 0;
};

// QAudioSink pulls the samples straight from the program's image: the loop is sample-exact, a
// pause keeps its place, and nothing is decoded. (QSoundEffect loops seamlessly too but always
// starts over; QMediaPlayer would bring a whole media back end for one WAVE file.) Stopping
// closes the output stream, so a paused game holds no audio stream open. Without an audio
// device the player stays silent and prints nothing.
class MusicPlayer {
public:
    MusicPlayer();
    ~MusicPlayer();
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Finds the audio device and the samples, once; true when the music can play.
    bool Prepare();
    // Plays on from where the music was paused, from the start at first and after Stop().
    void Play();
    // Stops the output, keeping the place.
    void Pause();
    // Stops the output and goes back to the start.
    void Stop();
    // Whether the music is meant to be heard now (the output may be missing).
    bool IsOn() const { return m_on; }

private:
    bool m_prepared = false;
    bool m_on = false;
    std::unique_ptr<LoopingPcm> m_samples;
    std::unique_ptr<QAudioSink> m_output;
};

} // namespace llk::app
