// Starting a game from the Game menu: Board size, deal, and the per-game counters.
#pragma once

#include "board/game.h"

namespace llk {

constexpr int StartShuffles = 3;
constexpr int StartHints = 3;
constexpr int StartKindCount = 15;
constexpr int SpecialShuffles = 6;
constexpr int SpecialHints = 12;
constexpr int SpecialLevel = 12;

// Resets the per-game counters (3 shuffles, 3 hints, level 1, 15 kinds, no automatic shuffles)
// and starts the countdown.
void gameLoadData(Game& g);

} // namespace llk
