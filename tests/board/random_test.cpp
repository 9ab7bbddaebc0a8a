// The random routines: re-seeding from the clock, RandomInt's range and the sampler's draw order.
#include "board/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <numeric>
#include <set>
#include <vector>

namespace llk {
namespace {

Game WithFixedClock(double timeOfDay)
{
    Game g;
    g.clock = [timeOfDay] { return timeOfDay; };
    return g;
}

std::vector<int> Draws(Game& g, int count, int n)
{
    std::vector<int> draws;
    for (int i = 0; i < count; ++i)
        draws.push_back(RandomInt(g, n));
    return draws;
}

TEST(RandomInt, StaysWithinOneToNAndReachesBothEnds)
{
    Game g = WithFixedClock(100.0);
    std::array<int, 8> seen{};
    for (int i = 0; i < 2000; ++i) {
        const int value = RandomInt(g, 7);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 7);
        ++seen[static_cast<std::size_t>(value)];
    }
    for (int value = 1; value <= 7; ++value)
        EXPECT_GT(seen[static_cast<std::size_t>(value)], 200) << value;
    EXPECT_EQ(RandomInt(g, 1), 1);
}

TEST(RandomInt, SuccessiveDrawsWithinOneClockValueDiffer)
{
    Game g = WithFixedClock(30000.25);
    const std::vector<int> first = Draws(g, 20, 1000);
    const std::vector<int> second = Draws(g, 20, 1000);
    EXPECT_NE(first, second);
    EXPECT_GT(std::set<int>(first.begin(), first.end()).size(), 15u);
}

TEST(RandomInt, AFixedClockRepeatsAndAnotherTimeDoesNot)
{
    Game a = WithFixedClock(4321.5);
    Game b = WithFixedClock(4321.5);
    Game c = WithFixedClock(4321.75);
    const std::vector<int> fromA = Draws(a, 30, 1000);
    EXPECT_EQ(Draws(b, 30, 1000), fromA);
    EXPECT_NE(Draws(c, 30, 1000), fromA);
}

TEST(RandomInt, ReseedsFromTheClockAtEveryCall)
{
    Game g;
    int calls = 0;
    g.clock = [&calls] {
        ++calls;
        return 10.0;
    };
    RandomInt(g, 6);
    RandomInt(g, 6);
    EXPECT_EQ(calls, 2);
    DrawSequence(g, 4, 4);
    EXPECT_EQ(calls, 2 + 1 + 4);
}

TEST(DrawSequence, DrawsAPermutationOfOneToRange)
{
    Game g = WithFixedClock(7.0);
    DrawSequence(g, 180, 180);
    ASSERT_EQ(g.DrawList.size(), 181u);
    std::vector<int> sorted(g.DrawList.begin() + 1, g.DrawList.end());
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> expected(180);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(sorted, expected);
}

// The order the game has always drawn in: draw j takes the RandomInt(range - j + 1)-th entry of
// the numbers not drawn yet, rebuilt in ascending order by a full scan before every draw.
TEST(DrawSequence, KeepsTheDrawOrderOfTheAscendingPool)
{
    Game g = WithFixedClock(5555.0);
    Game reference = WithFixedClock(5555.0);
    DrawSequence(g, 40, 40);

    Reseed(reference);
    std::vector<int> drawn;
    for (int j = 1; j <= 40; ++j) {
        std::vector<int> pool;
        for (int k = 1; k <= 40; ++k)
            if (std::find(drawn.begin(), drawn.end(), k) == drawn.end())
                pool.push_back(k);
        drawn.push_back(pool[static_cast<std::size_t>(RandomInt(reference, 40 - j + 1) - 1)]);
    }
    EXPECT_EQ(std::vector<int>(g.DrawList.begin() + 1, g.DrawList.end()), drawn);
}

TEST(DrawSequence, GivesEveryOrderTheSameChance)
{
    Game g = WithFixedClock(12.5);
    std::map<std::vector<int>, int> counts;
    constexpr int Runs = 6000;
    for (int i = 0; i < Runs; ++i) {
        DrawSequence(g, 3, 3);
        ++counts[std::vector<int>(g.DrawList.begin() + 1, g.DrawList.end())];
    }
    ASSERT_EQ(counts.size(), 6u);
    for (const auto& [order, count] : counts)
        EXPECT_NEAR(count, Runs / 6, 150) << order[0] << order[1] << order[2];
}

} // namespace
} // namespace llk
