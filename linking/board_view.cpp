#include "linking/board_view.h"

#include "board/board.h"

namespace llk {

void ComputeCellMetrics(Game& g)
{
    g.SpriteOriginX = SpriteOrigin;
    g.SpriteOriginY = SpriteOrigin;
    if (!IsTheme(g.ThemeIndex))
        return;
    const PixelSize tile = TilePixelSize(g.ThemeIndex);
    g.CellWidth = tile.width * g.TwipsPerPixelX;
    g.CellHeight = tile.height * g.TwipsPerPixelY;
}

void CreateSprites(Game& g)
{
    ComputeCellMetrics(g);
    g.Sprites.resize(1);
    g.Sprites.reserve(static_cast<std::size_t>(CellCount(g) + 1));
    for (int row = 1; row <= g.RowCount; ++row)
        for (int col = 1; col <= g.ColCount; ++col)
            g.Sprites.push_back(TileSprite{.visible = false,
                                           .picture = SpritePicture::Template,
                                           .pictureNumber = 0,
                                           .left = CellLeft(g, col),
                                           .top = CellTop(g, row)});
}

void PlaceMarker(Game& g, Marker& marker, int row, int col)
{
    marker.left = CellLeft(g, col);
    marker.top = CellTop(g, row);
    marker.width = g.CellWidth;
    marker.height = g.CellHeight;
}

} // namespace llk
