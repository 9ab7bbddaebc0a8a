// Review sheets: every picture of each Theme, read back through TileImage, at 1x and 2x with its TileKind,
// and distinct.txt, the two most alike pictures of each Theme.
#include "assets/tiles/likeness.h"
#include "assets/tiles/tile_atlas.h"
#include "assets/tiles/tile_images.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

using namespace llk;
using namespace llk::assets;

constexpr int Margin = 16;
constexpr int LabelHeight = 14;
constexpr int Gap = 6;
constexpr int TitleHeight = 28;
constexpr int SheetWidth = 1200;

// Lays the Theme's pictures at `scale` out in rows from `top`; returns the y below the last row.
int DrawRun(QPainter* painter, int theme, int scale, int top)
{
    const QSize tile = TileSize(theme) * scale;
    const int pitchX = qMax(tile.width(), 22) + Gap;
    const int pitchY = tile.height() + LabelHeight + Gap;
    const int columns = qMax(1, (SheetWidth - 2 * Margin + Gap) / pitchX);
    const int count = PictureCount(theme);
    for (int kind = 1; kind <= count; ++kind) {
        const int x = Margin + ((kind - 1) % columns) * pitchX;
        const int y = top + ((kind - 1) / columns) * pitchY;
        if (painter) {
            // Pixel for pixel, so the 2x pictures show how they are really drawn.
            QImage picture = TileImage(theme, FirstBitmapId(theme) + kind - 1, scale);
            picture.setDevicePixelRatio(1);
            painter->drawImage(x, y, picture);
            painter->drawText(QRect(x, y + tile.height(), tile.width(), LabelHeight), Qt::AlignCenter, QString::number(kind));
        }
    }
    return top + ((count + columns - 1) / columns) * pitchY;
}

QImage Sheet(int theme)
{
    const int firstRun = Margin + TitleHeight;
    const int secondRun = DrawRun(nullptr, theme, 1, firstRun) + Margin;
    const int height = DrawRun(nullptr, theme, 2, secondRun) + Margin;
    QImage sheet(SheetWidth, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(27, 48, 74));

    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(QColor(225, 232, 240));
    const QSize tile = TileSize(theme);
    painter.drawText(QRect(Margin, Margin, SheetWidth - 2 * Margin, TitleHeight), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Theme %1 · %2 × %3 · %4 pictures (bitmaps %5–%6) · real size and 2×")
                         .arg(theme)
                         .arg(tile.width())
                         .arg(tile.height())
                         .arg(PictureCount(theme))
                         .arg(FirstBitmapId(theme))
                         .arg(FirstBitmapId(theme) + PictureCount(theme) - 1));
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(QColor(170, 185, 205));
    DrawRun(&painter, theme, 1, firstRun);
    DrawRun(&painter, theme, 2, secondRun);
    return sheet;
}

// One line per Theme with its closest pair at real size, then the threshold they are held to.
QByteArray DistinctReport()
{
    QByteArray report;
    for (int theme = 0; theme < ThemeCount; ++theme) {
        std::vector<QImage> pictures;
        for (int kind = 1; kind <= PictureCount(theme); ++kind)
            pictures.push_back(TileImage(theme, FirstBitmapId(theme) + kind - 1, 1));
        const ClosestPair closest = FindClosestPair(pictures);
        report += QStringLiteral("theme %1 closest %2 %3 distance %4\n")
                      .arg(theme, 2, 10, QLatin1Char('0'))
                      .arg(closest.first)
                      .arg(closest.second)
                      .arg(closest.distance, 0, 'f', 1)
                      .toLatin1();
    }
    report += QStringLiteral("threshold %1\n").arg(DistinctThreshold, 0, 'f', 1).toLatin1();
    return report;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "contact sheets: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int theme = 0; theme < ThemeCount; ++theme) {
        const QString path = out.filePath(QStringLiteral("theme-%1.png").arg(theme, 2, 10, QLatin1Char('0')));
        if (!Sheet(theme).save(path)) {
            std::fprintf(stderr, "contact sheets: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString distinctPath = out.filePath(QStringLiteral("distinct.txt"));
    QFile distinct(distinctPath);
    if (!distinct.open(QIODevice::WriteOnly | QIODevice::Truncate) || distinct.write(DistinctReport()) < 0) {
        std::fprintf(stderr, "contact sheets: cannot write %s\n", qPrintable(distinctPath));
        return 1;
    }
    std::printf("contact sheets: %d Themes written to %s\n", ThemeCount, argv[1]);
    return 0;
}
