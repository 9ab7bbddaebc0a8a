// Dealing: the regular and the Special deal, the folds into each Theme, and the resets.
#include "board/deal.h"

#include <gtest/gtest.h>

#include <map>

#include "board/board.h"
#include "linking/board_view.h"

namespace llk {
namespace {

// A Game at the start of a deal: resized for the size, sprites created, clock fixed.
Game Prepared(int theme, BoardSize size, double timeOfDay = 1000.0)
{
    Game g;
    g.clock = [timeOfDay] { return timeOfDay; };
    g.board.ThemeIndex = theme;
    ResizeBoard(g, size.rows, size.cols);
    CreateSprites(g);
    return g;
}

std::map<int, int> KindCounts(const Game& g)
{
    std::map<int, int> counts;
    for (int row = 2; row < g.board.RowCount; ++row)
        for (int col = 2; col < g.board.ColCount; ++col)
            ++counts[g.board.Cells[CellIndex(g, row, col)]];
    return counts;
}

// What every deal leaves behind, whatever the Theme, size and kinds.
void ExpectPlayingState(const Game& g, int highestKind)
{
    SCOPED_TRACE("theme " + std::to_string(g.board.ThemeIndex) + ", " + std::to_string(g.board.RowCount) + " x " +
                 std::to_string(g.board.ColCount));
    for (const auto& [kind, count] : KindCounts(g)) {
        EXPECT_GE(kind, 1);
        EXPECT_LE(kind, highestKind);
        EXPECT_LE(kind, PictureCount(g.board.ThemeIndex));
        EXPECT_EQ(count % 2, 0) << "kind " << kind;
    }
    for (int row = 1; row <= g.board.RowCount; ++row) {
        for (int col = 1; col <= g.board.ColCount; ++col) {
            const int cell = CellIndex(g, row, col);
            const TileSprite& sprite = g.screen.Sprites[cell];
            if (IsBorderCell(g, row, col)) {
                EXPECT_EQ(g.board.Cells[cell], EmptyCell) << row << "," << col;
                EXPECT_FALSE(sprite.visible) << row << "," << col;
                continue;
            }
            EXPECT_TRUE(sprite.visible);
            EXPECT_EQ(sprite.picture, SpritePicture::Tile);
            EXPECT_EQ(sprite.pictureNumber, TileBitmapId(g.board.ThemeIndex, g.board.Cells[cell]));
            EXPECT_EQ(GridAt(g, row, col), g.board.Cells[cell]);
        }
    }
    EXPECT_EQ(GridAt(g, 2, 2), g.board.Cells[g.board.ColCount + 2]);
}

TEST(DealRegularBoard, LeavesEvenKindsInRangeAndTheBoardReadyForEveryThemeAndSize)
{
    for (int theme = 0; theme < ThemeCount; ++theme) {
        for (int difficulty = 0; difficulty <= 3; ++difficulty) {
            for (const int kinds : {15, 65}) {
                Game g = Prepared(theme, *BoardSizeFor(difficulty, theme), theme * 7.0 + difficulty);
                DealRegularBoard(g, kinds);
                ExpectPlayingState(g, kinds);
            }
        }
    }
}

TEST(DealRegularBoard, LevelOneNeverFolds)
{
    for (int theme = 0; theme < ThemeCount; ++theme) {
        Game g = Prepared(theme, {12, 20}, 50.0 + theme);
        DealRegularBoard(g, 15);
        for (const auto& [kind, count] : KindCounts(g))
            EXPECT_LE(kind, 15) << "theme " << theme;
    }
}

TEST(DealRegularBoard, ManyKindsOnASmallBoardStillPairUp)
{
    Game g = Prepared(0, {9, 14}, 77.0);
    DealRegularBoard(g, 65);
    const std::map<int, int> counts = KindCounts(g);
    EXPECT_LE(counts.size(), 42u);
    int tiles = 0;
    for (const auto& [kind, count] : counts) {
        EXPECT_EQ(count % 2, 0);
        tiles += count;
    }
    EXPECT_EQ(tiles, 84);
}

TEST(DealRegularBoard, RepeatsWithAFixedClockAndDiffersWithAnother)
{
    Game a = Prepared(3, {12, 20}, 3600.0);
    Game b = Prepared(3, {12, 20}, 3600.0);
    Game c = Prepared(3, {12, 20}, 3601.0);
    DealRegularBoard(a, 40);
    DealRegularBoard(b, 40);
    DealRegularBoard(c, 40);
    EXPECT_EQ(a.board.Cells, b.board.Cells);
    EXPECT_NE(a.board.Cells, c.board.Cells);
    EXPECT_GT(KindCounts(a).size(), 30u) << "all 90 pairs draw within one clock value, yet vary";
    DealRegularBoard(a, 40); // the next level within the same clock value
    EXPECT_NE(a.board.Cells, b.board.Cells);
}

TEST(DealRegularBoard, ClearsTheHintState)
{
    Game g = Prepared(0, {9, 14});
    g.search.SearchCursor = 5;
    g.search.SearchKind = 3;
    g.counters.LevelClearedFlag = true;
    DealRegularBoard(g, 15);
    EXPECT_EQ(g.search.SearchCursor, 0);
    EXPECT_EQ(g.search.SearchKind, 0);
    EXPECT_FALSE(g.counters.LevelClearedFlag);
}

TEST(DealSpecialBoard, DealsEveryKindOnceAsAPairInThemeZero)
{
    Game g = Prepared(0, SpecialLevelSize);
    DealSpecialBoard(g);
    const std::map<int, int> counts = KindCounts(g);
    ASSERT_EQ(counts.size(), 70u);
    for (const auto& [kind, count] : counts)
        EXPECT_EQ(count, 2) << "kind " << kind;
    ExpectPlayingState(g, 70);
}

TEST(DealSpecialBoard, AThemedStartUsesKindsUpToSixtyThree)
{
    Game g = Prepared(7, {11, 16});
    DealSpecialBoard(g);
    const std::map<int, int> counts = KindCounts(g);
    ASSERT_EQ(counts.size(), 63u);
    EXPECT_EQ(counts.rbegin()->first, 63);
    ExpectPlayingState(g, 63);
}

TEST(DealSpecialBoard, FoldsMergeKindsInSmallThemes)
{
    Game one = Prepared(1, SpecialLevelSize);
    DealSpecialBoard(one);
    for (const auto& [kind, count] : KindCounts(one))
        EXPECT_EQ(count, kind <= 8 ? 2 : 4) << "theme 1 kind " << kind;

    Game ten = Prepared(10, SpecialLevelSize);
    DealSpecialBoard(ten);
    const std::map<int, int> counts = KindCounts(ten);
    ASSERT_EQ(counts.size(), 20u);
    for (const auto& [kind, count] : counts)
        EXPECT_EQ(count, kind >= 2 && kind <= 11 ? 8 : 6) << "theme 10 kind " << kind;
}

TEST(DealSpecialBoard, PlaysEveryThemeOnBothSizes)
{
    for (int theme = 0; theme < ThemeCount; ++theme) {
        for (const BoardSize size : {SpecialLevelSize, BoardSize{11, 16}}) {
            Game g = Prepared(theme, size, 900.0 + theme);
            DealSpecialBoard(g);
            ExpectPlayingState(g, 70);
        }
    }
}

TEST(FoldCode, FollowsEachThemesRule)
{
    EXPECT_EQ(FoldCode(0, 170), 170);
    EXPECT_EQ(FoldCode(1, 139), 139);
    EXPECT_EQ(FoldCode(1, 140), 109);
    EXPECT_EQ(FoldCode(1, 170), 139);
    EXPECT_EQ(FoldCode(4, 139), 102);
    EXPECT_EQ(FoldCode(5, 164), 154);
    EXPECT_EQ(FoldCode(7, 170), 170);
    EXPECT_EQ(FoldCode(10, 123), 104);
    EXPECT_EQ(FoldCode(10, 120), 120);
    EXPECT_EQ(FoldCode(20, 130), 130);
    EXPECT_EQ(FoldCode(20, 131), 102);
    EXPECT_EQ(FoldCode(26, 123), 102);
    EXPECT_EQ(FoldCode(29, 170), 123);
}

TEST(FoldCode, LandsEveryCodeOnAPictureOfItsTheme)
{
    for (int theme = 0; theme < ThemeCount; ++theme) {
        for (int code = 101; code <= 170; ++code) {
            const int folded = FoldCode(theme, code);
            EXPECT_GE(folded, 101) << theme << "/" << code;
            EXPECT_LE(folded - KindCodeBase, PictureCount(theme)) << theme << "/" << code;
            if (code - KindCodeBase <= PictureCount(theme)) {
                EXPECT_EQ(folded, code) << "a kind the Theme can show stays itself";
            }
        }
    }
}

TEST(FoldKindCode, RewritesTheSlotForTheCurrentTheme)
{
    Game g = Prepared(10, {9, 14});
    g.board.InnerSlots[3] = 123;
    FoldKindCode(g, 3);
    EXPECT_EQ(g.board.InnerSlots[3], 104);
}

TEST(ResetTimeAndScore, FillsTheTimeBarAndZeroesTheScore)
{
    Game g;
    g.counters.TimeBar = 12;
    g.counters.Score = 990;
    ResetTimeAndScore(g);
    EXPECT_EQ(g.counters.TimeBar, FullTimeBar);
    EXPECT_EQ(g.counters.Score, 0);
}

} // namespace
} // namespace llk
