// The Board's data: its size, the Cell arrays, and the Theme and Difficulty it was dealt for.
#pragma once

#include <vector>

namespace llk {

// Rows and columns count the one-cell border. Index 0 of Cells is unused.
struct Board {
    int RowCount = 0;
    int ColCount = 0;
    std::vector<int> Cells;      // 0 empty, 1-70 a TileKind
    std::vector<int> CellGrid;   // (RowCount + 1) x (ColCount + 1), a snapshot for the click handler
    std::vector<int> InnerSlots; // KindCodes while dealing, plain kinds while shuffling
    int ThemeIndex = 0;
    int DifficultyIndex = 0; // of the Game-menu start, 0-4
};

} // namespace llk
