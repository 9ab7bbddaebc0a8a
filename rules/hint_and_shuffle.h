// The Items menu's hint (F5) and shuffle (F6): each spends one of the game's allowance.
#pragma once

#include "board/game.h"

namespace llk {

// Outlines the next linkable pair, or ends the level as the search finds it (cleared, or no
// removable pair left), and spends a hint.
void HintCommand(Game& g);

// Deals the tiles left again until a pair links, and spends a shuffle; nothing is spent when no
// kind has two tiles left.
void ShuffleCommand(Game& g);

} // namespace llk
