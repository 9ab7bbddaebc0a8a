// Shuffle: the tiles left on the Board are dealt again over the same Cells until a pair links.
#pragma once

#include <functional>

#include "board/game.h"

namespace llk {

// The dead-board test a shuffle repeats until it answers yes. The game passes the pair search's
// FindPairLimited; the Board library cannot know the pair search (it lives above the link search),
// so the test comes in as a parameter, and tests can count or script the attempts.
using PairTest = std::function<bool(Game&)>;

// Gathers the kinds of the occupied inner Cells in reading order and redistributes them until
// `hasPair` accepts the arrangement; only then are the pictures repainted. Which Cells are
// occupied, the multiset of kinds, the sprites' visibility, the counters and the time stay as
// they are. Returns false, changing nothing, when ShufflesLeft is 0 or less or when no kind has
// two tiles (an empty Board included): no arrangement could then ever hold a pair.
bool ShuffleBoard(Game& g, const PairTest& hasPair);

// The inner step for the m kinds in InnerSlots(1 ... m): a loop of random orders, each followed
// by ResetHintState, SyncGrid and the test. Ends with probability 1 when some kind has two tiles:
// an order that gives the first two occupied Cells in reading order one kind always links them.
void RedistributeKinds(Game& g, int m, const PairTest& hasPair);

} // namespace llk
