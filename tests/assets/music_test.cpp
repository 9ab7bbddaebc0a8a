// Checks of the generated music as the program embeds it: its format, length and size, its level
// against the effects, the loop's turn, and that the generator writes the same bytes every time.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/artwork.h"

namespace {

constexpr int HeaderBytes = 44;
constexpr int SampleRate = 22050;
constexpr qsizetype MostBytes = 4'000'000;

quint32 U32(const QByteArray& data, int at) { return qFromLittleEndian<quint32>(data.constData() + at); }
quint16 U16(const QByteArray& data, int at) { return qFromLittleEndian<quint16>(data.constData() + at); }

// 16-bit mono samples as fractions of full scale.
std::vector<double> Samples(const QByteArray& wave)
{
    std::vector<double> samples;
    for (qsizetype at = HeaderBytes; at + 1 < wave.size(); at += 2)
        samples.push_back(qFromLittleEndian<qint16>(wave.constData() + at) / 32768.0);
    return samples;
}

double RootMeanSquare(const std::vector<double>& samples)
{
    double power = 0.0;
    for (const double s : samples)
        power += s * s;
    return std::sqrt(power / static_cast<double>(samples.size()));
}

double LargestStep(const std::vector<double>& samples, std::size_t from, std::size_t to)
{
    double largest = 0.0;
    for (std::size_t i = from + 1; i < to; ++i)
        largest = std::max(largest, std::abs(samples[i] - samples[i - 1]));
    return largest;
}

TEST(Music, IsAMono16BitWaveOfOneToTwoMinutesWithinFourMegabytes)
{
    const QByteArray wave = llk::assets::MusicWave();
    ASSERT_GT(wave.size(), HeaderBytes);
    EXPECT_LE(wave.size(), MostBytes);
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(U32(wave, 4), quint32(wave.size() - 8));
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(U32(wave, 16), 16u);
    EXPECT_EQ(U16(wave, 20), 1u) << "uncompressed PCM";
    EXPECT_EQ(U16(wave, 22), 1u) << "mono";
    EXPECT_EQ(U32(wave, 24), quint32(SampleRate));
    EXPECT_EQ(U32(wave, 28), quint32(SampleRate * 2));
    EXPECT_EQ(U16(wave, 32), 2u);
    EXPECT_EQ(U16(wave, 34), 16u);
    EXPECT_EQ(wave.mid(36, 4), "data");
    EXPECT_EQ(U32(wave, 40), quint32(wave.size() - HeaderBytes));
    const double seconds = (wave.size() - HeaderBytes) / 2.0 / SampleRate;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 120.0);
}

TEST(Music, PeaksBelowFullScale)
{
    const std::vector<double> samples = Samples(llk::assets::MusicWave());
    ASSERT_FALSE(samples.empty());
    double peak = 0.0;
    for (const double s : samples)
        peak = std::max(peak, std::abs(s));
    EXPECT_LT(peak, 0.9);
    EXPECT_GT(peak, 0.05) << "audible at all";
}

// The effects must stay clearly audible over the music: it sits near a third of their level.
TEST(Music, SitsAtAboutAThirdOfTheRemovalSoundsLevel)
{
    const std::vector<double> music = Samples(llk::assets::MusicWave());
    const std::vector<double> removal = Samples(llk::assets::SoundWave(102));
    ASSERT_FALSE(music.empty());
    ASSERT_FALSE(removal.empty());
    const double ratio = RootMeanSquare(music) / RootMeanSquare(removal);
    EXPECT_GT(ratio, 0.25);
    EXPECT_LT(ratio, 0.42);
}

// Played in a loop, the last sample leads into the first: that step is no larger than the
// largest step within the quietest tenth of the piece.
TEST(Music, LoopsWithoutASeam)
{
    const std::vector<double> samples = Samples(llk::assets::MusicWave());
    ASSERT_GE(samples.size(), 10u);
    const std::size_t tenth = samples.size() / 10;
    std::size_t quietest = 0;
    double quietestLevel = 2.0;
    for (std::size_t part = 0; part < 10; ++part) {
        const std::vector<double> slice(samples.begin() + static_cast<long>(part * tenth),
                                        samples.begin() + static_cast<long>((part + 1) * tenth));
        const double level = RootMeanSquare(slice);
        if (level < quietestLevel) {
            quietestLevel = level;
            quietest = part;
        }
    }
    const double seam = std::abs(samples.front() - samples.back());
    const double quietSteps = LargestStep(samples, quietest * tenth, (quietest + 1) * tenth);
    EXPECT_LE(seam, quietSteps) << "quietest tenth " << quietest;
}

TEST(Music, NeverFallsSilentForLong)
{
    // A loop that stopped for seconds would sound like the end of the piece.
    const std::vector<double> samples = Samples(llk::assets::MusicWave());
    const std::size_t second = SampleRate;
    for (std::size_t at = 0; at + second <= samples.size(); at += second) {
        const std::vector<double> slice(samples.begin() + static_cast<long>(at),
                                        samples.begin() + static_cast<long>(at + second));
        EXPECT_GT(RootMeanSquare(slice), 0.003) << "second " << at / second;
    }
}

#ifdef LLK_SOUNDGEN_PATH
QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Generate(const QString& folder)
{
    QProcess process;
    process.start(QStringLiteral(LLK_SOUNDGEN_PATH), {folder});
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

TEST(SoundGenerator, WritesTheSameBytesOnEveryRun)
{
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(Generate(first.path()));
    ASSERT_TRUE(Generate(second.path()));
    const QStringList files = {QStringLiteral("music.wav"), QStringLiteral("sound-101.wav"), QStringLiteral("sound-102.wav"),
                               QStringLiteral("sound-103.wav"), QStringLiteral("sound-104.wav")};
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QByteArray bytes = ReadFile(QDir(first.path()).filePath(file));
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_EQ(bytes, ReadFile(QDir(second.path()).filePath(file)));
    }
    EXPECT_EQ(ReadFile(QDir(first.path()).filePath(QStringLiteral("music.wav"))), llk::assets::MusicWave())
        << "the program embeds what the generator writes";
}

TEST(SoundGenerator, RefusesAFolderItCannotWriteInto)
{
    QTemporaryDir folder;
    QProcess process;
    process.start(QStringLiteral(LLK_SOUNDGEN_PATH), {QDir(folder.path()).filePath(QStringLiteral("missing/deeper"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_NE(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardError().contains("cannot write")) << "a clear message";
}
#endif

} // namespace
