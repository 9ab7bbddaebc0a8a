// Dealing the largest board: the regular deal of level 11 and the Special deal.
#include <benchmark/benchmark.h>

#include "board/board.h"
#include "board/deal.h"
#include "board/random.h"
#include "linking/board_view.h"

namespace llk {
namespace {

// The clock is the real time of day, as in the game, so re-seeding is part of the figure.
Game LargestBoard()
{
    Game g;
    g.board.ThemeIndex = 3;
    ResizeBoard(g, 12, 20);
    CreateSprites(g);
    return g;
}

void BM_DealRegularBoard65(benchmark::State& state)
{
    Game g = LargestBoard();
    for (auto _ : state) {
        DealRegularBoard(g, 65);
        benchmark::DoNotOptimize(g.board.Cells.data());
    }
}
BENCHMARK(BM_DealRegularBoard65);

void BM_DealSpecialBoard(benchmark::State& state)
{
    Game g = LargestBoard();
    for (auto _ : state) {
        DealSpecialBoard(g);
        benchmark::DoNotOptimize(g.board.Cells.data());
    }
}
BENCHMARK(BM_DealSpecialBoard);

void BM_DrawSequence180(benchmark::State& state)
{
    Game g = LargestBoard();
    for (auto _ : state) {
        DrawSequence(g, 180, 180);
        benchmark::DoNotOptimize(g.DrawList.data());
    }
}
BENCHMARK(BM_DrawSequence180);

} // namespace
} // namespace llk
