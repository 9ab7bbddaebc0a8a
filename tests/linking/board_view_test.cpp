// The board view: the grid's pitch per Theme, the sprites' places and the markers.
#include "linking/board_view.h"

#include <gtest/gtest.h>

#include "board/board.h"

namespace llk {
namespace {

Game WithSprites(int theme, int rows, int cols, int twipsPerPixel = TwipsPerPixel)
{
    Game g;
    g.board.ThemeIndex = theme;
    g.screen.TwipsPerPixelX = twipsPerPixel;
    g.screen.TwipsPerPixelY = twipsPerPixel;
    ResizeBoard(g, rows, cols);
    CreateSprites(g);
    return g;
}

TEST(ComputeCellMetrics, TakesThePitchFromTheThemeInTwips)
{
    Game g = WithSprites(0, 9, 14);
    EXPECT_EQ(g.screen.CellWidth, 600);
    EXPECT_EQ(g.screen.CellHeight, 600);
    EXPECT_EQ(g.screen.SpriteOriginX, -15);
    EXPECT_EQ(g.screen.SpriteOriginY, -15);
    g.board.ThemeIndex = 17;
    ComputeCellMetrics(g);
    EXPECT_EQ(g.screen.CellWidth, 735);
    EXPECT_EQ(g.screen.CellHeight, 885);
}

TEST(ComputeCellMetrics, UsesEachDirectionsTwipsPerPixel)
{
    Game g;
    g.board.ThemeIndex = 19; // 50 x 60 pixels
    g.screen.TwipsPerPixelX = 12;
    g.screen.TwipsPerPixelY = 10;
    ComputeCellMetrics(g);
    EXPECT_EQ(g.screen.CellWidth, 600);
    EXPECT_EQ(g.screen.CellHeight, 600);
}

TEST(ComputeCellMetrics, KeepsThePreviousPitchForAThemeOutOfRange)
{
    Game g;
    ComputeCellMetrics(g);
    g.board.ThemeIndex = 30;
    g.screen.SpriteOriginX = 0;
    ComputeCellMetrics(g);
    EXPECT_EQ(g.screen.CellWidth, 600);
    EXPECT_EQ(g.screen.SpriteOriginX, -15);
    g.board.ThemeIndex = -1;
    ComputeCellMetrics(g);
    EXPECT_EQ(g.screen.CellHeight, 600);
}

TEST(CreateSprites, PlacesOneHiddenTemplateSpritePerCell)
{
    Game g = WithSprites(0, 9, 14);
    ASSERT_EQ(g.screen.Sprites.size(), 127u);
    EXPECT_EQ(g.screen.Sprites[16].left, 585);
    EXPECT_EQ(g.screen.Sprites[16].top, 585);
    EXPECT_EQ(g.screen.Sprites[1].left, -15);
    EXPECT_EQ(g.screen.Sprites[126].top, 8 * 600 - 15);
    for (std::size_t cell = 1; cell < g.screen.Sprites.size(); ++cell) {
        EXPECT_FALSE(g.screen.Sprites[cell].visible);
        EXPECT_EQ(g.screen.Sprites[cell].picture, SpritePicture::Template);
    }
}

// The 12 x 20 grid of Theme 3 is 15000 twips wide, wider than the 14910 of the window.
TEST(CreateSprites, TheWidestGridCutsOffOnlyTheRightBorder)
{
    Game g = WithSprites(3, 12, 20);
    EXPECT_EQ(g.screen.Sprites[CellIndex(g, 2, 20)].left, 14235);
    const TileSprite& lastInner = g.screen.Sprites[CellIndex(g, 2, 19)];
    EXPECT_EQ(lastInner.left, 13485);
    EXPECT_LE(lastInner.left + g.screen.CellWidth, ClientWidthTwips);
}

TEST(CreateSprites, ReplacesTheSpritesOfAnEarlierBoard)
{
    Game g = WithSprites(0, 12, 20);
    g.screen.Sprites[50].visible = true;
    ResizeBoard(g, 9, 14);
    g.board.ThemeIndex = 1;
    CreateSprites(g);
    ASSERT_EQ(g.screen.Sprites.size(), 127u);
    EXPECT_FALSE(g.screen.Sprites[50].visible);
    EXPECT_EQ(g.screen.Sprites[16].left, 31 * 15 - 15);
}

TEST(PlaceMarker, OutlinesOneCellAndLeavesItsVisibilityAlone)
{
    Game g = WithSprites(17, 9, 14);
    PlaceMarker(g, g.screen.Shape2, 3, 4);
    EXPECT_EQ(g.screen.Shape2.left, 3 * 735 - 15);
    EXPECT_EQ(g.screen.Shape2.top, 2 * 885 - 15);
    EXPECT_EQ(g.screen.Shape2.width, 735);
    EXPECT_EQ(g.screen.Shape2.height, 885);
    EXPECT_FALSE(g.screen.Shape2.visible);
    EXPECT_EQ(g.screen.Shape1.top, MarkerParkedTop);
}

} // namespace
} // namespace llk
