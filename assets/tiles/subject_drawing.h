// Small drawing helpers the painters of Themes 15-29 share: colours, placement and a few shapes.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRadialGradient>
#include <QRectF>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace llk::assets {

inline constexpr qreal Pi = std::numbers::pi;

// The entry of a subject list for TileKind `kind`, the list starting at kind `first`.
template <typename List>
const auto& KindEntry(const List& list, int kind, int first = 1)
{
    Q_ASSERT(kind >= first && kind - first < int(list.size()));
    return list[kind - first];
}

inline QColor Rgb(unsigned rgb) { return QColor::fromRgb(rgb); }

inline QColor Alpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// A soft colour for kind `kind` that walks round the hue circle, so neighbouring kinds differ.
inline QColor KindHue(int kind, qreal saturation, qreal value)
{
    const qreal hue = std::fmod(0.07 + kind * 0.618034, 1.0);
    return QColor::fromHsvF(float(hue), float(saturation), float(value));
}

// The largest square of `fraction` of the area's shorter side, centred, then moved by `shift`
// (a fraction of that side).
inline QRectF Square(const QRectF& area, qreal fraction, QPointF shift = {})
{
    const qreal side = std::min(area.width(), area.height()) * fraction;
    const qreal full = std::min(area.width(), area.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(area.center() + shift * full);
    return square;
}

// A soft round glow behind a subject, fading out at its edge.
inline void Glow(QPainter& painter, const QRectF& box, QColor colour)
{
    QRadialGradient gradient(box.center(), box.width() / 2);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(0.65, Alpha(colour, colour.alpha() * 2 / 3));
    gradient.setColorAt(1, Alpha(colour, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(box);
}

inline QPainterPath StarPath(const QPointF& centre, qreal outer, qreal inner, int points, qreal turn = 0)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal radius = i % 2 ? inner : outer;
        const qreal angle = turn - Pi / 2 + i * Pi / points;
        const QPointF point = centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
        i ? path.lineTo(point) : path.moveTo(point);
    }
    path.closeSubpath();
    return path;
}

} // namespace llk::assets
