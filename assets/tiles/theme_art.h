// How a Theme's tiles look apart from their pictures: the colours of the tile body, and the inks
// that one-colour silhouettes are filled with.
#pragma once

#include <QColor>

namespace llk::assets {

// The body every tile of a Theme shares: a face with a soft gradient and a highlight on its
// upper half, a coloured side at the bottom and right that gives the tile its thickness, and a
// rounded outline.
struct TileFace {
    QColor faceTop;
    QColor faceBottom;
    QColor side;
    QColor outline;
};

TileFace ThemeFace(int theme);

// The ink of a one-colour silhouette of TileKind `kind`: dark, saturated colours that stand out
// on every Theme's pale face, taken in turn so that neighbouring kinds differ.
QColor SilhouetteInk(int kind);

} // namespace llk::assets
