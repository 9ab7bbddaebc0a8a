// The selection: the tile picked by a first click, and the pair linked last.
#pragma once

namespace llk {

struct Selection {
    int SelectionState = 0;
    int SelectedKind = 0;
    int SelectedCell = 0;
    int formFirstClick = 0;
    int formLastClick = 0;
};

} // namespace llk
