// Level shifts: after every removed pair the remaining tiles slide by the rule of the level.
#pragma once

#include <string_view>

#include "board/game.h"

namespace llk {

// The split lines of the Board, computed from its height and width. The upper and lower parts
// are not cut at one fixed row: each pass has its own scan range built from these.
int SplitRowUp(const Game& g);   // (R - 1) / 2 for odd R, R / 2 - 1 for even R
int SplitRowDown(const Game& g); // R / 2 rounded half to even
int SplitRowLeft(const Game& g); // SplitRowDown for odd R, R / 2 - 1 for even R
inline int HalfCol(const Game& g) { return g.board.ColCount / 2; }
// Upper and lower parts meet at this CellIndex; on Boards with an odd R - 1 it falls inside a row.
inline int MidIndex(const Game& g) { return (g.board.RowCount - 1) * g.board.ColCount / 2; }

// Level 1 and the Special board move nothing; the levels between have a rule each.
constexpr int FirstShiftingLevel = 2;
constexpr int LastRegularLevel = 11;

enum class ShiftDirection { Up, Down, Left, Right };
// Which part of the rows (x) or columns (y) a pass works on.
enum class ShiftPart { All, First, Second };

// A line of the Board that a scan range starts or ends at, plus an offset: Rows + (-2) is R - 2.
enum class BoardLine { Zero, Rows, Cols, SplitRowUp, SplitRowDown, SplitRowLeft, HalfCol };
struct ScanBound {
    BoardLine line;
    int offset;
};

// One pass, named by its code ("x1u", "x2y2d" ...): the region prefix, the direction, and the
// rows and columns it scans, in scan order (the row loop outside).
struct ShiftCode {
    std::string_view text;
    ShiftPart rows;
    ShiftPart cols;
    ShiftDirection direction;
    ScanBound rowFrom, rowTo, colFrom, colTo;
};

// The code of a pass by its text; only the codes the levels use exist. Asserts on others.
const ShiftCode& ShiftCodeNamed(std::string_view text);

// Applies the rule of `level` (the shifting levels move tiles; any other level moves nothing). Tiles
// keep their kind and picture; CellGrid follows when a rule ran.
void ShiftBoard(Game& g, int level);

// Where a tile about to move into the empty Cell p comes to rest.
int SlideTarget(const Game& g, int p, const ShiftCode& code);

} // namespace llk
