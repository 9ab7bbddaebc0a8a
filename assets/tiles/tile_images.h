// Tile pictures of the thirty Themes, keyed by bitmap number, decoded one Theme at a time.
#pragma once

#include <QImage>
#include <QSize>

namespace llk::assets {

// The picture of bitmap `bitmapId` of Theme `theme` (FirstBitmapId(theme) + TileKind - 1), drawn at
// `scale` 1 or 2 and carrying that device pixel ratio. A null image for a number outside the Theme.
// The first call for a Theme decodes it; the previous Theme's pictures are released.
QImage TileImage(int theme, int bitmapId, int scale = 1);

// The Theme's tile size in pixels at scale 1 (the cell pitch of the board).
QSize TileSize(int theme);

} // namespace llk::assets
