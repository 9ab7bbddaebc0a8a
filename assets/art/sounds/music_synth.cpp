// The game's music: a guzheng (plucked strings by Karplus-Strong), a bamboo flute with breath and
// vibrato, a drone of open fifths and a wood block, on the D pentatonic scale. Every sound is
// added into a circular buffer one loop long, so whatever rings past the end of the piece rings
// on at its start, and the reverb runs round the loop twice to reach the same steady state.
#include "music_synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

namespace llk::sounds {
namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;
constexpr double SampleRate = MusicFormat.sampleRate;
constexpr double BeatSeconds = 60.0 / MusicBeatsPerMinute;
constexpr int TotalBeats = MusicBars * MusicBeatsPerBar;
constexpr int LoopFrames = TotalBeats * 60 * MusicFormat.sampleRate / MusicBeatsPerMinute;
// The file begins a quarter beat before the first note, in the rest that ends the piece: the
// loop turns round between notes, where only the drone and fading strings sound.
constexpr double LeadIn = 0.25 * BeatSeconds;
// Partials above this would fold back below the Nyquist frequency as unrelated tones.
constexpr double HighestPartial = 9000.0;

// The note called "1" in the melodies below (D4); the scale is gong mode on D: D E F# A B.
constexpr double Tonic = 293.66;
constexpr std::array<int, 5> ScaleSemitones = {0, 2, 4, 7, 9};

// Scale steps count pentatonic notes from the tonic: 5 steps make an octave.
double StepFrequency(int step)
{
    const int octave = step >= 0 ? step / 5 : -((-step + 4) / 5);
    const int degree = step - octave * 5;
    return Tonic * std::pow(2.0, octave + ScaleSemitones[static_cast<std::size_t>(degree)] / 12.0);
}

// A seeded noise source: every build writes the same bytes.
class Noise {
public:
    explicit Noise(unsigned long long seed) : m_state(seed) {}
    double Next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_state >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
    }

private:
    unsigned long long m_state;
};

// The circular buffer of the whole piece.
class LoopMix {
public:
    LoopMix() : m_samples(LoopFrames, 0.0) {}

    void Add(double seconds, const std::vector<double>& sound, double gain)
    {
        auto at = static_cast<long>(std::lround((seconds + LeadIn) * SampleRate)) % LoopFrames;
        for (const double value : sound) {
            m_samples[static_cast<std::size_t>(at)] += gain * value;
            if (++at == LoopFrames)
                at = 0;
        }
    }

    Samples& samples() { return m_samples; }

private:
    Samples m_samples;
};

double Smooth(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3.0 - 2.0 * x);
}

// A guzheng string: a burst of soft noise circulating in a delay line one period long, each pass
// averaged (which dulls the upper partials first) and damped. Long notes get the player's left-
// hand vibrato, a slow press on the string behind the bridge.
std::vector<double> Guzheng(double frequency, double brightness, bool vibrato, Noise& noise)
{
    const double ringSeconds = std::clamp(3.4 * std::sqrt(220.0 / frequency), 1.2, 4.0);
    const auto frames = static_cast<std::size_t>(ringSeconds * SampleRate);
    const double period = SampleRate / frequency - 0.5; // the averaging adds half a sample
    const auto burstLength = static_cast<std::size_t>(period);
    std::vector<double> burst(burstLength);
    double lowPassed = 0.0;
    for (double& value : burst) {
        lowPassed += brightness * (noise.Next() - lowPassed);
        value = lowPassed;
    }
    // Plucked at a seventh of the string's length: the comb takes out the partials with a node there.
    const std::size_t pluckPoint = std::max<std::size_t>(1, burstLength / 7);
    for (std::size_t i = burstLength; i-- > pluckPoint;)
        burst[i] -= burst[i - pluckPoint];
    double mean = 0.0;
    for (const double value : burst)
        mean += value / static_cast<double>(burstLength);
    double largest = 1e-9;
    for (double& value : burst) {
        value -= mean;
        largest = std::max(largest, std::abs(value));
    }

    const double loss = std::pow(0.001, 1.0 / (ringSeconds * frequency));
    std::vector<double> line(4096, 0.0);
    const std::size_t mask = line.size() - 1;
    std::vector<double> out(frames);
    double previous = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double bend = vibrato ? 0.0035 * Smooth((t - 0.35) / 0.45) * std::sin(TwoPi * 5.0 * t) : 0.0;
        const double delay = period * (1.0 - bend);
        const double readAt = static_cast<double>(i) - delay;
        double delayed = 0.0;
        if (readAt >= 0.0) {
            const auto whole = static_cast<std::size_t>(readAt);
            const double part = readAt - static_cast<double>(whole);
            delayed = (1.0 - part) * line[whole & mask] + part * line[(whole + 1) & mask];
        }
        const double fed = loss * 0.5 * (delayed + previous);
        previous = delayed;
        const double value = fed + (i < burstLength ? burst[i] / largest : 0.0);
        line[i & mask] = value;
        const double fadeOut = std::min(1.0, (ringSeconds - t) / 0.3);
        out[i] = value * fadeOut;
    }
    return out;
}

