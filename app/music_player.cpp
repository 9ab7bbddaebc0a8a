#include "app/music_player.h"

#include <QtEndian>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstring>

#include "assets/artwork.h"

namespace llk::app {
namespace {

constexpr int WaveHeaderBytes = 44;
// What the stream holds ahead of the speaker: a plain player's default, two seconds.
constexpr pa_usec_t BufferUsec = 2'000'000;

quint16 U16(const QByteArray& data, int at) { return qFromLittleEndian<quint16>(data.constData() + at); }
quint32 U32(const QByteArray& data, int at) { return qFromLittleEndian<quint32>(data.constData() + at); }

// The sample format of a canonical 16-bit PCM WAVE file; an invalid one for anything else.
pa_sample_spec WaveSpec(const QByteArray& wave)
{
    pa_sample_spec sampleFormat{PA_SAMPLE_INVALID, 0, 0};
    if (wave.size() <= WaveHeaderBytes || !wave.startsWith("RIFF") || wave.mid(8, 8) != "WAVEfmt " ||
        U16(wave, 20) != 1 || U16(wave, 34) != 16 || wave.mid(36, 4) != "data")
        return sampleFormat;
    sampleFormat.format = PA_SAMPLE_S16LE;
    sampleFormat.rate = U32(wave, 24);
    sampleFormat.channels = static_cast<uint8_t>(U16(wave, 22));
    return sampleFormat;
}

} // namespace

LoopingPcm::LoopingPcm(QByteArray samples) : m_samples(std::move(samples)) {}

qint64 LoopingPcm::Read(char* data, qint64 maxSize)
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

void LoopingPcm::Seek(qint64 position) { m_position = m_samples.isEmpty() ? 0 : position % m_samples.size(); }

// A connection to the sound server with its own thread (libpulse's threaded main loop), and the
// music's stream while it plays. The stream's callbacks run on that thread under its lock.
struct PulseOutput {
    pa_threaded_mainloop* loop = nullptr;
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;
    pa_sample_spec sampleFormat{};
    LoopingPcm* samples = nullptr;
    qint64 startPosition = 0; // the loop's place the stream's first byte came from

    PulseOutput() = default;
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    ~PulseOutput()
    {
        if (!loop)
            return;
        pa_threaded_mainloop_lock(loop);
        CloseStream();
        if (context)
            pa_context_disconnect(context);
        pa_threaded_mainloop_unlock(loop);
        pa_threaded_mainloop_stop(loop);
        if (context)
            pa_context_unref(context);
        pa_threaded_mainloop_free(loop);
    }

    static void Signal(pa_threaded_mainloop* loop) { pa_threaded_mainloop_signal(loop, 0); }

    // Connects without starting a server; false when none answers.
    bool Connect()
    {
        loop = pa_threaded_mainloop_new();
        if (!loop)
            return false;
        context = pa_context_new(pa_threaded_mainloop_get_api(loop), "lianliankan");
        if (!context)
            return false;
        pa_context_set_state_callback(
            context, [](pa_context*, void* self) { Signal(static_cast<PulseOutput*>(self)->loop); }, this);
        if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 || pa_threaded_mainloop_start(loop) < 0)
            return false;
        pa_threaded_mainloop_lock(loop);
        pa_context_state_t state;
        while ((state = pa_context_get_state(context)) != PA_CONTEXT_READY && PA_CONTEXT_IS_GOOD(state))
            pa_threaded_mainloop_wait(loop);
        pa_threaded_mainloop_unlock(loop);
        return state == PA_CONTEXT_READY;
    }

    // The server asks for more: hand it all it asked for, straight from the loop, in as many
    // pieces as its memory blocks take (a piece may be shorter than the request).
    static void Write(pa_stream* stream, std::size_t bytes, void* self)
    {
        auto* out = static_cast<PulseOutput*>(self);
        const std::size_t frame = pa_frame_size(&out->sampleFormat);
        while (bytes >= frame) {
            void* data = nullptr;
            std::size_t piece = bytes;
            if (pa_stream_begin_write(stream, &data, &piece) < 0 || !data)
                return;
            piece = std::min(piece, bytes) / frame * frame;
            if (piece == 0) {
                pa_stream_cancel_write(stream);
                return;
            }
            out->samples->Read(static_cast<char*>(data), static_cast<qint64>(piece));
            if (pa_stream_write(stream, data, piece, nullptr, 0, PA_SEEK_RELATIVE) < 0)
                return;
            bytes -= piece;
        }
    }

    void OpenStream()
    {
        pa_threaded_mainloop_lock(loop);
        if (!stream && pa_context_get_state(context) == PA_CONTEXT_READY) {
            stream = pa_stream_new(context, "music", &sampleFormat, nullptr);
            if (stream) {
                startPosition = samples->Position();
                pa_stream_set_write_callback(stream, Write, this);
                const auto unset = static_cast<uint32_t>(-1);
                pa_buffer_attr buffer{unset, static_cast<uint32_t>(pa_usec_to_bytes(BufferUsec, &sampleFormat)), unset,
                                      unset, unset};
                if (pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0)
                    CloseStream();
            }
        }
        pa_threaded_mainloop_unlock(loop);
    }

    // Puts the loop's place where the speaker is now, then closes the stream: what the server
    // still held is dropped, so a later Play goes on with the first sample not yet heard.
    void PauseStream()
    {
        pa_threaded_mainloop_lock(loop);
        if (stream) {
            qint64 played = 0;
            if (pa_stream_get_state(stream) == PA_STREAM_READY) {
                pa_operation* update = pa_stream_update_timing_info(
                    stream, [](pa_stream*, int, void* self) { Signal(static_cast<PulseOutput*>(self)->loop); }, this);
                while (update && pa_operation_get_state(update) == PA_OPERATION_RUNNING)
                    pa_threaded_mainloop_wait(loop);
                if (update)
                    pa_operation_unref(update);
                pa_usec_t usec = 0;
                if (pa_stream_get_time(stream, &usec) == 0)
                    played = static_cast<qint64>(pa_usec_to_bytes(usec, &sampleFormat));
            }
            samples->Seek(startPosition + played);
            CloseStream();
        }
        pa_threaded_mainloop_unlock(loop);
    }

    void CloseStream()
    {
        if (!stream)
            return;
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
    }
};

MusicPlayer::MusicPlayer() = default;

MusicPlayer::~MusicPlayer() = default;

bool MusicPlayer::Prepare()
{
    if (m_prepared)
        return m_output != nullptr;
    m_prepared = true;
    const QByteArray wave = assets::MusicWave();
    const pa_sample_spec sampleFormat = WaveSpec(wave);
    if (!pa_sample_spec_valid(&sampleFormat))
        return false;
    const qsizetype frameBytes = static_cast<qsizetype>(pa_frame_size(&sampleFormat));
    const qsizetype dataBytes = (wave.size() - WaveHeaderBytes) / frameBytes * frameBytes;
    auto output = std::make_unique<PulseOutput>();
    if (!output->Connect())
        return false;
    m_samples = std::make_unique<LoopingPcm>(QByteArray::fromRawData(wave.constData() + WaveHeaderBytes, dataBytes));
    output->sampleFormat = sampleFormat;
    output->samples = m_samples.get();
    m_output = std::move(output);
    return true;
}

void MusicPlayer::Play()
{
    m_on = true;
    if (Prepare())
        m_output->OpenStream();
}

void MusicPlayer::Pause()
{
    m_on = false;
    if (m_output)
        m_output->PauseStream();
}

void MusicPlayer::Stop()
{
    Pause();
    if (m_samples)
        m_samples->Rewind();
}

} // namespace llk::app
