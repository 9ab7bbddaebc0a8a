// Link drawing: LinkPieces in the sprites of empty Cells, and erasing them.
#include "linking/link_drawing.h"

#include <gtest/gtest.h>

#include "linking/link_search.h"
#include "tests/support/board_builder.h"

namespace llk {
namespace {

using test::MakeBoard;
using test::Picture;
using test::ShowPicture;

TEST(DrawSegment, FillsTheCellsStrictlyBetweenInEitherOrder)
{
    Game g = MakeBoard({".......", ".1...1.", ".......", "......."});
    DrawSegment(g, 2, 6, 2, 2);
    DrawSegment(g, 1, 1, 4, 1);
    EXPECT_EQ(ShowPicture(g), Picture({".......", "|1---1.", "|......", "......."}));
}

TEST(DrawSegment, DrawsNothingForNeighboursOrCellsInNeitherLine)
{
    Game g = MakeBoard({".....", ".11..", ".....", "....."});
    const std::vector<std::string> before = ShowPicture(g);
    DrawSegment(g, 2, 2, 2, 3);
    DrawSegment(g, 1, 1, 3, 3);
    DrawSegment(g, 3, 3, 3, 3);
    EXPECT_EQ(ShowPicture(g), before);
}

TEST(DrawCorner, ShowsTheCornerKindsPictureAsMemberKindPlusTwo)
{
    Game g = MakeBoard({".....", ".....", "....."});
    DrawCorner(g, 1, 1, CornerKind::RightDown);
    DrawCorner(g, 1, 2, CornerKind::UpRight);
    DrawCorner(g, 1, 3, CornerKind::LeftDown);
    DrawCorner(g, 1, 4, CornerKind::UpLeft);
    EXPECT_EQ(ShowPicture(g), Picture({"FL7J.", ".....", "....."}));
    EXPECT_EQ(g.screen.Sprites[1].pictureNumber, 3);
    EXPECT_EQ(g.screen.Sprites[4].pictureNumber, 6);
    EXPECT_EQ(g.board.Cells[1], EmptyCell);
}

TEST(EraseLinkPath, HidesThePiecesAndTheRemovedPairButNoTile)
{
    Game g = MakeBoard({
        "........",
        "....9...",
        ".1.9.1..",
        "........",
    });
    ASSERT_TRUE(LinkTest(g, CellIndex(g, 3, 2), CellIndex(g, 3, 6), true));
    g.board.Cells[CellIndex(g, 3, 2)] = EmptyCell;
    g.board.Cells[CellIndex(g, 3, 6)] = EmptyCell;
    EraseLinkPath(g);
    for (int cell = 1; cell <= 32; ++cell)
        EXPECT_EQ(g.screen.Sprites[cell].visible, g.board.Cells[cell] != EmptyCell) << "cell " << cell;
    EXPECT_EQ(ShowPicture(g), Picture({"........", "....9...", "...9....", "........"}));
}

} // namespace
} // namespace llk
