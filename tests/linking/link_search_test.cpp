// The link search: which pairs link, and which path is drawn when several could be.
#include "linking/link_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/board_builder.h"

namespace llk {
namespace {

using test::MakeBoard;
using test::Picture;
using test::ShowPicture;

// A pair on a board, the path the search must draw, and the first way that finds it.
struct LinkCase {
    std::string name;
    std::vector<std::string> board;
    int pRow, pCol, qRow, qCol;
    std::vector<std::string> drawn; // the board with the expected path
};

void PrintTo(const LinkCase& c, std::ostream* out) { *out << c.name; }

class FirstPathFound : public testing::TestWithParam<LinkCase> {};

TEST_P(FirstPathFound, LinksAndDrawsThePathInEitherArgumentOrder)
{
    const LinkCase& c = GetParam();
    for (const bool swapped : {false, true}) {
        Game g = MakeBoard(c.board);
        int p = CellIndex(g, c.pRow, c.pCol);
        int q = CellIndex(g, c.qRow, c.qCol);
        if (swapped)
            std::swap(p, q);
        EXPECT_TRUE(LinkTest(g, p, q, true)) << (swapped ? "swapped" : "in order");
        EXPECT_EQ(ShowPicture(g), c.drawn) << (swapped ? "swapped" : "in order");
    }
}

// Every board below blocks the ways tried before the one it is named after; the nearest line
// of each two-corner block is blocked too where the block has a second line, so the search
// must walk on to it.
const LinkCase Cases[] = {
    {"Straight",
     {"........", "........", ".1...1..", "........", "........", "........", "........"},
     3,
     2,
     3,
     6,
     {"........", "........", ".1---1..", "........", "........", "........", "........"}},
    {"StraightDown",
     {"........", "...1....", "..9.9...", "........", "...1....", "........", "........"},
     2,
     4,
     5,
     4,
     {"........", "...1....", "..9|9...", "...|....", "...1....", "........", "........"}},
    {"OneCornerAboveTheLowerTileRightward",
     {".......", ".1.....", ".......", "....1..", ".......", ".......", "......."},
     2,
     2,
     4,
     5,
     {".......", ".1--7..", "....|..", "....1..", ".......", ".......", "......."}},
    {"OneCornerAboveTheLowerTileLeftward",
     {".......", "....1..", ".......", ".1.....", ".......", ".......", "......."},
     2,
     5,
     4,
     2,
     {".......", ".F--1..", ".|.....", ".1.....", ".......", ".......", "......."}},
    {"OneCornerBelowTheUpperTileRightward",
     {".......", ".1.....", "....9..", "....1..", ".......", ".......", "......."},
     2,
     2,
     4,
     5,
     {".......", ".1.....", ".|..9..", ".L--1..", ".......", ".......", "......."}},
    {"OneCornerBelowTheUpperTileLeftward",
     {".......", "....1..", ".9.....", ".1.....", ".......", ".......", "......."},
     2,
     5,
     4,
     2,
     {".......", "....1..", ".9..|..", ".1--J..", ".......", ".......", "......."}},
    // Block 1 beats block 2, which is free here too, and passes over row 2 to the border row.
    {"OverTheTopThroughTheBorderRow",
     {"........", "....9...", ".1.9.1..", "........", "........", "........", "........"},
     3,
     2,
     3,
     6,
     {".F---7..", ".|..9|..", ".1.9.1..", "........", "........", "........", "........"}},
    {"UnderTheBottom",
     {"........", "........", "........", ".9...9..", ".1.9.1..", "........", "........"},
     5,
     2,
     5,
     6,
     {"........", "........", "........", ".9...9..", ".1.9.1..", ".L---J..", "........"}},
    {"DetourOnTheLeftThroughTheBorderColumn",
     {"........", "..9.....", "..1.....", ".99.....", "..1.....", "..9.....", "........"},
     3,
     3,
     5,
     3,
     {"........", "..9.....", "F-1.....", "|99.....", "L-1.....", "..9.....", "........"}},
    {"DetourOnTheRightThroughTheBorderColumn",
     {"........", "......9.", ".....91.", "......9.", ".....91.", "......9.", "........"},
     3,
     7,
     5,
     7,
     {"........", "......9.", ".....917", "......9|", ".....91J", "......9.", "........"}},
    {"VerticalMiddleLeg",
     {".........", "..9......", ".91...9..", ".....9...", "..9...19.", "......9..", "........."},
     3,
     3,
     5,
     7,
     {".........", "..9......", ".91-7.9..", "....|9...", "..9.L-19.", "......9..", "........."}},
    {"HorizontalMiddleLegRightTileHigher",
     {".........", "......9..", "..9..919.", "....9....", ".........", ".91...9..", "..9......", "........."},
     3,
     7,
     6,
     3,
     {".........", "......9..", "..9..919.", "....9.|..", "..F---J..", ".91...9..", "..9......", "........."}},
    {"HorizontalMiddleLegLeftTileHigher",
     {".........", "..9......", ".919..9..", "....9....", ".........", "..9...19.", "......9..", "........."},
     3,
     3,
     6,
     7,
     {".........", "..9......", ".919..9..", "..|.9....", "..L---7..", "..9...19.", "......9..", "........."}},
};

INSTANTIATE_TEST_SUITE_P(LinkTest, FirstPathFound, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<LinkCase>& info) { return info.param.name; });

TEST(LinkTest, NeighboursLinkWhenBoxedInAndDrawNothing)
{
    Game g = MakeBoard({
        ".....",
        ".999.",
        "9912.",
        ".939.",
        ".....",
    });
    const std::vector<std::string> before = ShowPicture(g);
    EXPECT_TRUE(LinkTest(g, CellIndex(g, 3, 3), CellIndex(g, 3, 4), true));
    EXPECT_TRUE(LinkTest(g, CellIndex(g, 3, 4), CellIndex(g, 3, 3), true));
    EXPECT_TRUE(LinkTest(g, CellIndex(g, 3, 3), CellIndex(g, 4, 3), true));
    EXPECT_TRUE(LinkTest(g, CellIndex(g, 4, 3), CellIndex(g, 3, 3), true));
    EXPECT_EQ(ShowPicture(g), before);
}

TEST(LinkTest, EnclosedTilesDoNotLink)
{
    Game g = MakeBoard({
        ".......",
        ".99999.",
        ".91919.",
        ".99999.",
        ".......",
    });
    const std::vector<std::string> before = ShowPicture(g);
    EXPECT_FALSE(LinkTest(g, CellIndex(g, 3, 3), CellIndex(g, 3, 5), true));
    EXPECT_EQ(ShowPicture(g), before);
}

// The only way out of each tile leads into a path that needs three corners.
TEST(LinkTest, APathWithThreeCornersIsNoLink)
{
    Game g = MakeBoard({
        ".........",
        ".9999999.",
        ".91...99.",
        ".9999.99.",
        ".99...99.",
        ".9919999.",
        ".9999999.",
        ".........",
    });
    EXPECT_FALSE(LinkTest(g, CellIndex(g, 3, 3), CellIndex(g, 6, 4), true));
    EXPECT_FALSE(LinkTest(g, CellIndex(g, 6, 4), CellIndex(g, 3, 3), true));
}

TEST(LinkTest, WithoutDrawingLeavesEverySpriteAsItWas)
{
    Game g = MakeBoard({
        "........",
        "....9...",
        ".1.9.1..",
        "........",
        "........",
    });
    const std::vector<TileSprite> before = g.screen.Sprites;
    ASSERT_TRUE(LinkTest(g, CellIndex(g, 3, 2), CellIndex(g, 3, 6), false));
    ASSERT_EQ(g.screen.Sprites.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(g.screen.Sprites[i].visible, before[i].visible) << "sprite " << i;
        EXPECT_EQ(g.screen.Sprites[i].picture, before[i].picture) << "sprite " << i;
        EXPECT_EQ(g.screen.Sprites[i].pictureNumber, before[i].pictureNumber) << "sprite " << i;
    }
}

// The corner above the lower tile is blocked, the corner below the upper tile is free: the
// L-shaped path the player sees must link, or the dead-board check would end a live game.
TEST(OneTurnLink, TriesTheSecondCornerWhenTheFirstIsBlocked)
{
    Game g = MakeBoard({
        "..............",
        "..9...........",
        "..1.9.........",
        ".9.9..........",
        ".9...19.......",
        ".....9........",
        "..............",
        "..............",
        "..............",
    });
    const int p = CellIndex(g, 3, 3);
    const int q = CellIndex(g, 5, 6);
    EXPECT_TRUE(OneTurnLink(g, p, q, false));
    EXPECT_TRUE(OneTurnLink(g, q, p, false));
}

// The worked example on an Easy board: every Cell is a tile except the ones named empty.
TEST(LinkTest, LinksTheFreeLShapeBehindABlockedFirstCorner)
{
    Game g = MakeBoard({
        "..............",
        ".999999999999.",
        "..19999999999.",
        ".9.99.9999999.",
        ".9...19999999.",
        ".999999999999.",
        ".999999999999.",
        ".999999999999.",
        "..............",
    });
    const std::vector<std::string> drawn = Picture({
        "..............",
        ".999999999999.",
        "..19999999999.",
        ".9|99.9999999.",
        ".9L--19999999.",
        ".999999999999.",
        ".999999999999.",
        ".999999999999.",
        "..............",
    });
    const int p = CellIndex(g, 3, 3);
    const int q = CellIndex(g, 5, 6);
    ASSERT_EQ(g.board.Cells[q], 1);
    EXPECT_TRUE(LinkTest(g, p, q, true));
    EXPECT_EQ(ShowPicture(g), drawn);
    EXPECT_EQ(g.screen.Sprites[CellIndex(g, 5, 3)].pictureNumber, 4); // Image2 member of CornerKind 2

    Game h = MakeBoard({
        "..............",
        ".999999999999.",
        "..19999999999.",
        ".9.99.9999999.",
        ".9...19999999.",
        ".999999999999.",
        ".999999999999.",
        ".999999999999.",
        "..............",
    });
    EXPECT_TRUE(LinkTest(h, q, p, true));
    EXPECT_EQ(ShowPicture(h), drawn);
}

TEST(TwoTurnLink, TakesTheLineNearestTheTiles)
{
    Game g = MakeBoard({
        ".......",
        ".......",
        ".......",
        ".1.9.1.",
        ".......",
    });
    ASSERT_TRUE(TwoTurnLink(g, CellIndex(g, 4, 2), CellIndex(g, 4, 6), true));
    EXPECT_EQ(ShowPicture(g), Picture({
                                  ".......",
                                  ".......",
                                  ".F---7.",
                                  ".1.9.1.",
                                  ".......",
                              }));
}

TEST(CellRowAndCol, NameBorderAndInnerCellsOfTheEasyBoard)
{
    Game g;
    ResizeBoard(g, 9, 14);
    EXPECT_EQ(CellRow(g, 15), 2);
    EXPECT_EQ(CellCol(g, 15), 1);
    EXPECT_EQ(CellRow(g, 28), 2);
    EXPECT_EQ(CellCol(g, 28), 14);
    EXPECT_EQ(CellRow(g, 16), 2);
    EXPECT_EQ(CellCol(g, 16), 2);
    EXPECT_EQ(CellRow(g, 126), 9);
    EXPECT_EQ(CellCol(g, 126), 14);
    for (int cell = 1; cell <= 126; ++cell)
        EXPECT_EQ(CellIndex(g, CellRow(g, cell), CellCol(g, cell)), cell);
}

TEST(StraightClear, IgnoresTheEndCellsAndNeedsOneRowOrColumn)
{
    Game g = MakeBoard({
        "......",
        ".1.91.",
        ".1..9.",
        "......",
    });
    EXPECT_TRUE(StraightClear(g, 2, 2, 2, 2));
    EXPECT_TRUE(StraightClear(g, 2, 2, 2, 3));
    EXPECT_TRUE(StraightClear(g, 2, 2, 2, 4));
    EXPECT_FALSE(StraightClear(g, 2, 2, 2, 5));
    EXPECT_FALSE(StraightClear(g, 2, 5, 2, 2));
    EXPECT_TRUE(StraightClear(g, 1, 3, 4, 3));
    EXPECT_TRUE(StraightClear(g, 4, 3, 1, 3));
    EXPECT_FALSE(StraightClear(g, 1, 5, 4, 5));
    EXPECT_FALSE(StraightClear(g, 1, 1, 2, 2));
}

} // namespace
} // namespace llk
