// The Board: its sizes, numbering, board-wide operations and tile pictures.
#include "board/board.h"

#include <gtest/gtest.h>

#include "linking/board_view.h"
#include "linking/link_search.h"
#include "tests/support/board_builder.h"

namespace llk {
namespace {

using test::MakeBoard;
using test::Picture;
using test::ShowPicture;

TEST(BoardSizeFor, GrowsWithTheDifficultyUpToVeryHard)
{
    for (int theme = 0; theme < ThemeCount; ++theme) {
        const auto cells = [&](int difficulty) {
            const BoardSize size = *BoardSizeFor(difficulty, theme);
            return size.rows * size.cols;
        };
        EXPECT_LT(cells(0), cells(1)) << "theme " << theme;
        EXPECT_LT(cells(1), cells(2)) << "theme " << theme;
        EXPECT_LE(cells(2), cells(3)) << "theme " << theme;
        EXPECT_LT(cells(4), cells(3)) << "theme " << theme << ": Special is smaller than Very hard";
    }
}

TEST(BoardSizeFor, OnlyTheFirstFourThemesPlayTheLargeBoards)
{
    for (int theme = 0; theme < ThemeCount; ++theme) {
        for (int difficulty = 0; difficulty <= 2; ++difficulty)
            EXPECT_EQ(BoardSizeFor(difficulty, theme), BoardSizeFor(difficulty, 0)) << theme << "/" << difficulty;
        const bool large = *BoardSizeFor(3, theme) == *BoardSizeFor(3, 0);
        EXPECT_EQ(large, theme <= 3) << "theme " << theme;
        EXPECT_EQ(*BoardSizeFor(3, theme) == *BoardSizeFor(2, theme), theme > 3) << "theme " << theme;
    }
}

TEST(BoardSizeFor, RefusesADifficultyOutsideTheMenu)
{
    EXPECT_FALSE(BoardSizeFor(5, 0).has_value());
    EXPECT_FALSE(BoardSizeFor(-1, 0).has_value());
}

TEST(BoardSizeFor, EverySizeHasAnEvenNumberOfInnerCells)
{
    for (int theme = 0; theme < ThemeCount; ++theme) {
        for (int difficulty = 0; difficulty <= 4; ++difficulty) {
            const BoardSize size = *BoardSizeFor(difficulty, theme);
            EXPECT_EQ((size.rows - 2) * (size.cols - 2) % 2, 0) << theme << "/" << difficulty;
            EXPECT_LE(size.rows * size.cols, 240);
        }
    }
}

TEST(ResizeBoard, RecreatesTheArraysEmptyAndResetsTheSampler)
{
    Game g;
    g.DrawList = {0, 3, 1, 2};
    ResizeBoard(g, 12, 20);
    EXPECT_EQ(g.board.Cells.size(), 241u);
    EXPECT_EQ(g.board.InnerSlots.size(), 181u);
    EXPECT_EQ(g.board.CellGrid.size(), 13u * 21u);
    EXPECT_TRUE(g.DrawList.empty());
    EXPECT_EQ(SlotIndex(g, 11, 19), 180);
    EXPECT_EQ(CellIndex(g, 11, 19), 219);
}

TEST(ResizeBoard, LeavesOnlyTheTemplateSoANormalGameHasNoOldSprites)
{
    Game g;
    g.board.ThemeIndex = 0;
    ResizeBoard(g, 12, 20);
    CreateSprites(g);
    ASSERT_EQ(g.screen.Sprites.size(), 241u);
    ResizeBoard(g, 10, 16);
    EXPECT_EQ(g.screen.Sprites.size(), 1u);
    CreateSprites(g);
    EXPECT_EQ(g.screen.Sprites.size(), 161u);
}

TEST(SlotIndex, NumbersTheInnerCellsRowByRow)
{
    Game g;
    ResizeBoard(g, 9, 14);
    EXPECT_EQ(CellIndex(g, 2, 2), 16);
    EXPECT_EQ(SlotIndex(g, 2, 2), 1);
    EXPECT_EQ(SlotIndex(g, 2, 13), 12);
    EXPECT_EQ(SlotIndex(g, 3, 2), 13);
    EXPECT_EQ(SlotIndex(g, 8, 13), 84);
}

TEST(ClearBorder, EmptiesAndHidesEveryBorderCellIncludingTheCorners)
{
    Game g = MakeBoard({"5....", ".....", "....."});
    for (std::size_t cell = 1; cell < g.board.Cells.size(); ++cell) {
        g.board.Cells[cell] = 3;
        g.screen.Sprites[cell].visible = true;
    }
    ClearBorder(g);
    EXPECT_EQ(ShowPicture(g), Picture({".....", ".333.", "....."}));
    for (int cell = 1; cell <= CellCount(g); ++cell) {
        const bool border = IsBorderCell(g, CellRow(g, cell), CellCol(g, cell));
        EXPECT_EQ(g.screen.Sprites[static_cast<std::size_t>(cell)].visible, !border) << "cell " << cell;
    }
}

TEST(ShowInnerAndClearInner, ShowThenEmptyTheInnerCells)
{
    Game g = MakeBoard({".....", ".12..", "....."});
    g.board.Cells[CellIndex(g, 1, 1)] = 4; // border rubbish that ShowInner must clear
    ShowInner(g);
    EXPECT_TRUE(g.screen.Sprites[CellIndex(g, 2, 4)].visible); // every inner sprite, tile or not
    EXPECT_FALSE(g.screen.Sprites[CellIndex(g, 1, 1)].visible);
    EXPECT_EQ(g.board.Cells[CellIndex(g, 1, 1)], EmptyCell);
    ClearInner(g);
    for (int cell = 1; cell <= CellCount(g); ++cell) {
        EXPECT_EQ(g.board.Cells[static_cast<std::size_t>(cell)], EmptyCell);
        EXPECT_FALSE(g.screen.Sprites[static_cast<std::size_t>(cell)].visible);
    }
}

TEST(SyncGrid, CopiesTheInnerCellsAndLeavesTheBorderEntriesAlone)
{
    Game g = MakeBoard({"......", ".12.3.", ".4..5.", "......"});
    GridAt(g, 0, 0) = 9;
    g.board.Cells[CellIndex(g, 2, 3)] = 7;
    SyncGrid(g);
    EXPECT_EQ(GridAt(g, 2, 2), 1);
    EXPECT_EQ(GridAt(g, 2, 3), 7);
    EXPECT_EQ(GridAt(g, 3, 5), 5);
    EXPECT_EQ(GridAt(g, 3, 4), EmptyCell);
    EXPECT_EQ(GridAt(g, 0, 0), 9);
}

TEST(SetTilePicture, ShowsTheThemesBitmapAndKeepsTheCellAndVisibility)
{
    Game g = MakeBoard({".....", ".7...", "....."}, 1);
    const int cell = CellIndex(g, 2, 3);
    SetTilePicture(g, cell, 107);
    EXPECT_EQ(g.screen.Sprites[cell].picture, SpritePicture::Tile);
    EXPECT_EQ(g.screen.Sprites[cell].pictureNumber, 177);
    EXPECT_FALSE(g.screen.Sprites[cell].visible);
    EXPECT_EQ(g.board.Cells[cell], EmptyCell);
    EXPECT_EQ(g.screen.Sprites[CellIndex(g, 2, 2)].pictureNumber, 177); // the tile MakeBoard placed
}

TEST(Themes, PictureRangesFollowEachOtherFrom101To1208)
{
    EXPECT_EQ(FirstBitmapId(0), 101);
    for (int theme = 0; theme + 1 < ThemeCount; ++theme) {
        // One unused bitmap follows Themes 4 and 28.
        const int gap = theme == 4 || theme == 28 ? 1 : 0;
        EXPECT_EQ(FirstBitmapId(theme + 1), FirstBitmapId(theme) + PictureCount(theme) + gap) << theme;
    }
    EXPECT_EQ(FirstBitmapId(29) + PictureCount(29) - 1, 1208);
    EXPECT_EQ(TileBitmapId(10, 4), 639);
}

} // namespace
} // namespace llk
