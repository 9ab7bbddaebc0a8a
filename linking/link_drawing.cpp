#include "linking/link_drawing.h"

#include <algorithm>

#include "board/board.h"

namespace llk {
namespace {

// A piece is a picture copied into the Cell's own sprite; the Cell itself stays empty.
void ShowPiece(Game& g, int row, int col, LinkPiece piece)
{
    TileSprite& sprite = g.screen.Sprites[CellIndex(g, row, col)];
    sprite.picture = SpritePicture::LinkPiece;
    sprite.pictureNumber = static_cast<int>(piece);
    sprite.visible = true;
}

} // namespace

void DrawSegment(Game& g, int r1, int c1, int r2, int c2)
{
    if (c1 == c2) {
        for (int row = std::min(r1, r2) + 1; row < std::max(r1, r2); ++row)
            ShowPiece(g, row, c1, LinkPiece::Vertical);
    } else if (r1 == r2) {
        for (int col = std::min(c1, c2) + 1; col < std::max(c1, c2); ++col)
            ShowPiece(g, r1, col, LinkPiece::Horizontal);
    }
}

void DrawCorner(Game& g, int row, int col, CornerKind kind)
{
    ShowPiece(g, row, col, static_cast<LinkPiece>(static_cast<int>(kind) + 2));
}

void EraseLinkPath(Game& g)
{
    const int last = CellCount(g);
    for (int cell = 1; cell <= last; ++cell)
        if (g.board.Cells[cell] == EmptyCell)
            g.screen.Sprites[cell].visible = false;
}

} // namespace llk
