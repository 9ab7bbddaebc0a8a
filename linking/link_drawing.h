// Showing a found LinkPath: LinkPieces in the sprites of its empty Cells, and erasing them again.
#pragma once

#include "board/game.h"

namespace llk {

// The Image2 member, 1-6, of each LinkPiece; a corner's member is its CornerKind + 2.
enum class LinkPiece {
    Horizontal = 1,
    Vertical = 2,
    RightDown = 3, // CornerKind 1
    UpRight = 4,   // CornerKind 2
    LeftDown = 5,  // CornerKind 3
    UpLeft = 6,    // CornerKind 4
};

// The corner Cells of a LinkPath, named by the two directions they join.
enum class CornerKind { RightDown = 1, UpRight = 2, LeftDown = 3, UpLeft = 4 };

// The straight piece in every Cell strictly between two Cells of one row or one column;
// nothing for Cells in neither.
void DrawSegment(Game& g, int r1, int c1, int r2, int c2);
// The corner piece of `kind` in the Cell (row, col).
void DrawCorner(Game& g, int row, int col, CornerKind kind);
// Hides the sprite of every empty Cell: the removal tick's first step.
void EraseLinkPath(Game& g);

} // namespace llk
