// The drawn subjects of the portrait, ball-game, board-game and creature Themes: big on the face,
// busts that run off its bottom edge instead of ending on a line inside it, and chess pieces of
// one set.
#include "assets/tiles/theme_art.h"
#include "assets/tiles/tile_body.h"
#include "assets/tiles/tile_images.h"
#include "board/theme.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <vector>

namespace {

using namespace llk;
using namespace llk::assets;

// True where `pixel` stands clearly out from the plain face colour `face`.
bool StandsOut(QRgb pixel, QColor face)
{
    return qAbs(qRed(pixel) - face.red()) + qAbs(qGreen(pixel) - face.green()) + qAbs(qBlue(pixel) - face.blue()) > 60;
}

// The plain face of `theme` in row `y`: its gradient runs from the top colour to the bottom one.
QColor FaceColourAt(int theme, const QRect& face, int y)
{
    const TileFace colours = ThemeArtFor(theme).face;
    const double t = double(y - face.top()) / std::max(1, face.height() - 1);
    return QColor::fromRgbF(float(colours.faceTop.redF() * (1 - t) + colours.faceBottom.redF() * t),
                            float(colours.faceTop.greenF() * (1 - t) + colours.faceBottom.greenF() * t),
                            float(colours.faceTop.blueF() * (1 - t) + colours.faceBottom.blueF() * t));
}

// The face of a tile at 1x less its one-pixel outline and a pixel more.
QRect InnerFace(int theme)
{
    return FaceRect(theme, 1).toRect().adjusted(2, 2, -2, -2);
}

QImage Picture(int theme, int kind)
{
    return TileImage(theme, FirstBitmapId(theme) + kind - 1, 1).convertToFormat(QImage::Format_ARGB32);
}

// How far the subject reaches across the inner face, as shares of its width and height: the box
// round every pixel that stands out from the plain face.
QSizeF Extent(const QImage& image, int theme)
{
    const QRect face = InnerFace(theme);
    QRect box;
    for (int y = face.top(); y <= face.bottom(); ++y) {
        const QColor plain = FaceColourAt(theme, face, y);
        for (int x = face.left(); x <= face.right(); ++x)
            if (StandsOut(image.pixel(x, y), plain))
                box |= QRect(x, y, 1, 1);
    }
    return {double(box.width()) / face.width(), double(box.height()) / face.height()};
}

// A subject fills about three quarters of the face: along its longer side at least 70 %, along
// the other at least 40 % (a chess bishop or a hockey stick is slim).
bool FillsTheFace(QSizeF extent)
{
    return std::max(extent.width(), extent.height()) >= 0.7 && std::min(extent.width(), extent.height()) >= 0.4;
}

class PortraitTheme : public testing::TestWithParam<int> {};

TEST_P(PortraitTheme, BustsRunOffTheBottomOfTheFace)
{
    const int theme = GetParam();
    const QRect face = InnerFace(theme);
    for (int kind = 1; kind <= PictureCount(theme); ++kind) {
        const QImage image = Picture(theme, kind);
        const QColor plain = FaceColourAt(theme, face, face.bottom());
        // The middle of the face's lowest row is all shoulders and chest.
        const int from = face.left() + face.width() * 3 / 10;
        const int to = face.right() - face.width() * 3 / 10;
        int covered = 0;
        for (int x = from; x <= to; ++x)
            covered += StandsOut(image.pixel(x, face.bottom()), plain);
        // Light collars and lapels may cross it; cloth of the face's own colour may not.
        EXPECT_GE(covered, (to - from + 1) * 8 / 10) << "theme " << theme << " kind " << kind << ": " << covered
                                                     << " of " << to - from + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Busts, PortraitTheme, testing::Values(15, 18, 23),
                         [](const testing::TestParamInfo<int>& info) { return "Theme" + std::to_string(info.param); });

class DrawnTheme : public testing::TestWithParam<int> {};

TEST_P(DrawnTheme, EverySubjectFillsAboutThreeQuartersOfTheFace)
{
    const int theme = GetParam();
    for (int kind = 1; kind <= PictureCount(theme); ++kind) {
        const QSizeF extent = Extent(Picture(theme, kind), theme);
        EXPECT_TRUE(FillsTheFace(extent)) << "theme " << theme << " kind " << kind << ": " << extent.width() << " x "
                                          << extent.height();
    }
}

INSTANTIATE_TEST_SUITE_P(Subjects, DrawnTheme, testing::Values(15, 18, 19, 23, 24, 25),
                         [](const testing::TestParamInfo<int>& info) { return "Theme" + std::to_string(info.param); });

// How many pixels of the plain face a picture's subject walls in: the face pixels that no path
// over face pixels joins to the face's edge.
int EnclosedFacePixels(const QImage& image, int theme)
{
    const QRect face = InnerFace(theme);
    std::vector<char> open(size_t(face.width()) * face.height(), 0);
    auto at = [&](int x, int y) -> char& { return open[size_t(y - face.top()) * face.width() + (x - face.left())]; };
    for (int y = face.top(); y <= face.bottom(); ++y) {
        const QColor plain = FaceColourAt(theme, face, y);
        for (int x = face.left(); x <= face.right(); ++x)
            at(x, y) = StandsOut(image.pixel(x, y), plain) ? 0 : 1;
    }
    std::vector<QPoint> todo;
    for (int y = face.top(); y <= face.bottom(); ++y)
        for (int x = face.left(); x <= face.right(); ++x)
            if ((x == face.left() || x == face.right() || y == face.top() || y == face.bottom()) && at(x, y) == 1) {
                at(x, y) = 2;
                todo.push_back({x, y});
            }
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + step;
            if (face.contains(q) && at(q.x(), q.y()) == 1) {
                at(q.x(), q.y()) = 2;
                todo.push_back(q);
            }
        }
    }
    return int(std::count(open.begin(), open.end(), 1));
}

