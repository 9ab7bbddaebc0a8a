// The game's music: the embedded loop, played from memory while a game runs.
#pragma once

#include <QByteArray>

#include <memory>

namespace llk::app {

// The samples of one period of a loop, read round and round without an end.
class LoopingPcm {
public:
    explicit LoopingPcm(QByteArray samples);

    // Copies the next `maxSize` bytes, going round the end into the start; 0 for an empty loop.
    qint64 Read(char* data, qint64 maxSize);
    // Where the next read starts, in bytes from the loop's start.
    qint64 Position() const { return m_position; }
    // Moves the next read to `position`, taken round the loop.
    void Seek(qint64 position);
    void Rewind() { m_position = 0; }
    qint64 Size() const { return m_samples.size(); }

private:
    QByteArray m_samples;
    qint64 m_position = 0;
};

struct PulseOutput;

// Plays the loop on the sound server with a stream of its own that takes two seconds of samples
// at a time, so the game wakes about twice a second while the music plays. (Qt 6.4's QAudioSink
// feeds its PulseAudio stream from a 20 ms timer whatever its buffer: fifty wake-ups a second,
// ten times the CPU of a plain player.) A pause asks the server how much it has played, closes
// the stream and goes on from there, so a resumed game hears what it had not heard yet and a
// paused game holds no stream open. Without a sound server the player stays silent and prints
// nothing.
class MusicPlayer {
public:
    MusicPlayer();
    ~MusicPlayer();
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Connects to the sound server and finds the samples, once; true when the music can play.
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
    std::unique_ptr<PulseOutput> m_output;
};

} // namespace llk::app
