// Painters of the main window's built-in artwork: background, pause picture, icon, cursor,
// template and the six link pieces. Each draws at `scale` 1 or 2 from the same geometry.
#pragma once

#include <QImage>
#include <QRect>

namespace llk::art {

QImage PaintWindowBackground(int scale); // 1024 x 768
QImage PaintPausePicture(int scale);     // 128 x 128
QImage PaintIcon(int size);              // size x size, drawn afresh for each size
QImage PaintCursor(int scale);           // 32 x 32, finger tip at the hot spot (6, 0)
QImage PaintTemplate(int scale);         // 40 x 40

// Link piece `member` 1-6: 52 x 50, transparent but for its stretch of the path.
QImage PaintLinkPiece(int member, int scale);

// The 12 x 12 boxes of a link piece, in scale-1 pixels: its path turns in the centre box and
// leaves through two of the side boxes to the picture's edge.
enum class DotPlace { Centre, Left, Right, Top, Bottom };
QRect DotBox(DotPlace place);

} // namespace llk::art
