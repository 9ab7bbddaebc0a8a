// Synthesizes the game's four sound effects and its music and writes them as WAVE files: the
// effects in fixed formats and sizes, the music as a loop of 16-bit samples.
//
// Usage: llk_soundgen <output folder>   writes sound-101.wav ... sound-104.wav and music.wav
#include "music_synth.h"
#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace llk::sounds {
namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;
// Every effect peaks well below full scale, so no sample ever clips.
constexpr double PeakLevel = 0.70;
// Partials above this would fold back below the Nyquist frequency of a 22050 Hz file as harsh,
// unrelated tones, so every voice leaves them out.
constexpr double HighestPartial = 10000.0;

struct Effect {
    int id;
    int fileBytes;
    WaveFormat format;
    double peak;
    Samples (*synthesize)(const WaveFormat& format, int frames);
};

double Sine(double frequency, double t, double phase = 0.0) { return std::sin(TwoPi * frequency * t + phase); }

// A small deterministic noise source, so a rebuild produces the same bytes.
class Noise {
public:
    double Next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_state >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
    }

private:
    unsigned long long m_state = 0x2545F4914F6CDD1DULL;
};

// A struck, bell-like tone: a few partials, each dying away at its own rate (higher ones faster).
double Bell(double frequency, double t, double decay, const double (&partials)[4][2])
{
    if (t < 0.0)
        return 0.0;
    const double attack = std::min(1.0, t / 0.003);
    double value = 0.0;
    for (const auto& partial : partials)
        if (frequency * partial[0] < HighestPartial)
            value += partial[1] * Sine(frequency * partial[0], t) * std::exp(-t * partial[0] / decay);
    return attack * value;
}

// A warm brass-like voice: odd and even harmonics whose brightness swells in at the attack,
// with a gentle vibrato once the note has settled.
double Brass(double frequency, double t, double length)
{
    if (t < 0.0 || t > length + 0.6) // by then the release has died away to nothing
        return 0.0;
    const double attack = std::min(1.0, t / 0.018);
    const double release = t > length ? std::exp(-(t - length) / 0.05) : 1.0;
    const double sustain = 0.75 + 0.25 * std::exp(-t / 0.08);
    // Vibrato bends the phase, not the frequency factor, so the pitch wavers around the note
    // instead of drifting away from it as time goes on.
    constexpr double VibratoRate = 5.5;
    constexpr double VibratoDepth = 0.004;
    const double vibratoIn = std::clamp((t - 0.12) / 0.2, 0.0, 1.0);
    const double wobble = vibratoIn * VibratoDepth * frequency / VibratoRate * std::sin(TwoPi * VibratoRate * t);
    const double brightness = 0.45 + 0.55 * std::min(1.0, t / 0.05);
    double value = 0.0;
    for (int n = 1; n <= 9 && n * frequency < HighestPartial; ++n)
        value += std::pow(brightness, n - 1) / n * std::sin(n * (TwoPi * frequency * t + wobble));
    return attack * release * sustain * value;
}

// Raised-cosine fades at both ends: a sound starts and stops at silence, without a click.
void Fade(Samples& samples, int channels, int sampleRate, double fadeInSeconds, double fadeOutSeconds)
{
    const int frames = static_cast<int>(samples.size()) / channels;
    const int fadeIn = std::max(1, static_cast<int>(fadeInSeconds * sampleRate));
    const int fadeOut = std::max(1, static_cast<int>(fadeOutSeconds * sampleRate));
    for (int frame = 0; frame < frames; ++frame) {
        double gain = 1.0;
        if (frame < fadeIn)
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * frame / fadeIn);
        const int fromEnd = frames - 1 - frame;
        if (fromEnd < fadeOut)
            gain *= 0.5 - 0.5 * std::cos(std::numbers::pi * fromEnd / fadeOut);
        for (int c = 0; c < channels; ++c)
            samples[frame * channels + c] *= gain;
    }
}

double RootMeanSquare(const Samples& samples)
{
    double power = 0.0;
    for (double s : samples)
        power += s * s;
    return samples.empty() ? 0.0 : std::sqrt(power / static_cast<double>(samples.size()));
}

void Normalize(Samples& samples, double peak)
{
    double largest = 0.0;
    for (double s : samples)
        largest = std::max(largest, std::abs(s));
    if (largest > 0.0)
        for (double& s : samples)
            s *= peak / largest;
}

// 101: a crisp, dry tick, like a fingernail on a porcelain tile.
Samples Click(const WaveFormat& format, int frames)
{
    Samples out(static_cast<size_t>(frames) * format.channels);
    Noise noise;
    double lowPassed = 0.0;
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / format.sampleRate;
        lowPassed += 0.45 * (noise.Next() - lowPassed);
        const double body = 0.65 * Sine(2900.0, t) * std::exp(-t / 0.0045) + 0.35 * Sine(1450.0, t) * std::exp(-t / 0.007);
        const double snap = 0.5 * lowPassed * std::exp(-t / 0.0012);
        const double value = body + snap;
        for (int c = 0; c < format.channels; ++c)
            out[i * format.channels + c] = value;
    }
    Fade(out, format.channels, format.sampleRate, 0.0004, 0.004);
    return out;
}

