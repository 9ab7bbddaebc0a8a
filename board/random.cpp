#include "board/random.h"

#include <bit>
#include <cassert>
#include <cmath>
#include <cstdint>

namespace llk {
namespace {

// SplitMix64: small, fast and well mixed, which is all a deal needs.
std::uint64_t NextBits(RandomState& random)
{
    std::uint64_t z = (random.state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Uniform in [0, 1) with 53 random bits.
double NextUnit(RandomState& random) { return static_cast<double>(NextBits(random) >> 11) * 0x1.0p-53; }

} // namespace

void Reseed(Game& g)
{
    const auto timeBits = std::bit_cast<std::uint64_t>(g.clock());
    g.random.state ^= timeBits;
    g.random.state = NextBits(g.random);
}

int RandomInt(Game& g, int n)
{
    Reseed(g);
    const double u = NextUnit(g.random);
    return std::abs(static_cast<int>(std::floor(u * n)) + 1);
}

void DrawSequence(Game& g, int range, int length)
{
    assert(length <= range);
    Reseed(g);
    g.DrawList.assign(static_cast<std::size_t>(length + 1), 0);

    // The numbers not drawn yet, ascending: the same pool the draw picks its r-th entry from.
    std::vector<int> pool(static_cast<std::size_t>(range));
    for (int k = 1; k <= range; ++k)
        pool[static_cast<std::size_t>(k - 1)] = k;
    for (int j = 1; j <= length; ++j) {
        const int r = RandomInt(g, range - j + 1);
        const auto picked = pool.begin() + (r - 1);
        g.DrawList[static_cast<std::size_t>(j)] = *picked;
        pool.erase(picked);
    }
}

} // namespace llk
