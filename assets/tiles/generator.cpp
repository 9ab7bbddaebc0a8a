// Build-time generator: renders every picture that sources.tsv lists (vendored SVGs through librsvg,
// drawn ones by our code) onto its Theme's tile body and writes one PNG atlas per Theme and scale.
#include "assets/tiles/drawn.h"
#include "assets/tiles/picture_sources.h"
#include "assets/tiles/svg_picture.h"
#include "assets/tiles/theme_art.h"
#include "assets/tiles/tile_atlas.h"
#include "assets/tiles/tile_body.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

using namespace llk;
using namespace llk::assets;

int Fail(const QString& message)
{
    std::fprintf(stderr, "tile generator: %s\n", qPrintable(message));
    return 1;
}

QImage Tile(const PictureSource& source, const std::optional<SvgPicture>& svg, int scale)
{
    QImage tile = DrawTileBody(source.theme, scale);
    QPainter painter(&tile);
    if (svg) {
        painter.drawImage(0, 0, svg->render(tile.size(), PictureBox(source.theme, scale)));
    } else {
        painter.setClipRect(PictureArea(source.theme, scale));
        DrawPicture(painter, FaceRect(source.theme, scale), source.theme, source.picture, scale);
    }
    return tile;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCES.tsv VENDOR-FOLDER OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QString sourcesPath = QString::fromLocal8Bit(argv[1]);
    const QString vendor = QString::fromLocal8Bit(argv[2]);
    const QDir out(QString::fromLocal8Bit(argv[3]));
    QElapsedTimer clock;
    clock.start();

    const PictureSources sources = ReadPictureSources(sourcesPath);
    if (!sources.error.isEmpty())
        return Fail(sources.error);
    // Every picture is read and checked before anything is drawn, so a broken one stops the build
    // at once with its file and line.
    std::vector<std::optional<SvgPicture>> pictures;
    pictures.reserve(sources.rows.size());
    for (const PictureSource& row : sources.rows) {
        const QString where = QStringLiteral("%1:%2").arg(sourcesPath).arg(row.line);
        if (row.set == DrawnSet) {
            if (!IsDrawnPicture(row.theme, row.picture))
                return Fail(
                    QStringLiteral("%1: Theme %2 draws no picture called '%3'").arg(where).arg(row.theme).arg(row.picture));
            pictures.emplace_back();
            continue;
        }
        const QString path = VendoredSvgPath(vendor, row);
        SvgPicture svg(path, SilhouetteInk(row.kind));
        if (svg.isNull())
            return Fail(QStringLiteral("%1 (listed at %2) %3").arg(path, where, svg.error()));
        pictures.emplace_back(std::move(svg));
    }
    if (!QDir().mkpath(out.path()))
        return Fail(QStringLiteral("cannot create %1").arg(out.path()));

    qint64 bytes = 0;
    size_t row = 0;
    for (int theme = 0; theme < ThemeCount; ++theme) {
        const size_t first = row;
        for (int scale : {1, 2}) {
            QImage atlas(AtlasSize(theme, scale), QImage::Format_ARGB32_Premultiplied);
            atlas.fill(Qt::transparent);
            QPainter painter(&atlas);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            for (row = first; row < sources.rows.size() && sources.rows[row].theme == theme; ++row)
                painter.drawImage(AtlasCell(theme, sources.rows[row].kind, scale).topLeft(),
                                  Tile(sources.rows[row], pictures[row], scale));
            painter.end();
            const QString path = out.filePath(AtlasFileName(theme, scale));
            if (!atlas.save(path, "PNG"))
                return Fail(QStringLiteral("cannot write %1").arg(path));
            bytes += QFileInfo(path).size();
        }
    }
    if (MissingGlyphCount() > 0)
        return Fail(QStringLiteral("%1 characters are missing from their fonts").arg(MissingGlyphCount()));
    std::printf("tile generator: %zu pictures of %d Themes in %lld ms, %.1f MB of atlases\n", sources.rows.size(),
                ThemeCount, static_cast<long long>(clock.elapsed()), bytes / 1048576.0);
    return 0;
}
