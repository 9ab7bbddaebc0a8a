// Writing a RIFF WAVE file of uncompressed PCM from floating-point samples.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace llk::sounds {

struct WaveFormat {
    int channels = 1;
    int sampleRate = 22050;
    int bitsPerSample = 16; // 8 (unsigned) or 16 (signed)
};

// Interleaved samples in -1..1 (frame by frame, one value per channel).
using Samples = std::vector<double>;

constexpr int WaveHeaderBytes = 44;

// The complete file: the 44-byte header of a canonical PCM WAVE and the samples, rounded to
// the format's resolution. Values outside -1..1 are a synthesis fault and are clamped.
std::vector<std::uint8_t> EncodeWave(const WaveFormat& format, const Samples& samples);

// Frames that fill a file of exactly `fileBytes` bytes in `format`.
int FramesForFileSize(const WaveFormat& format, int fileBytes);

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace llk::sounds
