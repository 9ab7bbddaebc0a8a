// The link search against a plain breadth-first search over random boards: it must find a link
// exactly when one of at most three segments exists, and draw a connected path.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <random>

#include "board/board.h"
#include "linking/board_view.h"
#include "linking/link_search.h"

namespace llk {
namespace {

struct Step {
    int dRow;
    int dCol;
};
constexpr std::array<Step, 4> Directions{{{-1, 0}, {0, 1}, {1, 0}, {0, -1}}}; // up right down left

// The fewest corners of a path from `from` to `to` through empty Cells, or -1 for none.
int FewestCorners(const Game& g, int from, int to)
{
    constexpr int Unreached = 1 << 20;
    std::vector<std::array<int, 4>> corners(g.board.Cells.size(), {Unreached, Unreached, Unreached, Unreached});
    std::deque<std::pair<int, int>> queue; // cell, direction of arrival
    const int fromRow = CellRow(g, from);
    const int fromCol = CellCol(g, from);
    for (int d = 0; d < 4; ++d) {
        corners[from][d] = 0;
        queue.emplace_back(from, d);
    }
    int best = Unreached;
    while (!queue.empty()) {
        const auto [cell, arrival] = queue.front();
        queue.pop_front();
        const int turns = corners[cell][arrival];
        const int row = cell == from ? fromRow : CellRow(g, cell);
        const int col = cell == from ? fromCol : CellCol(g, cell);
        for (int d = 0; d < 4; ++d) {
            const int cost = turns + (cell != from && d != arrival ? 1 : 0);
            const int nextRow = row + Directions[d].dRow;
            const int nextCol = col + Directions[d].dCol;
            if (nextRow < 1 || nextRow > g.board.RowCount || nextCol < 1 || nextCol > g.board.ColCount)
                continue;
            const int next = CellIndex(g, nextRow, nextCol);
            if (next == to) {
                best = std::min(best, cost);
                continue;
            }
            if (g.board.Cells[next] != EmptyCell || cost >= corners[next][d])
                continue;
            corners[next][d] = cost;
            if (cost == turns)
                queue.emplace_front(next, d);
            else
                queue.emplace_back(next, d);
        }
    }
    return best == Unreached ? -1 : best;
}

// The directions each LinkPiece's dots point to, by Image2 member.
std::vector<int> PieceDirections(int member)
{
    switch (member) {
    case 1: return {1, 3};
    case 2: return {0, 2};
    case 3: return {1, 2};
    case 4: return {0, 1};
    case 5: return {3, 2};
    case 6: return {0, 3};
    default: return {};
    }
}

// Every drawn piece must point at pieces that point back, or at one of the two tiles, and the
// pieces must number the path's corners at most two.
void ExpectConnectedPath(const Game& g, int p, int q)
{
    int corners = 0;
    int tileEnds = 0;
    for (int cell = 1; cell <= CellCount(g); ++cell) {
        const TileSprite& sprite = g.screen.Sprites[cell];
        if (!sprite.visible || sprite.picture != SpritePicture::LinkPiece)
            continue;
        ASSERT_EQ(g.board.Cells[cell], EmptyCell);
        corners += sprite.pictureNumber >= 3 ? 1 : 0;
        for (const int d : PieceDirections(sprite.pictureNumber)) {
            const int next = CellIndex(g, CellRow(g, cell) + Directions[d].dRow, CellCol(g, cell) + Directions[d].dCol);
            if (next == p || next == q) {
                ++tileEnds;
                continue;
            }
            const TileSprite& neighbour = g.screen.Sprites[next];
            ASSERT_TRUE(neighbour.visible && neighbour.picture == SpritePicture::LinkPiece) << "cell " << cell;
            const std::vector<int> back = PieceDirections(neighbour.pictureNumber);
            EXPECT_TRUE(std::find(back.begin(), back.end(), (d + 2) % 4) != back.end())
                << "cell " << cell << " points at a piece that does not point back";
        }
    }
    EXPECT_LE(corners, 2);
    EXPECT_TRUE(tileEnds == 0 || tileEnds == 2) << tileEnds;
}

Game RandomBoard(std::mt19937& random, int rows, int cols, int fillPercent)
{
    Game g;
    ResizeBoard(g, rows, cols);
    CreateSprites(g);
    std::vector<int> cells(static_cast<std::size_t>(rows * cols + 1), EmptyCell);
    std::uniform_int_distribution<int> percent(1, 100);
    for (int row = 2; row < rows; ++row)
        for (int col = 2; col < cols; ++col)
            if (percent(random) <= fillPercent)
                cells[CellIndex(g, row, col)] = 1;
    PlaceTiles(g, cells);
    return g;
}

TEST(LinkTestProperty, LinksExactlyWhenAPathOfThreeSegmentsExistsAndDrawsIt)
{
    for (unsigned seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        const int fill = 40 + static_cast<int>(seed % 5) * 10;
        Game g = RandomBoard(random, 8 + static_cast<int>(seed % 3), 9 + static_cast<int>(seed % 4), fill);
        std::vector<int> tiles;
        for (int cell = 1; cell <= CellCount(g); ++cell)
            if (g.board.Cells[cell] != EmptyCell)
                tiles.push_back(cell);
        for (std::size_t i = 0; i < tiles.size(); ++i) {
            for (std::size_t j = i + 1; j < tiles.size(); ++j) {
                const int p = tiles[i];
                const int q = tiles[j];
                const int fewest = FewestCorners(g, p, q);
                const bool expected = fewest >= 0 && fewest <= 2;
                ASSERT_EQ(LinkTest(g, p, q, false), expected) << "seed " << seed << ", cells " << p << " " << q;
                if (!expected)
                    continue;
                Game forward = g;
                Game backward = g;
                LinkTest(forward, p, q, true);
                LinkTest(backward, q, p, true);
                ExpectConnectedPath(forward, p, q);
                for (int cell = 1; cell <= CellCount(g); ++cell)
                    ASSERT_EQ(forward.screen.Sprites[cell].pictureNumber, backward.screen.Sprites[cell].pictureNumber)
                        << "seed " << seed << ", cells " << p << " " << q << ", the order changed the path";
                if (testing::Test::HasFailure())
                    FAIL() << "seed " << seed << ", cells " << p << " " << q;
            }
        }
    }
}

} // namespace
} // namespace llk