// The board-game Theme's six chess pieces are one solid ebony set: a king or queen drawn hollow,
// its crown open to the pale face, would stand out from the solid rook, bishop, knight and pawn.
TEST(BoardGameTheme, TheChessPiecesAreOneSolidSet)
{
    for (int kind = 1; kind <= 6; ++kind)
        EXPECT_LE(EnclosedFacePixels(Picture(24, kind), 24), 12) << "kind " << kind;
}

TEST(BoardGameTheme, AHollowPieceIsFound)
{
    QImage ring = Picture(24, 3);
    const QRect face = InnerFace(24);
    const QPoint centre = face.center();
    for (int y = centre.y() - 8; y <= centre.y() + 8; ++y)
        for (int x = centre.x() - 8; x <= centre.x() + 8; ++x)
            ring.setPixel(x, y, qRgb(20, 20, 20));
    for (int y = centre.y() - 5; y <= centre.y() + 5; ++y)
        for (int x = centre.x() - 5; x <= centre.x() + 5; ++x)
            ring.setPixel(x, y, FaceColourAt(24, face, y).rgb());
    EXPECT_GE(EnclosedFacePixels(ring, 24), 100);
}

TEST(DrawnTheme, ASpeckOrAThinBarDoesNotFillTheFace)
{
    const QRect face = InnerFace(18);
    QImage plain(55, 55, QImage::Format_ARGB32);
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            plain.setPixel(x, y, FaceColourAt(18, face, std::clamp(y, face.top(), face.bottom())).rgb());
    QImage speck = plain;
    for (int y = 20; y < 30; ++y)
        for (int x = 20; x < 30; ++x)
            speck.setPixel(x, y, qRgb(20, 20, 20));
    EXPECT_FALSE(FillsTheFace(Extent(speck, 18)));
    QImage bar = plain;
    for (int x = face.left(); x <= face.right(); ++x)
        bar.setPixel(x, 24, qRgb(20, 20, 20));
    EXPECT_FALSE(FillsTheFace(Extent(bar, 18)));
    QImage disc = plain;
    for (int y = face.top() + 4; y <= face.bottom() - 4; ++y)
        for (int x = face.left() + 4; x <= face.right() - 4; ++x)
            disc.setPixel(x, y, qRgb(200, 40, 40));
    EXPECT_TRUE(FillsTheFace(Extent(disc, 18)));
}

} // namespace
