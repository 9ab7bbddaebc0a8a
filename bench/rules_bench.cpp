// The rules on the largest Board: level shifts, the pair search, a whole removal step's search
// work, and the shuffle. Each figure includes restoring the Board it starts from (one copy of
// the Cells and sprites, BM_RestoreBoard alone).
#include <benchmark/benchmark.h>

#include <vector>

#include "board/board.h"
#include "board/shuffle.h"
#include "linking/selection.h"
#include "rules/commands.h"
#include "rules/level_end.h"
#include "rules/level_shift.h"
#include "rules/pair_search.h"

namespace llk {
namespace {

constexpr int SampleBoards = 16;

// A Very hard game of Theme 0 (12 x 20) on `level`, played `pairs` pairs in, with the next
// linkable pair emptied as the removal tick leaves it just before the shift.
Game MidGame(int seed, int level, int pairs)
{
    Game g;
    g.clock = [seed, n = 0]() mutable { return seed * 100.0 + 0.001 * n++; };
    StartGame(g, 0, 3);
    g.counters.Level = level;
    for (int done = 0; done <= pairs; ++done) {
        ResetPairSearch(g);
        const PairSearchOutcome found = FindPair(g, false);
        if (found.result != SearchResult::PairFound)
            break;
        if (done == pairs) {
            RemovePair(g, found.pair.first, found.pair.second);
            break;
        }
        ClickTile(g, found.pair.first);
        ClickTile(g, found.pair.second);
        RemovalStep(g);
    }
    return g;
}

struct Sample {
    std::vector<int> cells;
    std::vector<TileSprite> sprites;
};

std::vector<Sample> Samples(Game& g, int level, int pairs)
{
    std::vector<Sample> samples;
    for (int seed = 1; seed <= SampleBoards; ++seed) {
        const Game played = MidGame(seed, level, pairs);
        samples.push_back({played.board.Cells, played.screen.Sprites});
        if (seed == 1)
            g = played;
    }
    return samples;
}

void Restore(Game& g, const Sample& sample)
{
    std::copy(sample.cells.begin(), sample.cells.end(), g.board.Cells.begin());
    std::copy(sample.sprites.begin(), sample.sprites.end(), g.screen.Sprites.begin());
}

void BM_RestoreBoard(benchmark::State& state)
{
    Game g;
    const std::vector<Sample> samples = Samples(g, 11, 20);
    std::size_t i = 0;
    for (auto _ : state) {
        Restore(g, samples[i++ % samples.size()]);
        benchmark::DoNotOptimize(g.board.Cells.data());
    }
}
BENCHMARK(BM_RestoreBoard);

void BM_ShiftBoard(benchmark::State& state)
{
    const int level = static_cast<int>(state.range(0));
    Game g;
    const std::vector<Sample> samples = Samples(g, level, 20);
    std::size_t i = 0;
    for (auto _ : state) {
        Restore(g, samples[i++ % samples.size()]);
        ShiftBoard(g, level);
        benchmark::DoNotOptimize(g.board.Cells.data());
    }
}
BENCHMARK(BM_ShiftBoard)->ArgName("level")->Arg(10)->Arg(11);

// Shift plus the fresh search of the level-end check: the work of one removal tick.
void BM_RemovalStepSearch(benchmark::State& state)
{
    const int level = static_cast<int>(state.range(0));
    Game g;
    const std::vector<Sample> samples = Samples(g, level, static_cast<int>(state.range(1)));
    std::size_t i = 0;
    for (auto _ : state) {
        Restore(g, samples[i++ % samples.size()]);
        ShiftBoard(g, level);
        ResetPairSearch(g);
        benchmark::DoNotOptimize(FindPair(g, false));
    }
}
BENCHMARK(BM_RemovalStepSearch)->ArgNames({"level", "pairs"})->Args({11, 5})->Args({11, 45})->Args({10, 45})->Args({2, 45});

void BM_FindPairFreshFullBoard(benchmark::State& state)
{
    Game g;
    g.clock = [n = 0]() mutable { return 0.001 * n++; };
    StartGame(g, 0, 3);
    for (auto _ : state) {
        ResetPairSearch(g);
        benchmark::DoNotOptimize(FindPair(g, false));
    }
}
BENCHMARK(BM_FindPairFreshFullBoard);

void BM_ShuffleBoardHalfFull(benchmark::State& state)
{
    Game g;
    const std::vector<Sample> samples = Samples(g, 1, 45);
    g.counters.ShufflesLeft = 1;
    std::size_t i = 0;
    for (auto _ : state) {
        Restore(g, samples[i++ % samples.size()]);
        benchmark::DoNotOptimize(ShuffleBoard(g, FindPairLimited));
    }
}
BENCHMARK(BM_ShuffleBoardHalfFull);

} // namespace
} // namespace llk
