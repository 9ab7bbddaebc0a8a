// Link search: can two tiles be joined by at most three straight segments through empty Cells?
#pragma once

#include "board/game.h"

namespace llk {

// Row and column of a CellIndex, counted from 1.
inline int CellRow(const Game& g, int cell) { return (cell + g.board.ColCount - 1) / g.board.ColCount; }
inline int CellCol(const Game& g, int cell)
{
    const int rest = cell % g.board.ColCount;
    return rest == 0 ? g.board.ColCount : rest;
}

bool CellIsEmpty(const Game& g, int row, int col);

// True when every Cell strictly between two Cells of one column, or else of one row, is empty;
// false for Cells in neither. The end Cells are not examined.
bool StraightClear(const Game& g, int r1, int c1, int r2, int c2);

// Whether the tiles in two distinct inner Cells can be linked; kinds are not compared. Ways are
// tried in a fixed order (neighbours, straight, one corner, two corners) and with `draw` the
// first path found is shown. The result and the path do not depend on the argument order.
bool LinkTest(Game& g, int first, int second, bool draw);

// A path with one corner: at (upper row, lower tile's column) or else at (lower row, upper
// tile's column).
bool OneTurnLink(Game& g, int p, int q, bool draw);

// A path with two corners, tried in seven blocks: over the top, under the bottom, detours on the
// left and on the right, a vertical middle leg, and a horizontal middle leg with the right or the
// left tile higher. Within a block the line nearest the tiles wins.
bool TwoTurnLink(Game& g, int p, int q, bool draw);

} // namespace llk
