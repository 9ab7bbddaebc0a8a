// Pictures made by rule and drawn by our own code: the mahjong tiles and the numerals, set in the
// CJK fonts the game depends on. sources.tsv lists them under the set "drawn".
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace llk::assets {

// Whether the code can draw `picture` for `theme` (9, 12 or 22).
bool IsDrawnPicture(int theme, const QString& picture);

// Draws `picture` of `theme` on the tile face `face` (device pixels) at `scale` 1 or 2.
void DrawPicture(QPainter& painter, const QRectF& face, int theme, const QString& picture, int scale);

// The picture names the code draws for each of its Themes, in TileKind order.
QStringList DrawnPictureNames(int theme);

// How many characters the drawing asked of a font that lacks them; the generator refuses to
// finish with any, so no glyph borrowed from another font reaches a tile.
int MissingGlyphCount();

// --- shared by the drawing files ---
// `text` as an outline in `family`, `pixelSize` high, its ink centred on the origin.
QPainterPath CentredGlyphs(const QString& text, const QString& family, int weight, qreal pixelSize);
// `path` scaled (never stretched) to fit `box` and centred on it.
QPainterPath FitInto(const QPainterPath& path, const QRectF& box);

void DrawMahjong(QPainter& painter, const QRectF& face, const QString& picture, int scale);
QStringList MahjongNames();
void DrawNumeral(QPainter& painter, const QRectF& face, int theme, const QString& picture, int scale);
QStringList NumeralNames(int theme);

} // namespace llk::assets
