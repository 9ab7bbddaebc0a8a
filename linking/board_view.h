// The Board on screen: the grid's pitch per Theme, one TileSprite per Cell, and the two markers.
#pragma once

#include "board/game.h"

namespace llk {

// Sets the sprite origin and, for a valid ThemeIndex, the cell pitch in twips from the Theme's
// tile size and g.screen.TwipsPerPixelX/Y; an invalid Theme keeps the previous pitch.
void ComputeCellMetrics(Game& g);

// The top-left corner of column `col` / row `row` in twips.
inline int CellLeft(const Game& g, int col) { return (col - 1) * g.screen.CellWidth + g.screen.SpriteOriginX; }
inline int CellTop(const Game& g, int row) { return (row - 1) * g.screen.CellHeight + g.screen.SpriteOriginY; }

// One hidden sprite showing the template per Cell of the current Board, placed on its Cell.
// Later sprites lie above earlier ones.
void CreateSprites(Game& g);

// Moves a marker onto the Cell (row, col) and sizes it to one cell; its visibility is the
// caller's business.
void PlaceMarker(Game& g, Marker& marker, int row, int col);

} // namespace llk