// A dizi, the bamboo flute: a few harmonics with the membrane's bright edge, breath noise tuned
// near the note, a grace note from above sliding into long notes, and a vibrato that grows in.
std::vector<double> Dizi(double frequency, double seconds, double graceFrequency, Noise& noise)
{
    constexpr double Attack = 0.07;
    constexpr double Release = 0.14;
    constexpr double Grace = 0.09;
    constexpr std::array<double, 6> Harmonics = {1.0, 0.42, 0.2, 0.1, 0.05, 0.025};
    const auto frames = static_cast<std::size_t>((seconds + Release) * SampleRate);
    std::vector<double> out(frames);
    double phase = 0.0;
    // A two-pole resonator at the second harmonic shapes the breath.
    const double radius = 0.985;
    const double centre = TwoPi * 2.0 * frequency / SampleRate;
    const double a1 = 2.0 * radius * std::cos(centre);
    const double a2 = -radius * radius;
    double y1 = 0.0;
    double y2 = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        double pitch = frequency;
        if (graceFrequency > 0.0 && t < Grace)
            pitch = graceFrequency + (frequency - graceFrequency) * Smooth(t / Grace);
        if (seconds > 0.7)
            pitch *= 1.0 + 0.006 * Smooth((t - 0.3) / 0.4) * std::sin(TwoPi * 5.2 * t);
        phase += TwoPi * pitch / SampleRate;
        double tone = 0.0;
        for (std::size_t k = 0; k < Harmonics.size() && (k + 1) * frequency < HighestPartial; ++k)
            tone += Harmonics[k] * std::sin(static_cast<double>(k + 1) * phase);
        const double breath = (1.0 - radius) * 6.0 * noise.Next() + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = breath;
        const double chiff = 0.05 * noise.Next() * std::exp(-t / 0.03);
        double envelope = Smooth(t / Attack) * (0.9 + 0.1 * Smooth((t - Attack) / 0.5));
        if (t > seconds)
            envelope *= 1.0 - Smooth((t - seconds) / Release);
        out[i] = envelope * (tone + 0.25 * breath) + chiff * Smooth(t / 0.004);
    }
    return out;
}

// A soft drone of an open fifth and the octave, each voice doubled a hair apart so that it
// breathes slowly; it swells in and fades out over seconds.
std::vector<double> Drone(double root, double seconds)
{
    constexpr double Attack = 1.6;
    constexpr double Release = 2.2;
    struct Voice {
        double ratio, level;
    };
    static constexpr Voice Voices[] = {{1.0, 1.0}, {1.5, 0.55}, {2.0, 0.3}, {3.0, 0.08}};
    const auto frames = static_cast<std::size_t>((seconds + Release) * SampleRate);
    std::vector<double> out(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        double value = 0.0;
        for (const Voice& voice : Voices) {
            const double f = root * voice.ratio;
            value += voice.level * 0.5 * (std::sin(TwoPi * (f - 0.11) * t) + std::sin(TwoPi * (f + 0.11) * t + 1.0));
        }
        double envelope = Smooth(t / Attack);
        if (t > seconds)
            envelope *= 1.0 - Smooth((t - seconds) / Release);
        out[i] = envelope * value;
    }
    return out;
}

