// Shuffle: the same Cells keep the same multiset of kinds; only an accepted order is painted.
#include <gtest/gtest.h>

#include "board/shuffle.h"
#include "rules/pair_search.h"
#include "tests/rules/rules_support.h"

namespace llk {
namespace {

using test::MakeBoard;

Game HalfFullBoard()
{
    Game g = test::StartedGame(2, 2);
    // Every other Cell emptied, then one tile of each kind left with an odd count.
    for (int cell = 1; cell <= CellCount(g); cell += 2) {
        g.board.Cells[cell] = EmptyCell;
        g.screen.Sprites[cell].visible = false;
    }
    std::map<int, int> first;
    for (int cell = 1; cell <= CellCount(g); ++cell) {
        const int kind = g.board.Cells[cell];
        if (kind == EmptyCell)
            continue;
        if (first.erase(kind) == 0)
            first[kind] = cell;
    }
    for (const auto& [kind, cell] : first) {
        g.board.Cells[cell] = EmptyCell;
        g.screen.Sprites[cell].visible = false;
    }
    SyncGrid(g);
    return g;
}

TEST(ShuffleBoard, KeepsTheOccupiedCellsAndTheKindsAndRepaintsInTheTheme)
{
    Game g = HalfFullBoard();
    const auto counts = test::KindCounts(g);
    std::vector<bool> occupied;
    std::vector<bool> visible;
    for (int cell = 0; cell <= CellCount(g); ++cell) {
        occupied.push_back(g.board.Cells[cell] != EmptyCell);
        visible.push_back(g.screen.Sprites[cell].visible);
    }
    ASSERT_TRUE(ShuffleBoard(g, FindPairLimited));
    EXPECT_EQ(test::KindCounts(g), counts);
    for (int cell = 1; cell <= CellCount(g); ++cell) {
        EXPECT_EQ(g.board.Cells[cell] != EmptyCell, occupied[cell]) << cell;
        EXPECT_EQ(g.screen.Sprites[cell].visible, visible[cell]) << cell;
        if (occupied[cell]) {
            EXPECT_EQ(g.screen.Sprites[cell].pictureNumber, TileBitmapId(2, g.board.Cells[cell])) << cell;
        }
    }
    EXPECT_EQ(g.counters.ShufflesLeft, 3) << "the callers spend the shuffle";
}

TEST(ShuffleBoard, RepaintsOnlyTheAcceptedArrangement)
{
    Game g = HalfFullBoard();
    int attempts = 0;
    const auto pictures = [&g] {
        std::vector<int> numbers;
        for (const TileSprite& sprite : g.screen.Sprites)
            numbers.push_back(sprite.pictureNumber);
        return numbers;
    };
    const std::vector<int> before = pictures();
    ASSERT_TRUE(ShuffleBoard(g, [&](Game& game) {
        EXPECT_EQ(pictures(), before) << "attempt " << attempts;
        ++attempts;
        return attempts == 4 && FindPairLimited(game);
    }));
    EXPECT_EQ(attempts, 4);
    for (int cell = 1; cell <= CellCount(g); ++cell)
        if (g.board.Cells[cell] != EmptyCell) {
            EXPECT_EQ(g.screen.Sprites[cell].pictureNumber, TileBitmapId(2, g.board.Cells[cell]));
        }
}

TEST(ShuffleBoard, TwoTilesNeedOneAttempt)
{
    Game g = MakeBoard({"......", ".4....", "....4.", "......"});
    g.counters.ShufflesLeft = 1;
    int attempts = 0;
    EXPECT_TRUE(ShuffleBoard(g, [&](Game& game) {
        ++attempts;
        return FindPairLimited(game);
    }));
    EXPECT_EQ(attempts, 1);
    EXPECT_EQ(g.board.Cells[8], 4);
    EXPECT_EQ(g.board.Cells[17], 4);
}

TEST(ShuffleBoard, DoesNothingWithoutShufflesOrWithoutTwoTilesOfAKind)
{
    Game g = MakeBoard({"......", ".4....", "....4.", "......"});
    g.counters.ShufflesLeft = 0;
    EXPECT_FALSE(ShuffleBoard(g, FindPairLimited));

    Game empty = MakeBoard({"......", "......", "......", "......"});
    empty.counters.ShufflesLeft = 3;
    EXPECT_FALSE(ShuffleBoard(empty, FindPairLimited)) << "an empty Board returns at once";

    Game singles = MakeBoard({"......", ".4..5.", "....6.", "......"});
    singles.counters.ShufflesLeft = 3;
    EXPECT_FALSE(ShuffleBoard(singles, FindPairLimited)) << "no arrangement could hold a pair";
}

TEST(ShuffleCommand, WorksOnceWithOneShuffleLeft)
{
    Game g = test::StartedGame(0, 0);
    g.counters.ShufflesLeft = 1;
    ShuffleCommand(g);
    EXPECT_EQ(g.counters.ShufflesLeft, 0);
    const std::vector<int> cells = g.board.Cells;
    ShuffleCommand(g);
    EXPECT_EQ(g.counters.ShufflesLeft, 0);
    EXPECT_EQ(g.board.Cells, cells);
}

TEST(ShuffleCommand, SpendsNothingOnAnEmptyBoard)
{
    Game g = test::StartedGame(0, 0);
    std::vector<int> cells(g.board.Cells.size(), EmptyCell);
    PlaceTiles(g, cells);
    ShuffleCommand(g);
    EXPECT_EQ(g.counters.ShufflesLeft, 3);
}

} // namespace
} // namespace llk
