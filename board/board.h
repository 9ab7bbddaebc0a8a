// The Board: its size per Difficulty, the Cell arrays, and the board-wide operations on them.
#pragma once

#include <optional>
#include <span>

#include "board/game.h"
#include "board/theme.h"

namespace llk {

constexpr int EmptyCell = 0;
constexpr int KindCodeBase = 100; // a KindCode is 100 + TileKind
constexpr int MaxTileKind = 70;
// The largest Board a tool may load, border included; the game's own Boards are far smaller.
constexpr int MaxBoardSide = 30;

// Rows and columns, both counting the one-cell border.
struct BoardSize {
    int rows = 0;
    int cols = 0;
    friend bool operator==(const BoardSize&, const BoardSize&) = default;
};

// The Board of level 12, after the eleventh level of a regular game.
constexpr BoardSize SpecialLevelSize{12, 16};

// The Board of a Game-menu start. Themes 0-3 play Very hard on 12 x 20 and Special on 12 x 16;
// the other Themes get 11 x 18 and 11 x 16. Nothing for a difficulty outside 0-4.
std::optional<BoardSize> BoardSizeFor(int difficulty, int theme);

inline int CellCount(const Game& g) { return g.board.RowCount * g.board.ColCount; }
inline int InnerCellCount(const Game& g) { return (g.board.RowCount - 2) * (g.board.ColCount - 2); }
inline bool IsBorderCell(const Game& g, int row, int col)
{
    return row == 1 || row == g.board.RowCount || col == 1 || col == g.board.ColCount;
}
// The InnerSlots entry of an inner Cell: the inner Cells numbered row by row from 1.
inline int SlotIndex(const Game& g, int row, int col) { return (row - 2) * (g.board.ColCount - 2) + (col - 1); }

// Visits the inner Cells row by row, the order every deal and the shuffle rely on, as
// visit(row, col, cell).
template <typename Visit> void ForEachInnerCell(const Game& g, Visit visit)
{
    for (int row = 2; row <= g.board.RowCount - 1; ++row)
        for (int col = 2; col <= g.board.ColCount - 1; ++col)
            visit(row, col, CellIndex(g, row, col));
}

// CellGrid(row, col), rows 0 to RowCount and columns 0 to ColCount.
inline int& GridAt(Game& g, int row, int col) { return g.board.CellGrid[row * (g.board.ColCount + 1) + col]; }
inline int GridAt(const Game& g, int row, int col) { return g.board.CellGrid[row * (g.board.ColCount + 1) + col]; }

// Sets the dimensions, recreates Cells, InnerSlots and CellGrid empty, resets the sampler and
// removes every sprite but the template, so CreateSprites can lay out a fresh set.
void ResizeBoard(Game& g, int rows, int cols);

// Writes 0 into every border Cell and hides its sprite.
void ClearBorder(Game& g);
// Writes 0 into every inner Cell and hides its sprite: a game that ends with tiles left.
void ClearInner(Game& g);
// Shows every inner sprite, then clears the border: the last step of a deal.
void ShowInner(Game& g);
// Copies the inner Cells into CellGrid.
void SyncGrid(Game& g);

// Gives the Cell's sprite the picture of KindCode `code` in the current Theme; neither the Cell
// nor the sprite's visibility changes.
void SetTilePicture(Game& g, int cell, int code);
// Lays given Cells (entries 1 to RowCount x ColCount) out as a deal leaves them: tile pictures
// set, tiles shown, empty Cells hidden, CellGrid in step. For tools and tests that start from a
// known Board; the Board must be resized to match and its sprites created.
void PlaceTiles(Game& g, std::span<const int> cells);

// The bitmap number that shows TileKind `kind` in Theme `theme`.
inline int TileBitmapId(int theme, int kind) { return FirstBitmapId(theme) + kind - 1; }

} // namespace llk
