// The selection: the tile picked by a first click, and the pair linked last.
#pragma once

namespace llk {

// How far the clicks of one pair have come; the game's design counts these states 0, 1 and 2.
// SecondTile lasts only while the second click is tested: it ends as a link, or as a new first tile.
enum class SelectionState { None, FirstTile, SecondTile };

struct Selection {
    llk::SelectionState SelectionState = llk::SelectionState::None;
    int SelectedKind = 0;
    int SelectedCell = 0;
    int formFirstClick = 0;
    int formLastClick = 0;
};

} // namespace llk
