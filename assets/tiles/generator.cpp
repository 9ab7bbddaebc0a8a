// Build-time generator: draws every Theme's tile pictures and writes one PNG atlas per Theme and scale.
#include "assets/tiles/theme_art.h"
#include "assets/tiles/tile_atlas.h"
#include "assets/tiles/tile_body.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "tile generator: cannot create %s\n", argv[1]);
        return 1;
    }

    using namespace llk;
    using namespace llk::assets;
    QElapsedTimer clock;
    clock.start();
    qint64 bytes = 0;
    for (int theme = 0; theme < ThemeCount; ++theme) {
        for (int scale : {1, 2}) {
            QImage atlas(AtlasSize(theme, scale), QImage::Format_ARGB32_Premultiplied);
            atlas.fill(Qt::transparent);
            QPainter painter(&atlas);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            for (int kind = 1; kind <= PictureCount(theme); ++kind)
                painter.drawImage(AtlasCell(theme, kind, scale).topLeft(), DrawTile(theme, kind, scale));
            painter.end();
            const QString path = out.filePath(AtlasFileName(theme, scale));
            if (!atlas.save(path, "PNG")) {
                std::fprintf(stderr, "tile generator: cannot write %s\n", qPrintable(path));
                return 1;
            }
            bytes += QFileInfo(path).size();
        }
    }
    if (MissingGlyphCount() > 0) {
        std::fprintf(stderr, "tile generator: %d characters are missing from their fonts\n", MissingGlyphCount());
        return 1;
    }
    std::printf("tile generator: %d Themes drawn in %lld ms, %.1f MB of atlases\n", ThemeCount,
                static_cast<long long>(clock.elapsed()), bytes / 1048576.0);
    return 0;
}
