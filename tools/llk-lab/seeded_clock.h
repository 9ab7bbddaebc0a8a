// A time of day that starts at a seed and advances by a fixed step per reading, so runs repeat.
#pragma once

#include <memory>

#include "board/game.h"

namespace llk::lab {

inline TimeOfDay SeededClock(long long seed)
{
    constexpr double StepSeconds = 0.001;
    auto readings = std::make_shared<long long>(0);
    return [seed, readings] { return static_cast<double>(seed) + StepSeconds * static_cast<double>((*readings)++); };
}

} // namespace llk::lab
