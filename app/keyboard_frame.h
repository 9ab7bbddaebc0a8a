// The keyboard's focus frame: which tile the arrow keys reach, and the dashed frame that shows it.
#pragma once

#include <QWidget>

#include "board/game.h"

namespace llk::app {

enum class Arrow { Left, Right, Up, Down };

// The first Cell holding a tile in reading order, 0 on an empty Board.
int FirstTile(const Game& g);
// The tile the arrow reaches from Cell `from`: in the same row or column if one lies that way,
// else the one in the nearest line beyond; `from` itself at the edge of the tiles.
int TileTowards(const Game& g, int from, Arrow arrow);
// The tile nearest to Cell `cell` (itself if it holds one), earlier Cells first on a tie; 0 when
// the Board is empty.
int NearestTile(const Game& g, int cell);
// Whether Cell `cell` of the Board holds a tile.
bool HoldsTile(const Game& g, int cell);

// A dashed frame inside a Cell, yellow and black so it shows on light faces and dark ones alike,
// inside the blue markers' outline. Mouse presses pass through.
class FocusFrame final : public QWidget {
public:
    explicit FocusFrame(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace llk::app
