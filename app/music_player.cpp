#include "app/music_player.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QtEndian>

#include <algorithm>
#include <cstring>

#include "assets/artwork.h"

namespace llk::app {
namespace {

constexpr int WaveHeaderBytes = 44;

quint16 U16(const QByteArray& data, int at) { return qFromLittleEndian<quint16>(data.constData() + at); }
quint32 U32(const QByteArray& data, int at) { return qFromLittleEndian<quint32>(data.constData() + at); }

// The format of a canonical 16-bit PCM WAVE file; an invalid format for anything else.
QAudioFormat WaveFormat(const QByteArray& wave)
{
    QAudioFormat format;
    if (wave.size() <= WaveHeaderBytes || !wave.startsWith("RIFF") || wave.mid(8, 8) != "WAVEfmt "
        || U16(wave, 20) != 1 || U16(wave, 34) != 16 || wave.mid(36, 4) != "data")
        return format;
    format.setSampleRate(static_cast<int>(U32(wave, 24)));
    format.setChannelCount(U16(wave, 22));
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

LoopingPcm::LoopingPcm(QByteArray samples) : m_samples(std::move(samples)) {}

qint64 LoopingPcm::bytesAvailable() const
{
    // Always a whole loop ahead, and never nothing: the reader never sees an end.
    return m_samples.size() + QIODevice::bytesAvailable();
}

qint64 LoopingPcm::readData(char* data, qint64 maxSize)
{
    if (m_samples.isEmpty())
        return 0;
    qint64 done = 0;
    while (done < maxSize) {
        const qint64 chunk = std::min(maxSize - done, m_samples.size() - m_position);
        std::memcpy(data + done, m_samples.constData() + m_position, static_cast<std::size_t>(chunk));
        done += chunk;
        m_position = (m_position + chunk) % m_samples.size();
    }
    return done;
}

MusicPlayer::MusicPlayer() = default;

MusicPlayer::~MusicPlayer()
{
    if (m_output)
        m_output->stop();
}

bool MusicPlayer::Prepare()
{
    if (m_prepared)
        return m_output != nullptr;
    m_prepared = true;
    const QByteArray wave = assets::MusicWave();
    const QAudioFormat format = WaveFormat(wave);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!format.isValid() || device.isNull())
        return false;
    const qsizetype frameBytes = format.bytesPerFrame();
    const qsizetype dataBytes = (wave.size() - WaveHeaderBytes) / frameBytes * frameBytes;
    m_samples = std::make_unique<LoopingPcm>(QByteArray::fromRawData(wave.constData() + WaveHeaderBytes, dataBytes));
    // Unbuffered: the loop's place is what the output has taken, not what a buffer read ahead.
    m_samples->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    m_output = std::make_unique<QAudioSink>(device, format);
    return true;
}

void MusicPlayer::Play()
{
    m_on = true;
    if (Prepare() && m_output->state() != QAudio::ActiveState && m_output->state() != QAudio::IdleState)
        m_output->start(m_samples.get());
}

void MusicPlayer::Pause()
{
    m_on = false;
    if (m_output)
        m_output->stop();
}

void MusicPlayer::Stop()
{
    Pause();
    if (m_samples)
        m_samples->Rewind();
}

} // namespace llk::app
