// Drawing kit shared by the hero figure and the things heroes hold: a pencil over the unit square
// of the face, a few shapes, and the colours of metal and wood.
#pragma once

#include "assets/tiles/hero_figure.h"
#include "assets/tiles/subject_drawing.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <initializer_list>

namespace llk::assets::hero {

inline constexpr QPointF HeadCentre{0.5, 0.43};
inline constexpr qreal HeadRx = 0.15;
inline constexpr qreal HeadRy = 0.17;

inline const QColor Steel(0xd8, 0xe0, 0xea);
inline const QColor Gold(0xe8, 0xb4, 0x30);
inline const QColor Wood(0x8a, 0x56, 0x2a);
inline const QColor Tassel(0xd8, 0x2a, 0x24);
inline const QColor EyeInk(0x2a, 0x1a, 0x16);

// What a figure is drawn with: the painter in unit coordinates, the width of one pixel at 1x in
// those units, and the Theme's line.
struct Pencil {
    QPainter& painter;
    qreal px;
    QColor line;
    qreal lineWidth;

    void Outline(qreal weight = 1.0) const
    {
        painter.setPen(QPen(line, lineWidth * weight * px, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    void NoLine() const { painter.setPen(Qt::NoPen); }
    // A fill lit from the top: lighter above, deeper below.
    void Shade(const QRectF& box, QColor colour) const
    {
        QLinearGradient gradient(box.topLeft(), box.bottomLeft());
        gradient.setColorAt(0, colour.lighter(125));
        gradient.setColorAt(1, colour.darker(112));
        painter.setBrush(gradient);
    }
    // A fill lit from the left, for blades and shafts.
    void ShadeAcross(const QRectF& box, QColor colour) const
    {
        QLinearGradient gradient(box.topLeft(), box.topRight());
        gradient.setColorAt(0, colour.lighter(135));
        gradient.setColorAt(0.5, colour);
        gradient.setColorAt(1, colour.darker(135));
        painter.setBrush(gradient);
    }
    void Fill(const QPainterPath& path, QColor colour, bool outline = true) const
    {
        outline ? Outline() : NoLine();
        Shade(path.boundingRect(), colour);
        painter.drawPath(path);
    }
    void FillAcross(const QPainterPath& path, QColor colour) const
    {
        Outline(0.8);
        ShadeAcross(path.boundingRect(), colour);
        painter.drawPath(path);
    }
};

inline QPainterPath Ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

inline QPainterPath Box(qreal left, qreal top, qreal right, qreal bottom, qreal radius = 0)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(left, top), QPointF(right, bottom)), radius, radius);
    return path;
}

inline QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        first ? path.moveTo(point) : path.lineTo(point);
        first = false;
    }
    path.closeSubpath();
    return path;
}

// Spikes round the top of the head, from the left ear over to the right.
inline QPainterPath Spikes(QPointF centre, qreal outer, qreal inner, int count, qreal from = Pi * 0.95, qreal to = Pi * 2.05)
{
    QPainterPath path;
    path.moveTo(centre);
    for (int i = 0; i <= count * 2; ++i) {
        const qreal angle = from + (to - from) * i / (count * 2);
        const qreal radius = i % 2 ? inner : outer;
        path.lineTo(centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius));
    }
    path.closeSubpath();
    return path;
}
// Where a hand holds a thing, how it leans (degrees, clockwise) and whether it is held up in front
// of the face rather than beside it.
struct Grip {
    QPointF at;
    qreal lean;
    bool front;
};

Grip GripFor(Weapon weapon);

// Draws `weapon` from its grip at the origin up along -y.
void DrawWeapon(const Pencil& pen, Weapon weapon, const Hero& hero);

} // namespace llk::assets::hero
