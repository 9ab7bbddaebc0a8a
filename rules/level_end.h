// The removal tick and the level end: the linked pair removed and scored, then the level
// played on, cleared with its bonus, shuffled by itself or lost.
#pragma once

#include "board/game.h"
#include "rules/level_shift.h" // LastRegularLevel

namespace llk {

constexpr int RemovalScore = 10;
constexpr int HintBonus = 10;
constexpr int ShuffleBonus = 50;
constexpr int SecondBonus = 10;
constexpr int KindCountStep = 5; // more kinds on every next level
constexpr int HintsPerLevel = 3;
constexpr int ShufflesPerLevel = 1;

// Timer1's tick, run only while the timer is on: the linked pair leaves the Board, the level
// shifts the tiles, the level end is checked and the removal scored.
void RemovalStep(Game& g);

// Empties the two Cells of the linked pair, first, then second, hiding their sprites.
void RemovePair(Game& g, int a, int b);

// Decides how the level goes on: a linkable pair left plays on; an empty Board clears the level
// (bonus and the next deal, or the game won after the Special board); tiles without a removable
// pair shuffle by themselves while shuffles are left and lose the game otherwise.
void CheckLevelEnd(Game& g, bool showHint);

} // namespace llk
