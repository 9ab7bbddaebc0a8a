// LinkTest on the largest board: the quickest answers and a pair on which every way is tried.
#include <benchmark/benchmark.h>

#include "board/board.h"
#include "linking/board_view.h"
#include "linking/link_search.h"

namespace llk {
namespace {

constexpr int Rows = 12;
constexpr int Cols = 20;

// A 12 x 20 board full of tiles except the Cells listed.
Game FullBoardWithHoles(std::initializer_list<std::pair<int, int>> holes)
{
    Game g;
    ResizeBoard(g, Rows, Cols);
    CreateSprites(g);
    std::vector<int> cells(static_cast<std::size_t>(Rows * Cols + 1), 1);
    for (int row = 1; row <= Rows; ++row)
        for (int col = 1; col <= Cols; ++col)
            if (IsBorderCell(g, row, col))
                cells[CellIndex(g, row, col)] = EmptyCell;
    for (const auto& [row, col] : holes)
        cells[CellIndex(g, row, col)] = EmptyCell;
    PlaceTiles(g, cells);
    return g;
}

void BM_LinkTestNeighbours(benchmark::State& state)
{
    Game g = FullBoardWithHoles({});
    const int p = CellIndex(g, 6, 8);
    const int q = CellIndex(g, 6, 9);
    for (auto _ : state)
        benchmark::DoNotOptimize(LinkTest(g, p, q, false));
}
BENCHMARK(BM_LinkTestNeighbours);

void BM_LinkTestStraight(benchmark::State& state)
{
    Game g = FullBoardWithHoles({{6, 3}, {6, 4}, {6, 5}, {6, 6}, {6, 7}, {6, 8}, {6, 9}, {6, 10}});
    const int p = CellIndex(g, 6, 2);
    const int q = CellIndex(g, 6, 11);
    for (auto _ : state)
        benchmark::DoNotOptimize(LinkTest(g, p, q, false));
}
BENCHMARK(BM_LinkTestStraight);

// Each tile sits in a hole of its own, a cross of empty Cells: every pre-test holds, so both
// corners and all seven blocks run, and every line fails.
void BM_LinkTestWorstCase(benchmark::State& state)
{
    Game g = FullBoardWithHoles({{3, 5}, {5, 5}, {4, 4}, {4, 6}, {8, 15}, {10, 15}, {9, 14}, {9, 16}});
    const int p = CellIndex(g, 4, 5);
    const int q = CellIndex(g, 9, 15);
    if (LinkTest(g, p, q, false))
        state.SkipWithError("the worst-case pair links");
    for (auto _ : state)
        benchmark::DoNotOptimize(LinkTest(g, p, q, false));
}
BENCHMARK(BM_LinkTestWorstCase);

} // namespace
} // namespace llk
