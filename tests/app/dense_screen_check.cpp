// On a screen with a device pixel ratio of 2 the window draws the 2x tile pictures, pixel for pixel.
#include <QImage>
#include <QScreen>

#include "assets/tiles/tile_images.h"
#include "tests/app/form_fixture.h"

namespace llk::test {
namespace {

using DenseScreen = FormTest;

TEST_F(DenseScreen, DrawsTheSharpTilePicturesAtTheirPlace)
{
    ASSERT_EQ(form->devicePixelRatio(), 2);
    EXPECT_EQ(Control("ClientArea")->size(), QSize(994, 656)) << "the layout stays in logical pixels";
    Item("mneasy")->trigger();
    const TileSprite& sprite = game().screen.Sprites[static_cast<std::size_t>(CellIndex(game(), 2, 2))];
    ASSERT_TRUE(sprite.visible);
    const QImage shown = Control("ClientArea")->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(1988, 1312));
    const QImage sharp = assets::TileImage(0, sprite.pictureNumber, 2).convertToFormat(shown.format());
    ASSERT_EQ(sharp.size(), QSize(80, 80));
    // The middle of the tile (its corners are rounded and show the background).
    const QRect middle(20, 20, 40, 40);
    const QPoint cellOrigin(2 * 39, 2 * 39);
    EXPECT_EQ(shown.copy(middle.translated(cellOrigin)), sharp.copy(middle));
}

} // namespace
} // namespace llk::test
