// Tile pictures from the embedded atlases; only the Theme being played is kept decoded.
#include "assets/tiles/tile_images.h"

#include "assets/tiles/tile_atlas.h"

#include <QMutex>
#include <QMutexLocker>
#include <QResource>

#include <array>
#include <vector>

// The packed atlases, linked in by tile_atlas_data.cpp.
extern "C" const unsigned char llk_tile_atlases[];

namespace llk::assets {

namespace {

// The pictures of one Theme, cut from its atlases; a scale is decoded the first time it is asked for.
struct DecodedTheme {
    int theme = -1;
    std::array<std::vector<QImage>, 2> pictures;
};

std::vector<QImage> DecodeAtlas(int theme, int scale)
{
    const QImage atlas(QStringLiteral(":/tiles/") + AtlasFileName(theme, scale));
    std::vector<QImage> pictures;
    if (atlas.isNull())
        return pictures;
    pictures.reserve(PictureCount(theme));
    for (int kind = 1; kind <= PictureCount(theme); ++kind) {
        pictures.push_back(atlas.copy(AtlasCell(theme, kind, scale)));
        pictures.back().setDevicePixelRatio(scale);
    }
    return pictures;
}

} // namespace

QImage TileImage(int theme, int bitmapId, int scale)
{
    if (!IsTheme(theme) || (scale != 1 && scale != 2))
        return {};
    const int kind = bitmapId - FirstBitmapId(theme) + 1;
    if (kind < 1 || kind > PictureCount(theme))
        return {};

    static QMutex mutex;
    static DecodedTheme decoded;
    QMutexLocker lock(&mutex);
    static const bool registered = QResource::registerResource(llk_tile_atlases);
    if (!registered)
        return {};
    if (decoded.theme != theme)
        decoded = DecodedTheme{theme, {}};
    std::vector<QImage>& pictures = decoded.pictures[scale - 1];
    if (pictures.empty())
        pictures = DecodeAtlas(theme, scale);
    return pictures.empty() ? QImage() : pictures[kind - 1];
}

QSize TileSize(int theme) { return IsTheme(theme) ? ThemeTileSize(theme) : QSize(); }

} // namespace llk::assets