// 102: two quick, bright bell strokes a fifth apart, rising.
Samples RemovalChime(const WaveFormat& format, int frames)
{
    static constexpr double Partials[4][2] = {{1.0, 1.0}, {2.0, 0.35}, {3.01, 0.12}, {4.17, 0.05}};
    Samples out(static_cast<size_t>(frames) * format.channels);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / format.sampleRate;
        const double value = 0.8 * Bell(1318.5, t, 0.10, Partials) + Bell(1975.5, t - 0.065, 0.13, Partials);
        for (int c = 0; c < format.channels; ++c)
            out[i * format.channels + c] = value;
    }
    Fade(out, format.channels, format.sampleRate, 0.001, 0.05);
    return out;
}

// 103: a rising brass call on the notes of a major chord, ending on the full chord with
// glockenspiel sparkles above it, spread across the stereo field.
Samples ClearedFanfare(const WaveFormat& format, int frames)
{
    struct Note {
        double start, length, frequency, pan;
    };
    static constexpr Note Brasses[] = {
        {0.00, 0.11, 392.00, 0.35},  // G4
        {0.13, 0.11, 523.25, 0.45},  // C5
        {0.26, 0.11, 659.25, 0.55},  // E5
        {0.39, 0.11, 783.99, 0.65},  // G5
        {0.54, 0.62, 1046.50, 0.50}, // C6, held
        {0.54, 0.62, 659.25, 0.25},  // E5 below it
        {0.54, 0.62, 523.25, 0.75},  // C5 below it
    };
    static constexpr Note Sparkles[] = {
        {0.56, 0.0, 2093.0, 0.2},
        {0.66, 0.0, 2637.0, 0.8},
        {0.76, 0.0, 3136.0, 0.3},
        {0.86, 0.0, 4186.0, 0.7},
    };
    static constexpr double Glock[4][2] = {{1.0, 1.0}, {2.76, 0.25}, {5.40, 0.08}, {8.93, 0.03}};

    Samples out(static_cast<size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / format.sampleRate;
        double left = 0.0;
        double right = 0.0;
        for (const Note& note : Brasses) {
            const double value = Brass(note.frequency, t - note.start, note.length);
            left += value * (1.0 - note.pan);
            right += value * note.pan;
        }
        for (const Note& note : Sparkles) {
            const double value = 0.35 * Bell(note.frequency, t - note.start, 0.25, Glock);
            left += value * (1.0 - note.pan);
            right += value * note.pan;
        }
        out[i * 2] = left;
        out[i * 2 + 1] = right;
    }
    Fade(out, 2, format.sampleRate, 0.002, 0.12);
    return out;
}

// 104: one soft, round ding, almost a pure tone.
Samples HintDing(const WaveFormat& format, int frames)
{
    static constexpr double Partials[4][2] = {{1.0, 1.0}, {2.0, 0.12}, {3.0, 0.03}, {4.0, 0.0}};
    Samples out(static_cast<size_t>(frames) * format.channels);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / format.sampleRate;
        const double softAttack = std::min(1.0, t / 0.012);
        out[i] = softAttack * Bell(880.0, t, 0.22, Partials);
    }
    Fade(out, format.channels, format.sampleRate, 0.004, 0.08);
    return out;
}

constexpr int RemovalSound = 102;
constexpr Effect Effects[] = {
    {101, 1904, {2, 22050, 16}, PeakLevel, Click},
    {102, 19628, {1, 22050, 16}, PeakLevel, RemovalChime},
    {103, 124460, {2, 22050, 16}, PeakLevel, ClearedFanfare},
    {104, 6156, {1, 11025, 8}, 0.60, HintDing},
};

} // namespace
} // namespace llk::sounds

int main(int argc, char** argv)
{
    using namespace llk::sounds;
    if (argc != 2) {
        std::fprintf(stderr, "usage: llk_soundgen <output folder>\n");
        return 2;
    }
    double removalLevel = 0.0;
    for (const Effect& effect : Effects) {
        const int frames = FramesForFileSize(effect.format, effect.fileBytes);
        Samples samples = effect.synthesize(effect.format, frames);
        Normalize(samples, effect.peak);
        if (effect.id == RemovalSound)
            removalLevel = RootMeanSquare(samples);
        const auto bytes = EncodeWave(effect.format, samples);
        const std::string path = std::string(argv[1]) + "/sound-" + std::to_string(effect.id) + ".wav";
        if (static_cast<int>(bytes.size()) != effect.fileBytes || !WriteFile(path, bytes)) {
            std::fprintf(stderr, "llk_soundgen: cannot write %s (%zu bytes)\n", path.c_str(), bytes.size());
            return 1;
        }
    }
    // The music sits at a third of the level of the sound heard most often over it.
    const auto music = EncodeWave(MusicFormat, ComposeMusic(removalLevel / 3.0));
    const std::string path = std::string(argv[1]) + "/music.wav";
    if (!WriteFile(path, music)) {
        std::fprintf(stderr, "llk_soundgen: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
