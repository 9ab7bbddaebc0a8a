// Setting a game up: the Game-menu start with its per-game counters, and a given Board loaded
// into the running game as a deal loads one.
#pragma once

#include <span>

#include "board/game.h"

namespace llk {

constexpr int StartShuffles = 3;
constexpr int StartHints = 3;
constexpr int StartKindCount = 15;
constexpr int SpecialShuffles = 6;
constexpr int SpecialHints = 12;
constexpr int SpecialLevel = 12;

// The Game-menu start of a Theme (0-29) and Difficulty (0-4). Returns false, after setting
// ThemeIndex only, for a difficulty outside 0-4, and changes nothing for a theme outside 0-29.
bool StartGame(Game& g, int theme, int difficulty);

// Resets the per-game counters to a regular game's start (level 1, no automatic shuffles) and
// starts the countdown.
void gameLoadData(Game& g);

// Replaces every Cell of the running game's Board (entries 1 to RowCount x ColCount, same size,
// border empty) as a deal does: pictures set, tiles shown, CellGrid in step, the pair search and
// the level-cleared flag reset, the selection dropped. A removal still due belonged to the old
// tiles and is discarded; while paused the new tiles stay hidden until the resume.
void LoadBoard(Game& g, std::span<const int> cells);

} // namespace llk
