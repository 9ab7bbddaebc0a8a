// The random routines of dealing and shuffling: RandomInt and the sampler DrawSequence.
#pragma once

#include "board/game.h"

namespace llk {

// Mixes the time of day from g.clock into the generator's state. Re-seeding with an unchanged
// time continues the sequence instead of restarting it.
void Reseed(Game& g);

// A whole number from 1 to n, each equally likely; re-seeds first.
int RandomInt(Game& g, int n);

// Fills DrawList(1 ... length) with distinct numbers from 1 to range in random order; re-seeds
// first. Draw j takes the RandomInt(range - j + 1)-th smallest number not drawn yet.
void DrawSequence(Game& g, int range, int length);

} // namespace llk
