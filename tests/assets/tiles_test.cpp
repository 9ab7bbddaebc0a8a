// The embedded tile pictures: every Theme complete, at both scales, keyed by its bitmap numbers.
#include "assets/tiles/tile_atlas.h"
#include "assets/tiles/tile_images.h"

#include <QCryptographicHash>
#include <QSet>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace {

using namespace llk;
using namespace llk::assets;

QByteArray PixelDigest(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < pixels.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4));
    return hash.result();
}

// The share of the middle half of the picture, where the subject sits, that stands out from the
// face beside it in the same row: the face's gradient runs top to bottom, so a tile without a
// subject scores about nothing.
double SubjectCoverage(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    int marked = 0;
    int total = 0;
    for (int y = pixels.height() / 4; y < pixels.height() * 3 / 4; ++y) {
        // Just inside the face's rim: a subject fills three quarters of the face and never reaches it.
        const QRgb face = pixels.pixel(qMax(3, pixels.width() / 14), y);
        for (int x = pixels.width() / 4; x < pixels.width() * 3 / 4; ++x, ++total) {
            const QRgb p = pixels.pixel(x, y);
            if (qAbs(qRed(p) - qRed(face)) + qAbs(qGreen(p) - qGreen(face)) + qAbs(qBlue(p) - qBlue(face)) > 60)
                ++marked;
        }
    }
    return double(marked) / total;
}

// Each check walks all thirty Themes in one process: decoding a Theme takes milliseconds, starting a
// test process far longer.
TEST(TileImages, EveryKindHasAPictureOfTheThemeSizeAtBothScales)
{
    for (int theme = 0; theme < ThemeCount; ++theme) {
        const QSize size = TileSize(theme);
        for (int kind = 1; kind <= PictureCount(theme); ++kind) {
            const int bitmapId = FirstBitmapId(theme) + kind - 1;
            for (int scale : {1, 2}) {
                const QImage picture = TileImage(theme, bitmapId, scale);
                ASSERT_FALSE(picture.isNull()) << "theme " << theme << " bitmap " << bitmapId << " scale " << scale;
                EXPECT_EQ(picture.size(), size * scale) << "theme " << theme << " bitmap " << bitmapId;
                EXPECT_EQ(picture.devicePixelRatio(), scale);
            }
        }
    }
}

TEST(TileImages, NoPictureIsBlankAndNoTwoOfAThemeAreEqual)
{
    for (int theme = 0; theme < ThemeCount; ++theme) {
        for (int scale : {1, 2}) {
            QSet<QByteArray> seen;
            for (int kind = 1; kind <= PictureCount(theme); ++kind) {
                const QImage picture = TileImage(theme, FirstBitmapId(theme) + kind - 1, scale);
                EXPECT_GT(SubjectCoverage(picture), 0.1) << "theme " << theme << " kind " << kind << " looks blank";
                const QByteArray digest = PixelDigest(picture);
                EXPECT_FALSE(seen.contains(digest))
                    << "theme " << theme << " kind " << kind << " at scale " << scale << " repeats an earlier picture";
                seen.insert(digest);
            }
        }
    }
}

TEST(TileImages, NumbersOutsideEachThemeHaveNoPicture)
{
    for (int theme = 0; theme < ThemeCount; ++theme) {
        EXPECT_TRUE(TileImage(theme, FirstBitmapId(theme) - 1).isNull()) << "theme " << theme;
        EXPECT_TRUE(TileImage(theme, FirstBitmapId(theme) + PictureCount(theme)).isNull()) << "theme " << theme;
        EXPECT_TRUE(TileImage(theme, FirstBitmapId(theme), 3).isNull()) << "theme " << theme;
        EXPECT_TRUE(TileImage(theme, FirstBitmapId(theme), 0).isNull()) << "theme " << theme;
    }
}

TEST(TileImages, TilesHaveRoundedCornersAndAnOpaqueFace)
{
    for (int theme = 0; theme < ThemeCount; ++theme) {
        const QImage picture = TileImage(theme, FirstBitmapId(theme), 1).convertToFormat(QImage::Format_ARGB32);
        EXPECT_LT(qAlpha(picture.pixel(0, 0)), 128) << "theme " << theme;
        EXPECT_LT(qAlpha(picture.pixel(picture.width() - 1, picture.height() - 1)), 128) << "theme " << theme;
        EXPECT_EQ(qAlpha(picture.pixel(picture.width() / 2, 2)), 255) << "theme " << theme;
    }
}

TEST(TileImagesOutsideThemes, UnknownThemesHaveNoPictureAndNoSize)
{
    EXPECT_TRUE(TileImage(-1, 101).isNull());
    EXPECT_TRUE(TileImage(ThemeCount, 1208).isNull());
    EXPECT_FALSE(TileSize(-1).isValid());
    EXPECT_FALSE(TileSize(ThemeCount).isValid());
}

TEST(TileImagesOutsideThemes, BitmapNumbersRunOnWithoutGapsFrom101To1208)
{
    // Theme 4 is followed by one unused bitmap, 345, and Theme 28 by the 128 x 128 picture 1184.
    int next = 101;
    for (int theme = 0; theme < ThemeCount; ++theme) {
        EXPECT_EQ(FirstBitmapId(theme), next) << "theme " << theme;
        next = FirstBitmapId(theme) + PictureCount(theme) + (theme == 4 || theme == 28 ? 1 : 0);
    }
    EXPECT_EQ(next, 1209);
    EXPECT_TRUE(TileImage(4, 345).isNull());
    EXPECT_TRUE(TileImage(28, 1184).isNull());
}

TEST(TileImagesOutsideThemes, SwitchingThemesBackAndForthGivesTheSamePictures)
{
    const QByteArray first = PixelDigest(TileImage(7, 457, 2));
    ASSERT_FALSE(TileImage(9, 594).isNull());
    EXPECT_EQ(PixelDigest(TileImage(7, 457, 2)), first);
}

// A screen scaled by 125 % keeps the 1x pictures (scaled up by Qt); from 150 % the 2x ones are drawn.
TEST(TileScale, TakesTheDoublePicturesFromOneAndAHalf)
{
    EXPECT_EQ(assets::ScaleForRatio(1.0), 1);
    EXPECT_EQ(assets::ScaleForRatio(1.25), 1);
    EXPECT_EQ(assets::ScaleForRatio(1.5), 2);
    EXPECT_EQ(assets::ScaleForRatio(2.0), 2);
}

} // namespace
