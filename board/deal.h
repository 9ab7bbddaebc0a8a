// Dealing a Board: the regular deal of levels 1-11, the Special deal, and the resets around them.
#pragma once

#include "board/game.h"

namespace llk {

// The KindCode `code` (101-170) folded into Theme `theme`'s pictures. Some Themes wrap the
// high codes round, others shift them down by a fixed amount; either way kinds merge.
int FoldCode(int theme, int code);
// Folds the KindCode in InnerSlots(slot) for the current Theme, in place.
void FoldKindCode(Game& g, int slot);

// Deals every inner Cell: each pair draws a kind from 1 to `kinds` and lands on two random Cells.
// Needs ResizeBoard and CreateSprites for the current size.
void DealRegularBoard(Game& g, int kinds);
// Deals every inner Cell with each kind from 1 to the number of pairs exactly once as a pair
// (before folding).
void DealSpecialBoard(Game& g);

// Clears the pair search and the level-cleared flag.
void ResetHintState(Game& g);
// A full time bar and a score of 0: the game-start paths, not the level-to-level deal.
void ResetTimeAndScore(Game& g);

} // namespace llk
