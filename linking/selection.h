// Selection: what a click on a tile does, from the first pick to a linked pair.
#pragma once

#include "board/game.h"

namespace llk {

// A left-button press on the sprite of a Cell. The first click selects the tile; a second click
// on a tile of the same kind links the two when a LinkPath exists, draws it, records the pair and
// switches the removal timer on. Presses while a linked pair waits for its removal tick, on
// hidden sprites and on Cells without a tile (a link piece shown until that tick) are ignored:
// no selection change, no marker, no sound.
void ClickTile(Game& g, int cell);

// The bookkeeping of a linked pair: four seconds more on the time bar, and the pair search
// forgets the two Cells as candidates and counts them as visited.
void RecordRemoval(Game& g, int first, int second);

// Drops a pending selection and hides both markers: a selection never outlives a change of its
// Cell (a game start, a deal, a shuffle, the end of a game).
void DropSelection(Game& g);

// After a removal tick: drops a selection whose Cell no longer holds the selected kind, because
// a level shift moved the tile away, and hides its marker.
void DropStaleSelection(Game& g);

} // namespace llk
