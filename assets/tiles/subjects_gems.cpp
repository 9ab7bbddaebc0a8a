// Theme 5: crystals and gems, nine cuts in seven colours, faceted by code.
#include "assets/tiles/drawn_subjects.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <array>

namespace llk::assets {

namespace {

// Ruby, amber, citrine, emerald, aquamarine, sapphire, amethyst: far apart on the colour wheel.
constexpr std::array<QRgb, 7> GemColours{0xd81b3c, 0xf27a1a, 0xf3c623, 0x1fa65a, 0x22b8c9, 0x2453d6, 0x8e3ac9};

// A gem's girdle as a polygon in a unit box centred on (0, 0), y down.
QPolygonF Outline(int cut)
{
    QPolygonF polygon;
    auto ring = [&](int corners, qreal rotation, qreal rx, qreal ry) {
        for (int i = 0; i < corners; ++i) {
            const qreal angle = rotation + 2 * M_PI * i / corners;
            polygon << QPointF(rx * qCos(angle), ry * qSin(angle));
        }
    };
    switch (cut) {
    case 0: ring(16, M_PI / 16, 0.5, 0.5); break; // round brilliant
    case 1:                                       // emerald cut
        polygon << QPointF(-0.26, -0.48) << QPointF(0.26, -0.48) << QPointF(0.4, -0.34) << QPointF(0.4, 0.34)
                << QPointF(0.26, 0.48) << QPointF(-0.26, 0.48) << QPointF(-0.4, 0.34) << QPointF(-0.4, -0.34);
        break;
    case 2:                                       // heart
        for (int i = 0; i < 16; ++i) {
            const qreal t = 2 * M_PI * i / 16;
            const qreal x = 16 * qPow(qSin(t), 3);
            const qreal y = 13 * qCos(t) - 5 * qCos(2 * t) - 2 * qCos(3 * t) - qCos(4 * t);
            polygon << QPointF(x / 33.0, -y / 33.0 - 0.04);
        }
        break;
    case 3:                                       // pear
        for (int i = 0; i < 14; ++i) {
            const qreal t = 2 * M_PI * i / 14;
            const qreal r = 0.36 * (1 - 0.45 * qSin(t));
            polygon << QPointF(r * qCos(t) * 0.95, 0.1 + 0.42 * qSin(t) * (qSin(t) < 0 ? 1.3 : 0.9));
        }
        break;
    case 4:                                       // marquise lying on its side: pointed left and right,
        for (int i = 0; i < 16; ++i) {            // so it never reads as the upright pear
            const qreal t = 2 * M_PI * i / 16;
            polygon << QPointF(0.5 * qCos(t), 0.32 * qSin(t) * qSqrt(qAbs(qSin(t))));
        }
        break;
    case 5:                                       // trillion
        polygon << QPointF(0, -0.48) << QPointF(0.28, -0.04) << QPointF(0.5, 0.4) << QPointF(0, 0.46)
                << QPointF(-0.5, 0.4) << QPointF(-0.28, -0.04);
        break;
    case 6:                                       // hexagon, flat at the top and bottom
        polygon << QPointF(-0.25, -0.42) << QPointF(0.25, -0.42) << QPointF(0.5, 0) << QPointF(0.25, 0.42)
                << QPointF(-0.25, 0.42) << QPointF(-0.5, 0);
        break;
    case 7:                                       // lozenge
        polygon << QPointF(0, -0.5) << QPointF(0.38, 0) << QPointF(0, 0.5) << QPointF(-0.38, 0);
        break;
    default:                                      // crystal point
        polygon << QPointF(0, -0.5) << QPointF(0.22, -0.26) << QPointF(0.22, 0.4) << QPointF(0, 0.5)
                << QPointF(-0.22, 0.4) << QPointF(-0.22, -0.26);
        break;
    }
    return polygon;
}

// Light comes from the upper left: a facet facing that way is bright, one facing away is dark.
QColor FacetShade(const QColor& base, QPointF normal)
{
    const qreal light = (-normal.x() * 0.6 - normal.y() * 0.8);
    return light >= 0 ? base.lighter(100 + int(light * 70)) : base.darker(100 + int(-light * 60));
}

void DrawFacetedGem(QPainter& painter, const QRectF& area, const QPolygonF& unitOutline, const QColor& base,
                    int scale)
{
    const qreal size = qMin(area.width(), area.height());
    QTransform toArea;
    toArea.translate(area.center().x(), area.center().y());
    toArea.scale(size, size);
    const QPolygonF outline = toArea.map(unitOutline);
    QPointF centre(0, 0);
    for (const QPointF& p : outline)
        centre += p;
    centre /= outline.size();
    QPolygonF table;
    for (const QPointF& p : outline)
        table << centre + (p - centre) * 0.52;

    painter.setPen(Qt::NoPen);
    for (int i = 0; i < outline.size(); ++i) {
        const int j = (i + 1) % outline.size();
        QPolygonF facet;
        facet << outline[i] << outline[j] << table[j] << table[i];
        const QPointF mid = (outline[i] + outline[j]) / 2 - centre;
        const qreal length = qMax(0.001, qSqrt(mid.x() * mid.x() + mid.y() * mid.y()));
        painter.setBrush(FacetShade(base, mid / length));
        painter.drawPolygon(facet);
        // Each side facet is split in two, the halves shaded apart, as a cutter's star facets are.
        QPolygonF star;
        star << (outline[i] + outline[j]) / 2 << table[j] << table[i];
        painter.setBrush(FacetShade(base, mid / length).lighter(112));
        painter.drawPolygon(star);
    }
    QLinearGradient tableFill(table.boundingRect().topLeft(), table.boundingRect().bottomRight());
    tableFill.setColorAt(0, base.lighter(175));
    tableFill.setColorAt(1, base.lighter(115));
    painter.setBrush(tableFill);
    painter.drawPolygon(table);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 110), 0.6 * scale));
    for (int i = 0; i < outline.size(); ++i)
        painter.drawLine(outline[i], table[i]);
    painter.setPen(QPen(base.darker(190), 1.0 * scale));
    painter.drawPolygon(outline);

    // A glint on the table.
    const QPointF glint = table.boundingRect().topLeft() * 0.6 + centre * 0.4;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    const qreal g = size * 0.07;
    QPolygonF sparkle;
    sparkle << glint + QPointF(0, -g * 1.6) << glint + QPointF(g * 0.35, -g * 0.35) << glint + QPointF(g * 1.6, 0)
            << glint + QPointF(g * 0.35, g * 0.35) << glint + QPointF(0, g * 1.6) << glint + QPointF(-g * 0.35, g * 0.35)
            << glint + QPointF(-g * 1.6, 0) << glint + QPointF(-g * 0.35, -g * 0.35);
    painter.drawPolygon(sparkle);
}

} // namespace

void CrystalSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    // Every cut comes in every colour; consecutive kinds differ in both.
    const int cut = (kind - 1) % 9;
    const int colour = ((kind - 1) % 9 + (kind - 1) / 9) % 7;
    DrawFacetedGem(painter, area, Outline(cut), QColor(GemColours[colour]), scale);
}

} // namespace llk::assets
