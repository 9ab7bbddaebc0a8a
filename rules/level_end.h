// Level end, scoring and time: the removal tick, the level-end check and the countdown.
#pragma once

#include "board/game.h"
#include "rules/level_shift.h" // LastRegularLevel

namespace llk {

constexpr int RemovalScore = 10;
constexpr int TimeBarTickTwips = 20;  // one second of the countdown
constexpr int TimeOutBelowTwips = 50; // the countdown ends the game below this width
constexpr int HintBonus = 10;
constexpr int ShuffleBonus = 50;
constexpr int SecondBonus = 10;
constexpr int KindCountStep = 5; // more kinds on every next level
constexpr int HintsPerLevel = 3;
constexpr int ShufflesPerLevel = 1;

// The time bar in whole seconds, rounded down.
int RemainingSeconds(const Game& g);

// Empties the two Cells of the linked pair, first, then second, hiding their sprites.
void RemovePair(Game& g, int a, int b);

// Decides how the level goes on: a linkable pair left plays on; an empty Board clears the level
// (bonus and the next deal, or the game won after the Special board); tiles without a removable
// pair shuffle by themselves while shuffles are left and lose the game otherwise.
void CheckLevelEnd(Game& g, bool showHint);

} // namespace llk
