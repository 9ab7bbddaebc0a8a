// Tile pictures of the thirty Themes, keyed by bitmap number, decoded one Theme at a time.
#pragma once

#include <QImage>
#include <QSize>

namespace llk::assets {

// Pictures are drawn at scale 2 on a screen whose device pixel ratio is above this, else at
// scale 1: a ratio of 1.25 keeps scale 1, 1.5 and up gets scale 2.
constexpr qreal DoubleScaleAboveRatio = 1.4;

// The scale, 1 or 2, of the pictures for a screen of this device pixel ratio.
constexpr int ScaleForRatio(qreal devicePixelRatio) { return devicePixelRatio > DoubleScaleAboveRatio ? 2 : 1; }

// The picture of bitmap `bitmapId` of Theme `theme` (FirstBitmapId(theme) + TileKind - 1), drawn at
// `scale` 1 or 2 and carrying that device pixel ratio. A null image for a number outside the Theme.
// The first call for a Theme decodes it; the previous Theme's pictures are released.
QImage TileImage(int theme, int bitmapId, int scale = 1);

// The Theme's tile size in pixels at scale 1 (the cell pitch of the board).
QSize TileSize(int theme);

} // namespace llk::assets
