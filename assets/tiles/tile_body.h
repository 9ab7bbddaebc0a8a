// Draws one whole tile picture: the Theme's shared body (face, side, outline) and the kind's subject.
#pragma once

#include <QImage>
#include <QRectF>

namespace llk::assets {

// The face of a tile of the Theme at `scale`, in device pixels: the tile less its side.
QRectF FaceRect(int theme, int scale);

// Where a subject is drawn: the face less its margins, about four fifths of it.
QRectF SubjectArea(int theme, int scale);

// The picture of TileKind `kind` (1 to PictureCount) of `theme`, drawn directly at `scale` 1 or 2.
QImage DrawTile(int theme, int kind, int scale);

} // namespace llk::assets
