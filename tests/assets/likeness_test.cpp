// The likeness measure, and every Theme held to it: no two pictures of a Theme a player could mistake.
#include "assets/tiles/likeness.h"
#include "assets/tiles/tile_images.h"
#include "board/theme.h"

#include <QPainter>
#include <QString>

#include <gtest/gtest.h>

namespace {

using namespace llk;
using namespace llk::assets;

// A 40 x 40 tile: a pale face with `draw` painting the subject.
template <typename Draw> QImage Tile(Draw draw)
{
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(250, 246, 236));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    draw(painter);
    return image;
}

QImage Disc(QColor colour, QRectF box = {8, 8, 24, 24})
{
    return Tile([&](QPainter& painter) {
        painter.setBrush(colour);
        painter.drawEllipse(box);
    });
}

double Distance(const QImage& a, const QImage& b)
{
    return LikenessDistance(MakeLikenessPrint(a), MakeLikenessPrint(b));
}

TEST(Likeness, EqualPicturesAreAtNoDistance)
{
    const QImage disc = Disc(QColor(200, 40, 40));
    EXPECT_EQ(Distance(disc, disc), 0.0);
}

TEST(Likeness, ASubjectDifferingOnlyInASmallDetailIsATwin)
{
    // One red seal with a gold mark a few pixels wider than the other's.
    auto seal = [](qreal markWidth) {
        return Tile([&](QPainter& painter) {
            painter.setBrush(QColor(200, 40, 40));
            painter.drawEllipse(QRectF(8, 8, 24, 24));
            painter.setBrush(QColor(240, 200, 80));
            painter.drawRect(QRectF(20 - markWidth / 2, 14, markWidth, 12));
        });
    };
    EXPECT_LT(Distance(seal(6), seal(9)), DistinctThreshold);
}

TEST(Likeness, TheSameShapeInAColourNearbyIsATwin)
{
    EXPECT_LT(Distance(Disc(QColor(150, 100, 50)), Disc(QColor(140, 92, 60))), DistinctThreshold);
}

TEST(Likeness, TheSameShapeInAnotherColourIsDistinct)
{
    EXPECT_GT(Distance(Disc(QColor(200, 40, 40)), Disc(QColor(40, 90, 210))), DistinctThreshold);
}

TEST(Likeness, ADiscAndABarOfOneColourAreDistinct)
{
    const QImage bar = Tile([](QPainter& painter) {
        painter.setBrush(QColor(200, 40, 40));
        painter.drawRect(QRectF(17, 4, 6, 32));
    });
    EXPECT_GT(Distance(Disc(QColor(200, 40, 40)), bar), DistinctThreshold);
}

TEST(Likeness, TheRimOfTheTileDoesNotCount)
{
    // The same subject with a different side colour at the bottom and right.
    const QImage plain = Disc(QColor(30, 140, 70));
    QImage edged = plain;
    QPainter painter(&edged);
    painter.fillRect(QRect(36, 0, 4, 40), QColor(20, 20, 120));
    painter.fillRect(QRect(0, 36, 40, 4), QColor(20, 20, 120));
    painter.end();
    EXPECT_LT(Distance(plain, edged), 1.0);
}

TEST(Likeness, TransparentCornersCountAsWhite)
{
    QImage clear(40, 40, QImage::Format_ARGB32_Premultiplied);
    clear.fill(Qt::transparent);
    QImage white(40, 40, QImage::Format_ARGB32_Premultiplied);
    white.fill(Qt::white);
    EXPECT_EQ(Distance(clear, white), 0.0);
}

TEST(Likeness, TheClosestPairIsFoundAndNumberedFromOne)
{
    const std::vector<QImage> pictures{Disc(QColor(40, 90, 210)), Disc(QColor(200, 40, 40)), Disc(QColor(230, 200, 40)),
                                       Disc(QColor(205, 45, 42))};
    const ClosestPair closest = FindClosestPair(pictures);
    EXPECT_EQ(closest.first, 2);
    EXPECT_EQ(closest.second, 4);
    EXPECT_LT(closest.distance, Distance(pictures[0], pictures[1]));
}

TEST(Likeness, FewerThanTwoPicturesHaveNoPair)
{
    EXPECT_EQ(FindClosestPair({}).first, 0);
    EXPECT_EQ(FindClosestPair({Disc(Qt::red)}).second, 0);
}

class ThemeLikeness : public testing::TestWithParam<int> {};

TEST_P(ThemeLikeness, NoTwoPicturesAtRealSizeLookAlike)
{
    const int theme = GetParam();
    std::vector<QImage> pictures;
    for (int kind = 1; kind <= PictureCount(theme); ++kind)
        pictures.push_back(TileImage(theme, FirstBitmapId(theme) + kind - 1, 1));
    const ClosestPair closest = FindClosestPair(pictures);
    EXPECT_GE(closest.distance, DistinctThreshold)
        << "theme " << theme << ": kinds " << closest.first << " and " << closest.second << " look alike at distance "
        << QString::number(closest.distance, 'f', 1).toStdString() << " (threshold "
        << QString::number(DistinctThreshold, 'f', 1).toStdString() << ")";
}

INSTANTIATE_TEST_SUITE_P(EveryTheme, ThemeLikeness, testing::Range(0, ThemeCount),
                         [](const testing::TestParamInfo<int>& info) {
                             return QStringLiteral("Theme%1").arg(info.param, 2, 10, QLatin1Char('0')).toStdString();
                         });

} // namespace
