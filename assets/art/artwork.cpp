// The window's built-in artwork, sounds and help text, read from the resources the build embeds.
#include "assets/artwork.h"

#include <QFile>

extern "C" const uchar llk_background_pixels[];
extern "C" const uchar llk_background_pixels_end[];
extern "C" const char llk_music_wave[];
extern "C" const char llk_music_wave_end[];

namespace llk::assets {
namespace {

constexpr int IconSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr int FirstSound = 101;
constexpr int LastSound = 104;

QString ResourcePath(const QString& name) { return QStringLiteral(":/llk/art/") + name; }

QString Scaled(const QString& stem, int scale, const QString& suffix)
{
    return ResourcePath(scale == 2 ? stem + QStringLiteral("@2x") + suffix : stem + suffix);
}

QImage Load(const QString& path, int scale)
{
    QImage image(path);
    image.setDevicePixelRatio(scale);
    return image;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The scale-1 background, decoded at build time (background_pixels.cpp).
constexpr int BackgroundWidth = 1024;
constexpr int BackgroundHeight = 768;

QImage Background(int scale)
{
    const auto size = static_cast<std::size_t>(llk_background_pixels_end - llk_background_pixels);
    if (scale == 1 && size == std::size_t{BackgroundWidth} * BackgroundHeight * 4) {
        // Read-only pixels in the program's image: nothing is decoded or copied, and a caller
        // that paints on the picture gets a copy of its own.
        return QImage(llk_background_pixels, BackgroundWidth, BackgroundHeight, BackgroundWidth * 4, QImage::Format_RGB32);
    }
    return Load(Scaled(QStringLiteral("background"), scale, QStringLiteral(".jpg")), scale);
}

} // namespace

QImage Artwork(Art art, int scale)
{
    if (scale != 1 && scale != 2)
        return {};
    switch (art) {
    case Art::Background: return Background(scale);
    case Art::Pause: return Load(Scaled(QStringLiteral("pause"), scale, QStringLiteral(".png")), scale);
    case Art::Template: return Load(Scaled(QStringLiteral("template"), scale, QStringLiteral(".png")), scale);
    case Art::Cursor: return Load(Scaled(QStringLiteral("cursor"), scale, QStringLiteral(".png")), scale);
    case Art::Icon: return Load(ResourcePath(QStringLiteral("icon-256.png")), 1);
    }
    return {};
}

QList<QImage> IconImages()
{
    QList<QImage> images;
    for (int size : IconSizes)
        images << Load(ResourcePath(QStringLiteral("icon-%1.png").arg(size)), 1);
    return images;
}

QImage LinkPiece(int member, int scale)
{
    if (member < 1 || member > 6 || (scale != 1 && scale != 2))
        return {};
    return Load(Scaled(QStringLiteral("linkpiece-%1").arg(member), scale, QStringLiteral(".png")), scale);
}

QByteArray SoundWave(int id)
{
    if (id < FirstSound || id > LastSound)
        return {};
    return ReadAll(ResourcePath(QStringLiteral("sound-%1.wav").arg(id)));
}

QUrl SoundUrl(int id)
{
    if (id < FirstSound || id > LastSound)
        return {};
    return QUrl(QStringLiteral("qrc:/llk/art/sound-%1.wav").arg(id));
}

QByteArray MusicWave() { return QByteArray::fromRawData(llk_music_wave, llk_music_wave_end - llk_music_wave); }

QByteArray BuiltInHelpText() { return ReadAll(ResourcePath(QStringLiteral("help.txt"))); }

} // namespace llk::assets
