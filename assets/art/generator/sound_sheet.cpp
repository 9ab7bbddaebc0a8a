// The review sheet of the sounds: for each, a waveform (the range of the samples in every column)
// above a spectrogram (short-time spectra in decibels, frequency rising upwards), and for the
// music a close look at the point where the loop turns round.
#include "sound_sheet.h"

#include <QFile>
#include <QFont>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace llk::art {
namespace {

constexpr int SheetWidth = 1300;
constexpr int Margin = 20;
constexpr int PlotWidth = SheetWidth - 2 * Margin;
constexpr int WaveHeight = 90;
constexpr int SpectrumHeight = 170;
constexpr double FloorDecibels = -90.0;

struct Sound {
    QString name;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<double> mono; // channels averaged, as fractions of full scale
};

bool ReadSound(const QString& path, Sound& sound, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    const QByteArray data = file.readAll();
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(data.constData() + at); };
    if (data.size() < 44 || !data.startsWith("RIFF") || data.mid(8, 8) != "WAVEfmt " || u16(20) != 1 ||
        data.mid(36, 4) != "data") {
        error = QStringLiteral("%1 is not a PCM WAVE file").arg(path);
        return false;
    }
    sound.channels = u16(22);
    sound.rate = static_cast<int>(qFromLittleEndian<quint32>(data.constData() + 24));
    sound.bits = u16(34);
    const int sampleBytes = sound.bits / 8;
    const int frameBytes = sampleBytes * sound.channels;
    if (frameBytes <= 0 || (sound.bits != 8 && sound.bits != 16)) {
        error = QStringLiteral("%1 has an unexpected sample format").arg(path);
        return false;
    }
    for (qsizetype at = 44; at + frameBytes <= data.size(); at += frameBytes) {
        double sum = 0.0;
        for (int c = 0; c < sound.channels; ++c) {
            const char* p = data.constData() + at + c * sampleBytes;
            sum += sound.bits == 8 ? (static_cast<quint8>(*p) - 128) / 128.0 : qFromLittleEndian<qint16>(p) / 32768.0;
        }
        sound.mono.push_back(sum / sound.channels);
    }
    return true;
}

void Transform(std::vector<std::complex<double>>& values)
{
    const std::size_t n = values.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(values[i], values[j]);
    }
    for (std::size_t length = 2; length <= n; length <<= 1) {
        const double angle = -2.0 * std::numbers::pi / static_cast<double>(length);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t start = 0; start < n; start += length) {
            std::complex<double> turn(1.0);
            for (std::size_t k = 0; k < length / 2; ++k) {
                const auto even = values[start + k];
                const auto odd = values[start + k + length / 2] * turn;
                values[start + k] = even + odd;
                values[start + k + length / 2] = even - odd;
                turn *= step;
            }
        }
    }
}

// Dark blue through red and yellow to white as the level rises from the floor to full scale.
QColor Heat(double level)
{
    level = std::clamp(level, 0.0, 1.0);
    const QColor stops[] = {QColor(8, 8, 24), QColor(40, 20, 110), QColor(190, 30, 60), QColor(250, 170, 20),
                            QColor(255, 255, 230)};
    const double at = level * 4.0;
    const int i = std::min(3, static_cast<int>(at));
    const double f = at - i;
    const QColor& a = stops[i];
    const QColor& b = stops[i + 1];
    return QColor::fromRgbF(a.redF() + f * (b.redF() - a.redF()), a.greenF() + f * (b.greenF() - a.greenF()),
                            a.blueF() + f * (b.blueF() - a.blueF()));
}

void DrawWave(QPainter& painter, const std::vector<double>& samples, QRect area)
{
    painter.fillRect(area, QColor(16, 22, 30));
    painter.setPen(QColor(60, 70, 80));
    painter.drawLine(area.left(), area.center().y(), area.right(), area.center().y());
    painter.setPen(QColor(110, 220, 170));
    const double half = area.height() / 2.0;
    const auto count = static_cast<double>(samples.size());
    for (int x = 0; x < area.width(); ++x) {
        const auto from = static_cast<std::size_t>(count * x / area.width());
        const auto to = std::max(from + 1, static_cast<std::size_t>(count * (x + 1) / area.width()));
        double low = 0.0;
        double high = 0.0;
        for (std::size_t i = from; i < to && i < samples.size(); ++i) {
            low = std::min(low, samples[i]);
            high = std::max(high, samples[i]);
        }
        painter.drawLine(QPointF(area.left() + x, area.center().y() - high * half),
                         QPointF(area.left() + x, area.center().y() - low * half));
    }
}