// A wood block: a short knock of two inharmonic modes over a dry tap.
std::vector<double> WoodBlock(double pitch, Noise& noise)
{
    const auto frames = static_cast<std::size_t>(0.25 * SampleRate);
    std::vector<double> out(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double body = std::sin(TwoPi * pitch * t) * std::exp(-t / 0.045) +
                            0.45 * std::sin(TwoPi * pitch * 2.31 * t) * std::exp(-t / 0.018);
        const double tap = 0.4 * noise.Next() * std::exp(-t / 0.002);
        out[i] = Smooth(t / 0.0008) * (body + tap);
    }
    return out;
}

// ---- The score ----------------------------------------------------------------------------

struct Note {
    double beat; // from the start of the piece
    double beats;
    int step; // scale steps from the tonic
};

// Melodies are written in numbered notation: 1 2 3 5 6 are the scale's notes, ' raises and ,
// lowers an octave, each _ halves the length of a beat, - holds the note a beat longer, 0 is a
// beat's rest and | a bar line.
std::vector<Note> Melody(std::string_view text, int firstBar, int octave)
{
    std::vector<Note> notes;
    double beat = (firstBar - 1) * MusicBeatsPerBar;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view token = text.substr(at, end - at);
        at = end + 1;
        if (token.empty() || token == "|")
            continue;
        double length = 1.0;
        int shift = octave;
        for (const char c : token.substr(1)) {
            if (c == '_')
                length /= 2.0;
            else if (c == '\'')
                shift += 1;
            else if (c == ',')
                shift -= 1;
        }
        const char head = token.front();
        if (head == '-' && !notes.empty()) {
            notes.back().beats += length;
        } else if (head != '0' && head != '-') {
            constexpr std::string_view Degrees = "12356";
            const auto degree = static_cast<int>(Degrees.find(head));
            notes.push_back({beat, length, shift * 5 + degree});
        }
        beat += length;
    }
    return notes;
}

constexpr std::string_view OpeningTune = // bars 1-8, the guzheng alone
    "3 5_ 6_ 5 - | 3 2_ 1_ 2 - | 3 5 6 1' | 6_ 5_ 3 5 - | "
    "6 1'_ 6_ 5 3 | 2 3_ 5_ 3 2 | 1 2_ 3_ 2 6, | 1 - - -";
constexpr std::string_view FluteTune = // bars 9-16, the flute
    "5 - 6_ 5_ 3 | 5 - - 3_ 5_ | 6 1' 6_ 5_ 3 | 2 - - - | "
    "3 5 2_ 3_ 1 | 6, 1 2 - | 3_ 5_ 3_ 2_ 1 6, | 5, - - -";
constexpr std::string_view ReturnTune = // bars 17-24, the guzheng again
    "3 5_ 6_ 1' - | 2' 1'_ 6_ 5 - | 6 5_ 3_ 2 3 | 5 - - - | "
    "6 1'_ 6_ 5 3_ 2_ | 3 - 2_ 1_ 6,_ 1_ | 2 - 3_ 2_ 1 | 1 - - 0";
constexpr std::string_view FluteAnswer = // bars 21-24, the flute over it
    "5 - 6 - | 3 - - - | 2 - 3 - | 1 - - 0";

// The root of each bar, in scale steps (0 D, 1 E, -2 A, -1 B): the drone and the bass follow it.
constexpr std::array<int, MusicBars> BarRoots = {
    0, 0, -1, -1, 1,  1,  -2, 0,  // opening
    0, 0, -1, 1,  0,  -1, -2, -2, // flute
    0, 1, -1, -2, -1, 0,  -2, 0,  // return
};
constexpr std::array<int, 6> Arpeggio = {0, 3, 5, 6, 5, 3};
constexpr std::array<double, 6> ArpeggioBeats = {0.0, 0.5, 1.0, 2.0, 2.5, 3.0};

