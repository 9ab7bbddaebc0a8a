// The tile body every Theme shares; each Theme brings its own colours.
#include "assets/tiles/tile_body.h"

#include "assets/tiles/theme_art.h"
#include "assets/tiles/tile_atlas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace llk::assets {

namespace {

// The side is what makes a tile read as a block; small tiles get a thinner one, large a thicker.
int SideDepth(int theme)
{
    const int side = qMin(ThemeTileSize(theme).width(), ThemeTileSize(theme).height());
    return side >= 52 ? 5 : side >= 38 ? 4 : 3;
}

QColor WithAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

void DrawBody(QPainter& painter, const TileFace& face, const QRectF& tile, const QRectF& faceRect, int scale)
{
    const qreal radius = 4.0 * scale;
    const qreal pen = scale;
    const qreal half = pen / 2;

    // Side: the whole block, darkening towards the bottom right, seen below and right of the face.
    QLinearGradient sideGradient(tile.topLeft(), tile.bottomRight());
    sideGradient.setColorAt(0, face.side.lighter(118));
    sideGradient.setColorAt(1, face.side.darker(112));
    painter.setPen(QPen(face.outline, pen));
    painter.setBrush(sideGradient);
    painter.drawRoundedRect(tile.adjusted(half, half, -half, -half), radius + scale, radius + scale);

    // A lighter seam just below and right of the face lets the side read as a bevelled edge.
    painter.setPen(QPen(WithAlpha(face.side.lighter(135), 200), pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(faceRect.adjusted(half + pen, half + pen, half + pen, half + pen), radius, radius);

    QLinearGradient faceGradient(faceRect.topLeft(), faceRect.bottomLeft());
    faceGradient.setColorAt(0, face.faceTop);
    faceGradient.setColorAt(1, face.faceBottom);
    painter.setPen(QPen(face.outline, pen));
    painter.setBrush(faceGradient);
    painter.drawRoundedRect(faceRect.adjusted(half, half, -half, -half), radius, radius);

    // Highlight: a soft sheen over the upper half of the face.
    const QRectF sheen = faceRect.adjusted(2 * pen, 2 * pen, -2 * pen, -faceRect.height() / 2);
    QLinearGradient sheenGradient(sheen.topLeft(), sheen.bottomLeft());
    sheenGradient.setColorAt(0, QColor(255, 255, 255, 150));
    sheenGradient.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheenGradient);
    painter.drawRoundedRect(sheen, radius - pen, radius - pen);

    // A one-pixel light rim along the top and left edges of the face: the bevel.
    QPainterPath rim;
    const QRectF inner = faceRect.adjusted(pen + half, pen + half, -pen - half, -pen - half);
    rim.moveTo(inner.left(), inner.bottom() - radius);
    rim.lineTo(inner.left(), inner.top() + radius - pen);
    rim.quadTo(inner.topLeft(), QPointF(inner.left() + radius - pen, inner.top()));
    rim.lineTo(inner.right() - radius, inner.top());
    painter.setPen(QPen(QColor(255, 255, 255, 170), pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(rim);
}

} // namespace

QRectF FaceRect(int theme, int scale)
{
    const QSize tile = ThemeTileSize(theme) * scale;
    const int depth = SideDepth(theme) * scale;
    return {0, 0, qreal(tile.width() - depth), qreal(tile.height() - depth)};
}

QRectF PictureArea(int theme, int scale)
{
    const QRectF face = FaceRect(theme, scale);
    return face.adjusted(scale, scale, -scale, -scale);
}

QRectF PictureBox(int theme, int scale)
{
    const QRectF face = FaceRect(theme, scale);
    const QSizeF size = face.size() * PictureShare;
    return {face.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

QImage DrawTileBody(int theme, int scale)
{
    const QSize size = ThemeTileSize(theme) * scale;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing);
    DrawBody(painter, ThemeFace(theme), QRectF(QPointF(0, 0), QSizeF(size)), FaceRect(theme, scale), scale);
    return image;
}

} // namespace llk::assets
