// Level shifts: the split lines, the scan ranges and where a slide stops.
#include <gtest/gtest.h>

#include "rules/level_shift.h"
#include "tests/rules/recording_host.h"
#include "tests/rules/rules_support.h"

namespace llk {
namespace {

using test::EmptyBoard;
using test::MakeBoard;
using test::Picture;
using test::ShowPicture;

struct Lines {
    int rows, cols, up, down, left, half, mid;
};

TEST(SplitLines, FollowTheBoardHeight)
{
    for (const Lines& expected : {Lines{9, 14, 4, 4, 4, 7, 56}, Lines{10, 16, 4, 5, 4, 8, 72},
                                  Lines{11, 18, 5, 6, 6, 9, 90}, Lines{12, 20, 5, 6, 5, 10, 110}}) {
        Game g = EmptyBoard(expected.rows, expected.cols);
        SCOPED_TRACE(expected.rows);
        EXPECT_EQ(SplitRowUp(g), expected.up);
        EXPECT_EQ(SplitRowDown(g), expected.down);
        EXPECT_EQ(SplitRowLeft(g), expected.left);
        EXPECT_EQ(HalfCol(g), expected.half);
        EXPECT_EQ(MidIndex(g), expected.mid);
    }
}

TEST(ShiftCodes, NameTheirRegionAndDirection)
{
    const ShiftCode& code = ShiftCodeNamed("x2y1d");
    EXPECT_EQ(code.rows, ShiftPart::Second);
    EXPECT_EQ(code.cols, ShiftPart::First);
    EXPECT_EQ(code.direction, ShiftDirection::Down);
    EXPECT_EQ(ShiftCodeNamed("xyl").rows, ShiftPart::All);
    EXPECT_EQ(ShiftCodeNamed("y2u").cols, ShiftPart::Second);
}

TEST(LevelShift, LevelTwoDropsAColumnInOrder)
{
    Game g = MakeBoard({"..............", "....1.........", "..............", "....2.........", "..............",
                        "..............", "..............", "..............", ".............."});
    ShiftBoard(g, 2);
    EXPECT_EQ(ShowPicture(g), Picture({"..............", "..............", "..............", "..............", "..............",
                                       "..............", "....1.........", "....2.........", ".............."}));
}

TEST(LevelShift, TellsTheHostWhereEachTileSlid)
{
    Game g = MakeBoard({"..............", "....1.........", "..............", "....2.........", "..............",
                        "..............", "..............", "..............", ".............."});
    test::RecordingHost host;
    g.host = &host;
    ShiftBoard(g, 2);
    // The lower tile lands first, on the bottom inner row; the upper one rests on it. Empty Cells
    // that the pass also "moves" are not reported.
    const std::vector<std::pair<int, int>> expected{{CellIndex(g, 4, 5), CellIndex(g, 8, 5)},
                                                    {CellIndex(g, 2, 5), CellIndex(g, 7, 5)}};
    EXPECT_EQ(host.moves, expected);
    g.host = &Game::nullHost;
}

TEST(LevelShift, LevelThreePacksARowToTheLeft)
{
    Game g = MakeBoard({"..............", "..............", "....1...2.....", "..............", "..............",
                        "..............", "..............", "..............", ".............."});
    ShiftBoard(g, 3);
    EXPECT_EQ(ShowPicture(g)[2], ".12...........");
    EXPECT_EQ(GridAt(g, 3, 2), 1);
    EXPECT_EQ(GridAt(g, 3, 5), 0);
}

TEST(LevelShift, LevelFourLiftsTheExtraRowOnTheSmallBoard)
{
    // Column 6 full but for row 4: "x1u" scans rows 3 to 5 and lifts the row-5 tile, then "x2d"
    // finds nothing to drop into row 5.
    Game g = MakeBoard({"..............", ".....1........", ".....2........", "..............", ".....3........",
                        ".....4........", ".....5........", ".....6........", ".............."});
    ShiftBoard(g, 4);
    EXPECT_EQ(ShowPicture(g), Picture({"..............", ".....1........", ".....2........", ".....3........", "..............",
                                       ".....4........", ".....5........", ".....6........", ".............."}));
}

TEST(LevelShift, LevelSixStopsBothHalvesAtTheMiddleOnElevenRows)
{
    Game upper = EmptyBoard(11, 18);
    std::vector<int> cells(upper.board.Cells);
    cells[CellIndex(upper, 3, 4)] = 1;
    PlaceTiles(upper, cells);
    ShiftBoard(upper, 6);
    EXPECT_EQ(upper.board.Cells[CellIndex(upper, 5, 4)], 1) << "falls to row 5, row 6 lies beyond MidIndex 90";

    Game lower = EmptyBoard(11, 18);
    cells.assign(lower.board.Cells.size(), EmptyCell);
    cells[CellIndex(lower, 9, 4)] = 2;
    PlaceTiles(lower, cells);
    ShiftBoard(lower, 6);
    EXPECT_EQ(lower.board.Cells[CellIndex(lower, 6, 4)], 2) << "rises to row 6 and no further";
}

TEST(LevelShift, LevelSixSplitsRowFiveInsideTheRowOnTenRows)
{
    Game g = EmptyBoard(10, 16);
    std::vector<int> cells(g.board.Cells);
    cells[CellIndex(g, 4, 12)] = 1; // row 5, column 12 is index 76 > 72: lower part
    cells[CellIndex(g, 4, 3)] = 2;  // row 5, column 3 is index 67 <= 72: upper part
    PlaceTiles(g, cells);
    ShiftBoard(g, 6);
    EXPECT_EQ(g.board.Cells[CellIndex(g, 4, 12)], 1);
    EXPECT_EQ(g.board.Cells[CellIndex(g, 5, 3)], 2);
    EXPECT_EQ(g.board.Cells[CellIndex(g, 4, 3)], EmptyCell);
}

TEST(LevelShift, LevelSevenPacksBothHalvesAgainstTheMiddleWithoutCrossing)
{
    Game g = MakeBoard({"..............", ".1..........2.", "..3...........", "............4.", "..............",
                        "..............", "..............", "..............", ".............."});
    ShiftBoard(g, 7);
    const auto shown = ShowPicture(g);
    EXPECT_EQ(shown[1], "......12......");
    EXPECT_EQ(shown[2], "......3.......");
    EXPECT_EQ(shown[3], ".......4......");
}

TEST(LevelShift, LevelTenLeavesTheLowerLeftHalfColumnWhereTheLeftPassPutIt)
{
    // "x2y1d" scans columns 6 to 2, so the tile in column 7 does not fall.
    Game g = MakeBoard({"..............", "..............", "..............", "..............", "..............",
                        ".123456.......", "..............", "..............", ".............."});
    ShiftBoard(g, 10);
    EXPECT_EQ(ShowPicture(g), Picture({"..............", "..............", "..............", "..............", "..............",
                                       "......6.......", "..............", ".12345........", ".............."}));
}

TEST(LevelShift, LevelElevenPacksTheHalfColumnUpAgain)
{
    // On 11 x 18, "x2y1u" lifts column 3 into rows 6 and 7; "x2y1r" scans rows 7 to 10 only, so
    // the row-7 tile reaches column 9, which "x2y2u" scans too and lifts into row 6.
    Game g = EmptyBoard(11, 18);
    std::vector<int> cells(g.board.Cells);
    cells[CellIndex(g, 8, 3)] = 1;
    cells[CellIndex(g, 9, 3)] = 2;
    PlaceTiles(g, cells);
    ShiftBoard(g, 11);
    EXPECT_EQ(g.board.Cells[CellIndex(g, 6, 3)], 1);
    EXPECT_EQ(g.board.Cells[CellIndex(g, 6, 9)], 2);
    EXPECT_EQ(test::TileCount(g), 2);
}

TEST(LevelShift, LevelElevenKeepsUpperTilesOutOfTheLowerHalf)
{
    Game g = MakeBoard({"..............", "..............", ".123456.......", "..............", "..............",
                        "..............", "..............", "..............", ".............."});
    ShiftBoard(g, 11);
    EXPECT_EQ(ShowPicture(g)[3], ".123456.......");
    EXPECT_EQ(test::TileCount(g), 6);
}

TEST(LevelShift, LevelsOneAndTwelveMoveNothingAndLeaveTheGridAlone)
{
    for (const int level : {1, 12, 0, 13}) {
        Game g = MakeBoard({"..............", "....1.........", "..............", "....1.........", "..............",
                            "..............", "..............", "..............", ".............."});
        g.board.Cells[CellIndex(g, 2, 5)] = EmptyCell; // as a removal leaves it
        ShiftBoard(g, level);
        EXPECT_EQ(g.board.Cells[CellIndex(g, 4, 5)], 1) << level;
        EXPECT_EQ(GridAt(g, 2, 5), 1) << "CellGrid keeps its snapshot on level " << level;
    }
}

TEST(LevelShift, MovedTilesKeepTheirPictureAndShow)
{
    Game g = MakeBoard({"..............", "..............", "....7.........", "..............", "..............",
                        "..............", "..............", "..............", ".............."});
    const TileSprite before = g.screen.Sprites[CellIndex(g, 3, 5)];
    ShiftBoard(g, 3);
    const TileSprite& after = g.screen.Sprites[CellIndex(g, 3, 2)];
    EXPECT_TRUE(after.visible);
    EXPECT_EQ(after.pictureNumber, before.pictureNumber);
    EXPECT_FALSE(g.screen.Sprites[CellIndex(g, 3, 5)].visible);
}

TEST(LevelShift, SlideTargetStopsBeforeATileOrAtTheRegionEdge)
{
    Game g = MakeBoard({"..............", "..............", "..............", "..............", "..............",
                        "..............", "..............", "....3.........", ".............."});
    const ShiftCode& down = ShiftCodeNamed("xyd");
    EXPECT_EQ(SlideTarget(g, CellIndex(g, 3, 5), down), CellIndex(g, 7, 5));
    EXPECT_EQ(SlideTarget(g, CellIndex(g, 3, 6), down), CellIndex(g, 8, 6)) << "slides to the last inner row";
    const ShiftCode& upperDown = ShiftCodeNamed("x1d");
    EXPECT_EQ(SlideTarget(g, CellIndex(g, 3, 6), upperDown), CellIndex(g, 4, 6)) << "row 5 lies beyond MidIndex";
}

} // namespace
} // namespace llk