double Seconds(double beat) { return beat * BeatSeconds; }

// A player is never exactly on the beat, nor exactly as loud twice.
double Humanize(Noise& noise, double amount) { return amount * noise.Next(); }

void PlayGuzheng(LoopMix& mix, const std::vector<Note>& notes, double gain, double brightness, Noise& noise)
{
    for (const Note& note : notes) {
        const auto sound = Guzheng(StepFrequency(note.step), brightness, note.beats >= 2.0, noise);
        mix.Add(Seconds(note.beat) + Humanize(noise, 0.008), sound, gain * (1.0 + Humanize(noise, 0.08)));
    }
}

void PlayDizi(LoopMix& mix, const std::vector<Note>& notes, double gain, Noise& noise)
{
    for (const Note& note : notes) {
        // Held notes are approached from the scale's next note above, as a dizi player does.
        const double grace = note.beats >= 1.0 ? StepFrequency(note.step + 1) : 0.0;
        const double length = Seconds(note.beats) - 0.04;
        mix.Add(Seconds(note.beat) + 0.01, Dizi(StepFrequency(note.step), length, grace, noise), gain);
    }
}

void PlayBass(LoopMix& mix, int fromBar, int toBar, Noise& noise)
{
    for (int bar = fromBar; bar <= toBar; ++bar) {
        const int root = BarRoots[static_cast<std::size_t>(bar - 1)] - 5;
        const double first = (bar - 1) * MusicBeatsPerBar;
        PlayGuzheng(mix, {{first, 2.0, root}}, 0.55, 0.3, noise);
        PlayGuzheng(mix, {{first + 2.0, 1.0, root + 3}}, 0.4, 0.3, noise);
    }
}

void PlayArpeggios(LoopMix& mix, int fromBar, int toBar, Noise& noise)
{
    for (int bar = fromBar; bar <= toBar; ++bar) {
        const int root = BarRoots[static_cast<std::size_t>(bar - 1)] - 5;
        const double first = (bar - 1) * MusicBeatsPerBar;
        for (std::size_t i = 0; i < Arpeggio.size(); ++i)
            PlayGuzheng(mix, {{first + ArpeggioBeats[i], 0.5, root + Arpeggio[i]}}, 0.28, 0.35, noise);
    }
}

// A sweep up the strings that leads into `bar`, ending on its first beat.
void PlayGlissando(LoopMix& mix, int bar, Noise& noise)
{
    constexpr int Strings = 11;
    constexpr double Spacing = 0.045;
    const double end = Seconds((bar - 1) * MusicBeatsPerBar);
    for (int i = 0; i < Strings; ++i) {
        const auto sound = Guzheng(StepFrequency(i), 0.45, false, noise);
        mix.Add(end - (Strings - i) * Spacing, sound, 0.16 + 0.012 * i);
    }
}

void PlayDrone(LoopMix& mix)
{
    // Bars with the same root make one long note; the last joins the first across the loop.
    struct Span {
        int root, firstBar, bars;
    };
    std::vector<Span> spans;
    for (int bar = 1; bar <= MusicBars; ++bar) {
        const int root = BarRoots[static_cast<std::size_t>(bar - 1)];
        if (!spans.empty() && spans.back().root == root)
            ++spans.back().bars;
        else
            spans.push_back({root, bar, 1});
    }
    if (spans.size() > 1 && spans.front().root == spans.back().root) {
        spans.back().bars += spans.front().bars;
        spans.erase(spans.begin());
    }
    for (const Span& span : spans) {
        const double start = Seconds((span.firstBar - 1) * MusicBeatsPerBar) - 0.8;
        mix.Add(start, Drone(StepFrequency(span.root - 5), Seconds(span.bars * MusicBeatsPerBar)), 0.26);
    }
}

