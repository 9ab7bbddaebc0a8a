// Every picture of the Background folder keeps the light tile faces and the link path standing out
// over the board area.
#include "assets/artwork.h"
#include "assets/tiles/tile_images.h"
#include "board/theme.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

// The board area of the window: the client area below the black header band, in pixels.
const QRect BoardArea(0, 41, 994, 615);

// Side of the squares the board area is judged in: a little less than the smallest tile, so a patch
// of pale background the size of a tile cannot hide between two squares.
constexpr int Patch = 16;

// The share of the board area that may fall below the least contrast: a few small highlights
// (a star, a snowflake, the sun) are part of a picture.
constexpr double SpareShare = 0.05;

// WCAG's contrast ratio between two relative luminances: 1 for equal ones, 21 for black on white.
// A pale tile with a dark outline and side reads clearly from about 1.6 on.
constexpr double LeastContrast = 1.6;

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(double red, double green, double blue)
{
    return 0.2126 * Linear(qRound(red)) + 0.7152 * Linear(qRound(green)) + 0.0722 * Linear(qRound(blue));
}

double Ratio(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// Mean luminance of the pixels of `image` inside `box` that are at least mostly opaque.
double MeanLuminance(const QImage& picture, const QRect& box)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    double red = 0, green = 0, blue = 0;
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 200)
                continue;
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            ++count;
        }
    }
    return count ? Luminance(red / count, green / count, blue / count) : 0.0;
}

// What must stand out: the ivory face of a tile (a strip just inside its left outline, where no
// subject reaches), and the link path, which shows either by its bright core or by its dark rim.
struct LightElements {
    double face;
    double linkCore;
    double linkRim;
};

// Mean luminance of the lightest and of the darkest quarter of a picture's opaque pixels.
std::pair<double, double> LightestAndDarkest(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    std::vector<double> levels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb pixel = image.pixel(x, y); qAlpha(pixel) >= 250)
                levels.push_back(Luminance(qRed(pixel), qGreen(pixel), qBlue(pixel)));
    if (levels.size() < 4)
        return {0.0, 1.0};
    std::sort(levels.begin(), levels.end());
    const size_t quarter = levels.size() / 4;
    double dark = 0.0, light = 0.0;
    for (size_t i = 0; i < quarter; ++i) {
        dark += levels[i];
        light += levels[levels.size() - 1 - i];
    }
    return {light / quarter, dark / quarter};
}

LightElements MeasureLightElements()
{
    const QImage tile = llk::assets::TileImage(0, 101);
    const auto [core, rim] = LightestAndDarkest(llk::assets::LinkPiece(1));
    return {MeanLuminance(tile, QRect(2, tile.height() / 4, 2, tile.height() / 2)), core, rim};
}

// The contrast that all but SpareShare of the board area's patches reach against the face and the
// link: each patch counts with the weaker of the two.
double BoardContrast(const QImage& picture, const LightElements& light)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<double> ratios;
    for (int top = BoardArea.top(); top + Patch <= BoardArea.bottom() + 1; top += Patch / 2) {
        for (int left = BoardArea.left(); left + Patch <= BoardArea.right() + 1; left += Patch / 2) {
            double red = 0, green = 0, blue = 0;
            for (int y = top; y < top + Patch; ++y) {
                for (int x = left; x < left + Patch; ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    red += qRed(pixel);
                    green += qGreen(pixel);
                    blue += qBlue(pixel);
                }
            }
            const double area = Patch * Patch;
            const double patch = Luminance(red / area, green / area, blue / area);
            const double link = std::max(Ratio(light.linkCore, patch), Ratio(light.linkRim, patch));
            ratios.push_back(std::min(Ratio(light.face, patch), link));
        }
    }
    std::sort(ratios.begin(), ratios.end());
    return ratios[size_t(SpareShare * ratios.size())];
}

TEST(BackgroundContrast, FaceIsLightAndTheLinkHasALightCoreAndADarkRim)
{
    // Ivory well above any background that passes; the path's core and rim far apart, so that one
    // of them stands out from whatever lies behind it.
    const LightElements light = MeasureLightElements();
    EXPECT_GT(light.face, 0.75);
    EXPECT_GT(light.linkCore, 0.4);
    EXPECT_LT(light.linkRim, 0.05);
    EXPECT_GT(Ratio(light.linkCore, light.linkRim), 6.0);
}

TEST(BackgroundContrast, MeasureTellsAPaleBoardFromAMidToneOne)
{
    const LightElements light = MeasureLightElements();
    QImage pale(1024, 768, QImage::Format_RGB32);
    pale.fill(QColor(0xEE, 0xE8, 0xDA));
    EXPECT_LT(BoardContrast(pale, light), LeastContrast);
    QImage mid(1024, 768, QImage::Format_RGB32);
    mid.fill(QColor(0x70, 0x80, 0x78));
    EXPECT_GT(BoardContrast(mid, light), LeastContrast);
}

TEST(BackgroundContrast, APaleBandAcrossPartOfTheBoardFails)
{
    const LightElements light = MeasureLightElements();
    QImage banded(1024, 768, QImage::Format_RGB32);
    banded.fill(QColor(0x70, 0x80, 0x78));
    // A tenth of the board is more than the spare share forgives; a pale header band is not board.
    for (int y = 0; y < 41; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(banded.scanLine(y)), banded.width(), qRgb(0xF0, 0xF0, 0xF0));
    EXPECT_GT(BoardContrast(banded, light), LeastContrast);
    for (int y = 300; y < 362; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(banded.scanLine(y)), banded.width(), qRgb(0xF0, 0xF0, 0xF0));
    EXPECT_LT(BoardContrast(banded, light), LeastContrast);
}

TEST(BackgroundContrast, EveryBackgroundKeepsTilesAndLinksVisibleOverTheBoard)
{
    const LightElements light = MeasureLightElements();
    const QDir folder(QDir(QStringLiteral(LLK_RUNTIME_DIR)).filePath(QStringLiteral("Background")));
    const QStringList names = folder.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const QImage picture(folder.filePath(name));
        ASSERT_FALSE(picture.isNull()) << qPrintable(name);
        const double contrast = BoardContrast(picture, light);
        std::printf("%s: %.2f\n", qPrintable(name), contrast);
        EXPECT_GE(contrast, LeastContrast) << qPrintable(name);
    }
}

// Beside the tiles of every Theme, a link stands out from the faces as clearly as ink on paper.
constexpr double LinkBesideFaceContrast = 3.0;

TEST(BackgroundContrast, LinkStandsOutBesideEveryThemesFaces)
{
    const LightElements light = MeasureLightElements();
    for (int theme = 0; theme < 30; ++theme) {
        const QImage tile = llk::assets::TileImage(theme, llk::FirstBitmapId(theme));
        ASSERT_FALSE(tile.isNull()) << "theme " << theme;
        const double face = MeanLuminance(tile, QRect(2, tile.height() / 4, 2, tile.height() / 2));
        const double link = std::max(Ratio(light.linkCore, face), Ratio(light.linkRim, face));
        EXPECT_GE(link, LinkBesideFaceContrast) << "theme " << theme << " face " << face;
    }
}

TEST(BackgroundContrast, BuiltInBackgroundKeepsTilesAndLinksVisibleOverTheBoard)
{
    const double contrast = BoardContrast(llk::assets::Artwork(llk::assets::Art::Background), MeasureLightElements());
    std::printf("built-in: %.2f\n", contrast);
    EXPECT_GE(contrast, LeastContrast);
}

} // namespace
