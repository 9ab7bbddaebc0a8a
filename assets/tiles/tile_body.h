// The tile body every picture sits on (face, side, outline), and where on it a picture goes.
#pragma once

#include <QImage>
#include <QRectF>

namespace llk::assets {

// A picture's painted part fills about this share of the face's width and height, whichever
// its shape reaches first.
constexpr qreal PictureShare = 0.75;

// The face of a tile of the Theme at `scale`, in device pixels: the tile less its side.
QRectF FaceRect(int theme, int scale);

// Inside the face's outline: the only place a picture may paint.
QRectF PictureArea(int theme, int scale);

// The box, centred on the face, that a picture's painted part is fitted into.
QRectF PictureBox(int theme, int scale);

// The Theme's bare tile at `scale` 1 or 2, drawn directly at that scale.
QImage DrawTileBody(int theme, int scale);

} // namespace llk::assets