void PlayWoodBlock(LoopMix& mix, Noise& noise)
{
    struct Knock {
        int bar;
        double beat, pitch, gain;
    };
    static constexpr Knock Knocks[] = {
        {4, 3.0, 980.0, 0.22},  {8, 3.0, 980.0, 0.22},  {9, 0.0, 820.0, 0.4},   {11, 0.0, 820.0, 0.4},
        {13, 0.0, 820.0, 0.4},  {15, 0.0, 820.0, 0.4},  {16, 2.0, 980.0, 0.32}, {16, 2.5, 980.0, 0.26},
        {17, 0.0, 820.0, 0.28}, {19, 0.0, 820.0, 0.28}, {21, 0.0, 820.0, 0.28}, {23, 0.0, 820.0, 0.28},
    };
    for (const Knock& knock : Knocks)
        mix.Add(Seconds((knock.bar - 1) * MusicBeatsPerBar + knock.beat), WoodBlock(knock.pitch, noise), knock.gain);
}

// A small room: four damped feedback combs in parallel, then two all-pass diffusers. It runs
// round the loop twice and keeps the second turn, whose start carries the first turn's tail.
void AddReverb(Samples& samples, double wet)
{
    struct Comb {
        std::vector<double> line;
        std::size_t at = 0;
        double damped = 0.0;
    };
    struct AllPass {
        std::vector<double> line;
        std::size_t at = 0;
    };
    constexpr double Feedback = 0.8;
    constexpr double Damping = 0.3;
    constexpr double Diffusion = 0.5;
    std::array<Comb, 4> combs{Comb{std::vector<double>(558)}, Comb{std::vector<double>(594)},
                              Comb{std::vector<double>(638)}, Comb{std::vector<double>(678)}};
    std::array<AllPass, 2> allPasses{AllPass{std::vector<double>(278)}, AllPass{std::vector<double>(113)}};
    Samples wetOut(samples.size());
    for (int turn = 0; turn < 2; ++turn) {
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const double input = samples[i];
            double sum = 0.0;
            for (Comb& comb : combs) {
                const double delayed = comb.line[comb.at];
                comb.damped = delayed * (1.0 - Damping) + comb.damped * Damping;
                comb.line[comb.at] = input + comb.damped * Feedback;
                comb.at = (comb.at + 1) % comb.line.size();
                sum += delayed;
            }
            for (AllPass& pass : allPasses) {
                const double delayed = pass.line[pass.at];
                pass.line[pass.at] = sum + delayed * Diffusion;
                pass.at = (pass.at + 1) % pass.line.size();
                sum = delayed - sum * Diffusion;
            }
            wetOut[i] = sum;
        }
    }
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] += wet * wetOut[i];
}

} // namespace

Samples ComposeMusic(double rms)
{
    LoopMix mix;
    Noise noise(0x4C4C4B2D4D555349ULL);
    PlayDrone(mix);
    PlayGuzheng(mix, Melody(OpeningTune, 1, 0), 1.0, 0.55, noise);
    PlayBass(mix, 1, 8, noise);
    PlayGlissando(mix, 9, noise);
    PlayDizi(mix, Melody(FluteTune, 9, 1), 0.3, noise);
    PlayArpeggios(mix, 9, 16, noise);
    PlayGlissando(mix, 17, noise);
    PlayGuzheng(mix, Melody(ReturnTune, 17, 0), 1.0, 0.55, noise);
    PlayDizi(mix, Melody(FluteAnswer, 21, 1), 0.2, noise);
    PlayBass(mix, 17, 24, noise);
    PlayWoodBlock(mix, noise);

    Samples& samples = mix.samples();
    AddReverb(samples, 0.12);
    double mean = 0.0;
    for (const double s : samples)
        mean += s / static_cast<double>(samples.size());
    double power = 0.0;
    for (double& s : samples) {
        s -= mean;
        power += s * s / static_cast<double>(samples.size());
    }
    const double gain = power > 0.0 ? rms / std::sqrt(power) : 0.0;
    for (double& s : samples)
        s *= gain;
    return samples;
}

} // namespace llk::sounds
