// Writing a RIFF WAVE file of uncompressed PCM from floating-point samples.
#include "wave_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace llk::sounds {
namespace {

void PutTag(std::vector<std::uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

int FramesForFileSize(const WaveFormat& format, int fileBytes)
{
    const int frameBytes = format.channels * format.bitsPerSample / 8;
    return (fileBytes - WaveHeaderBytes) / frameBytes;
}

std::vector<std::uint8_t> EncodeWave(const WaveFormat& format, const Samples& samples)
{
    const int sampleBytes = format.bitsPerSample / 8;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * sampleBytes);
    std::vector<std::uint8_t> out;
    out.reserve(WaveHeaderBytes + dataBytes);

    PutTag(out, "RIFF");
    PutLittleEndian(out, 36 + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2); // PCM
    PutLittleEndian(out, format.channels, 2);
    PutLittleEndian(out, format.sampleRate, 4);
    PutLittleEndian(out, format.sampleRate * format.channels * sampleBytes, 4);
    PutLittleEndian(out, format.channels * sampleBytes, 2);
    PutLittleEndian(out, format.bitsPerSample, 2);
    PutTag(out, "data");
    PutLittleEndian(out, dataBytes, 4);

    for (double sample : samples) {
        const double value = std::clamp(sample, -1.0, 1.0);
        if (format.bitsPerSample == 8) {
            out.push_back(static_cast<std::uint8_t>(std::lround(128.0 + 127.0 * value)));
        } else {
            const auto pcm = static_cast<std::int16_t>(std::lround(32767.0 * value));
            PutLittleEndian(out, static_cast<std::uint16_t>(pcm), 2);
        }
    }
    return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace llk::sounds