void DrawSpectrogram(QPainter& painter, const std::vector<double>& samples, QRect area)
{
    std::size_t size = 64;
    while (size < 1024 && size * 8 <= samples.size())
        size *= 2;
    QImage picture(area.width(), static_cast<int>(size / 2), QImage::Format_RGB32);
    std::vector<std::complex<double>> values(size);
    double windowSum = 0.0;
    std::vector<double> window(size);
    for (std::size_t i = 0; i < size; ++i) {
        window[i] = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(size));
        windowSum += window[i];
    }
    const auto count = static_cast<double>(samples.size());
    for (int x = 0; x < area.width(); ++x) {
        const auto centre = static_cast<long>(count * (x + 0.5) / area.width());
        for (std::size_t i = 0; i < size; ++i) {
            const long at = centre - static_cast<long>(size / 2) + static_cast<long>(i);
            const double value =
                at >= 0 && at < static_cast<long>(samples.size()) ? samples[static_cast<std::size_t>(at)] : 0.0;
            values[i] = value * window[i];
        }
        Transform(values);
        for (std::size_t bin = 0; bin < size / 2; ++bin) {
            const double magnitude = 2.0 * std::abs(values[bin]) / windowSum;
            const double decibels = 20.0 * std::log10(std::max(magnitude, 1e-9));
            picture.setPixel(x, static_cast<int>(size / 2 - 1 - bin), Heat(1.0 - decibels / FloorDecibels).rgb());
        }
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, picture);
}

void Label(QPainter& painter, QPoint at, const QString& text, int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(QColor(0xF0, 0xE6, 0xC8));
    painter.drawText(at, text);
}

} // namespace

QImage PaintSoundSheet(const QString& soundFolder, QString& error)
{
    const QString names[] = {QStringLiteral("sound-101.wav 点击 click"), QStringLiteral("sound-102.wav 消除 removal"),
                             QStringLiteral("sound-103.wav 过关 level cleared"),
                             QStringLiteral("sound-104.wav 提示 hint"), QStringLiteral("music.wav 音乐 music")};
    std::vector<Sound> sounds(5);
    for (int i = 0; i < 5; ++i) {
        const QString file = i < 4 ? QStringLiteral("sound-%1.wav").arg(101 + i) : QStringLiteral("music.wav");
        if (!ReadSound(soundFolder + QLatin1Char('/') + file, sounds[static_cast<std::size_t>(i)], error))
            return {};
        sounds[static_cast<std::size_t>(i)].name = names[i];
    }

    constexpr int Block = 30 + WaveHeight + 6 + SpectrumHeight + 26;
    constexpr int SeamBlock = 30 + WaveHeight + 26;
    QImage sheet(SheetWidth, Margin + 5 * Block + SeamBlock + Margin, QImage::Format_RGB32);
    sheet.fill(QColor(0x20, 0x24, 0x2A));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing, false);
    int y = Margin;
    for (const Sound& sound : sounds) {
        const double seconds = static_cast<double>(sound.mono.size()) / sound.rate;
        Label(painter, {Margin, y + 20},
              QStringLiteral("%1 — %2 s, %3, %4 Hz, %5-bit; spectrum 0 to %6 Hz, %7 dB to 0 dB")
                  .arg(sound.name)
                  .arg(seconds, 0, 'f', 2)
                  .arg(sound.channels == 1 ? QStringLiteral("mono") : QStringLiteral("stereo"))
                  .arg(sound.rate)
                  .arg(sound.bits)
                  .arg(sound.rate / 2)
                  .arg(FloorDecibels, 0, 'f', 0),
              15, true);
        y += 30;
        DrawWave(painter, sound.mono, QRect(Margin, y, PlotWidth, WaveHeight));
        y += WaveHeight + 6;
        DrawSpectrogram(painter, sound.mono, QRect(Margin, y, PlotWidth, SpectrumHeight));
        y += SpectrumHeight + 26;
    }

    // The loop's turn: the music's last and first half second side by side, the turn marked.
    const std::vector<double>& music = sounds.back().mono;
    const auto half = std::min(music.size() / 2, static_cast<std::size_t>(sounds.back().rate / 2));
    std::vector<double> seam(music.end() - static_cast<long>(half), music.end());
    seam.insert(seam.end(), music.begin(), music.begin() + static_cast<long>(half));
    Label(painter, {Margin, y + 20},
          QStringLiteral("music.wav: its last and first half second, joined where the loop turns round"), 15, true);
    y += 30;
    const QRect area(Margin, y, PlotWidth, WaveHeight);
    DrawWave(painter, seam, area);
    painter.setPen(QColor(240, 90, 90));
    painter.drawLine(area.center().x(), area.top(), area.center().x(), area.bottom());
    return sheet;
}

} // namespace llk::art
