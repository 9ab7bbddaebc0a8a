#include "linking/board_view.h"

#include "board/board.h"

namespace llk {

void ComputeCellMetrics(Game& g)
{
    g.screen.SpriteOriginX = SpriteOrigin;
    g.screen.SpriteOriginY = SpriteOrigin;
    if (!IsTheme(g.board.ThemeIndex))
        return;
    const PixelSize tile = TilePixelSize(g.board.ThemeIndex);
    g.screen.CellWidth = tile.width * g.screen.TwipsPerPixelX;
    g.screen.CellHeight = tile.height * g.screen.TwipsPerPixelY;
}

void CreateSprites(Game& g)
{
    ComputeCellMetrics(g);
    g.screen.Sprites.resize(1);
    g.screen.Sprites.reserve(static_cast<std::size_t>(CellCount(g) + 1));
    for (int row = 1; row <= g.board.RowCount; ++row)
        for (int col = 1; col <= g.board.ColCount; ++col)
            g.screen.Sprites.push_back(TileSprite{.visible = false,
                                                  .picture = SpritePicture::Template,
                                                  .pictureNumber = 0,
                                                  .left = CellLeft(g, col),
                                                  .top = CellTop(g, row)});
}

void PlaceMarker(Game& g, Marker& marker, int row, int col)
{
    marker.left = CellLeft(g, col);
    marker.top = CellTop(g, row);
    marker.width = g.screen.CellWidth;
    marker.height = g.screen.CellHeight;
}

} // namespace llk
