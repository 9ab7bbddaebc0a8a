// Themes 27 and 28: the biscuits and fruit that no emoji shows, baked and ripened by code.
#include "assets/tiles/drawn_subjects_high.h"
#include "assets/tiles/subject_drawing.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>

namespace llk::assets {

namespace {

const QColor Dough(222, 162, 86);
const QColor DoughDark(166, 104, 44);

void Bake(QPainter& painter, const QPainterPath& path, QColor light, QColor dark, int scale)
{
    const QRectF bounds = path.boundingRect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawPath(path.translated(0.8 * scale, 1.2 * scale));
    QRadialGradient gradient(bounds.center() - QPointF(bounds.width() * 0.2, bounds.height() * 0.2),
                             bounds.width() * 0.75);
    gradient.setColorAt(0, light);
    gradient.setColorAt(1, dark);
    painter.setBrush(gradient);
    painter.setPen(QPen(dark.darker(140), 0.8 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

QPainterPath HeartPath(const QRectF& box)
{
    QPainterPath path;
    const qreal w = box.width();
    const qreal h = box.height();
    path.moveTo(box.left() + w / 2, box.top() + h * 0.28);
    path.cubicTo(box.left() + w * 0.5, box.top() - h * 0.05, box.left() - w * 0.05, box.top(), box.left(),
                 box.top() + h * 0.35);
    path.cubicTo(box.left(), box.top() + h * 0.62, box.left() + w * 0.35, box.top() + h * 0.78,
                 box.left() + w / 2, box.bottom());
    path.cubicTo(box.left() + w * 0.65, box.top() + h * 0.78, box.right(), box.top() + h * 0.62, box.right(),
                 box.top() + h * 0.35);
    path.cubicTo(box.right() + w * 0.05, box.top(), box.left() + w * 0.5, box.top() - h * 0.05,
                 box.left() + w / 2, box.top() + h * 0.28);
    return path;
}

void Sprinkles(QPainter& painter, const QRectF& box, int count, int seed, int scale)
{
    static const std::array<unsigned, 5> Colours{0xffffff, 0xff5a8a, 0x4cc3ff, 0xffd23f, 0x7ad65a};
    for (int i = 0; i < count; ++i) {
        const qreal u = std::fmod(0.13 + (i + seed) * 0.618034, 1.0);
        const qreal v = std::fmod(0.41 + (i * 3 + seed) * 0.381966, 1.0);
        const QPointF at(box.left() + box.width() * (0.2 + 0.6 * u), box.top() + box.height() * (0.2 + 0.6 * v));
        painter.setPen(QPen(Rgb(Colours[i % Colours.size()]), 1.1 * scale, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(at, at + QPointF(1.2 * scale, (i % 2 ? 0.8 : -0.8) * scale));
    }
}

void Leaf(QPainter& painter, QPointF base, qreal length, qreal angle, int scale)
{
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.32, length, 0);
    leaf.quadTo(length * 0.5, length * 0.32, 0, 0);
    QTransform transform;
    transform.translate(base.x(), base.y());
    transform.rotate(angle);
    painter.setBrush(QColor(72, 160, 60));
    painter.setPen(QPen(QColor(32, 96, 30), 0.6 * scale));
    painter.drawPath(transform.map(leaf));
}

} // namespace

void BiscuitSubject(QPainter& painter, const QRectF& area, int kind, int scale)
{
    const QRectF box = Square(area, 0.96);
    const QPointF c = box.center();
    const qreal r = box.width() / 2;
    switch (kind) {
    case 1: { // heart biscuit with pink icing
        Bake(painter, HeartPath(box), Dough.lighter(115), DoughDark, scale);
        Bake(painter, HeartPath(Square(box, 0.66, {0, -0.02})), QColor(255, 190, 210), QColor(236, 96, 140), scale);
        Sprinkles(painter, Square(box, 0.6, {0, -0.06}), 5, 1, scale);
        break;
    }
    case 2: { // star biscuit glazed with sugar
        Bake(painter, StarPath(c + QPointF(0, r * 0.06), r, r * 0.52, 5), Dough.lighter(110), DoughDark, scale);
        Bake(painter, StarPath(c + QPointF(0, r * 0.06), r * 0.66, r * 0.34, 5), QColor(255, 255, 255),
             QColor(214, 226, 240), scale);
        Sprinkles(painter, Square(box, 0.5, {0, 0.04}), 6, 3, scale);
        break;
    }
    case 3: { // flower biscuit with a jam centre
        QPainterPath flower;
        for (int i = 0; i < 8; ++i) {
            const qreal angle = i * Pi / 4;
            flower.addEllipse(c + QPointF(std::cos(angle), std::sin(angle)) * r * 0.62, r * 0.38, r * 0.38);
        }
        flower.addEllipse(c, r * 0.7, r * 0.7);
        Bake(painter, flower.simplified(), QColor(250, 226, 170), QColor(214, 160, 90), scale);
        QPainterPath jam;
        jam.addEllipse(c, r * 0.34, r * 0.34);
        Bake(painter, jam, QColor(255, 120, 120), QColor(180, 20, 40), scale);
        break;
    }
    case 4: { // chocolate and vanilla chequer
        const QRectF square = Square(box, 0.86);
        QPainterPath outline;
        outline.addRoundedRect(square, r * 0.18, r * 0.18);
        Bake(painter, outline, QColor(246, 222, 170), QColor(214, 176, 110), scale);
        const qreal cell = square.width() * 0.8 / 3;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(102, 58, 32));
        for (int i = 0; i < 9; ++i) {
            if (i % 2 == 0)
                painter.drawRect(QRectF(square.left() + square.width() * 0.1 + (i % 3) * cell,
                                        square.top() + square.height() * 0.1 + (i / 3) * cell, cell, cell));
        }
        break;
    }
    case 5: { // macaron
        QPainterPath top;
        top.moveTo(c.x() - r * 0.92, c.y() - r * 0.04);
        top.cubicTo(c.x() - r * 0.92, c.y() - r * 0.86, c.x() + r * 0.92, c.y() - r * 0.86, c.x() + r * 0.92,
                    c.y() - r * 0.04);
        top.closeSubpath();
        QPainterPath bottom;
        bottom.moveTo(c.x() - r * 0.88, c.y() + r * 0.24);
        bottom.cubicTo(c.x() - r * 0.88, c.y() + r * 0.9, c.x() + r * 0.88, c.y() + r * 0.9, c.x() + r * 0.88,
                       c.y() + r * 0.24);
        bottom.closeSubpath();
        Bake(painter, bottom, QColor(255, 196, 214), QColor(222, 92, 136), scale);
        painter.setPen(QPen(QColor(220, 200, 180), 0.6 * scale));
        painter.setBrush(QColor(255, 248, 232));
        painter.drawRoundedRect(QRectF(c.x() - r * 0.84, c.y() - r * 0.1, r * 1.68, r * 0.38), r * 0.16, r * 0.16);
        Bake(painter, top, QColor(255, 196, 214), QColor(222, 92, 136), scale);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 140));
        painter.drawEllipse(QPointF(c.x() - r * 0.35, c.y() - r * 0.5), r * 0.22, r * 0.1);
        break;
    }
    case 6: { // gingerbread man
        QPainterPath man;
        man.addEllipse(QPointF(c.x(), c.y() - r * 0.56), r * 0.34, r * 0.34);
        man.addRoundedRect(QRectF(c.x() - r * 0.36, c.y() - r * 0.3, r * 0.72, r * 0.8), r * 0.2, r * 0.2);
        man.addRoundedRect(QRectF(c.x() - r * 0.92, c.y() - r * 0.26, r * 1.84, r * 0.3), r * 0.15, r * 0.15);
        QPainterPath legs;
        legs.moveTo(c.x() - r * 0.3, c.y() + r * 0.3);
        legs.lineTo(c.x() - r * 0.62, c.y() + r * 0.92);
        legs.lineTo(c.x() - r * 0.3, c.y() + r * 0.98);
        legs.lineTo(c.x(), c.y() + r * 0.5);
        legs.lineTo(c.x() + r * 0.3, c.y() + r * 0.98);
        legs.lineTo(c.x() + r * 0.62, c.y() + r * 0.92);
        legs.lineTo(c.x() + r * 0.3, c.y() + r * 0.3);
        legs.closeSubpath();
        man.addPath(legs);
        Bake(painter, man.simplified(), QColor(214, 140, 74), QColor(140, 74, 30), scale);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255));
        const qreal dot = std::max(0.9 * scale, r * 0.07);
        painter.drawEllipse(QPointF(c.x() - r * 0.12, c.y() - r * 0.6), dot, dot);
        painter.drawEllipse(QPointF(c.x() + r * 0.12, c.y() - r * 0.6), dot, dot);
        painter.setBrush(QColor(236, 60, 80));
        painter.drawEllipse(QPointF(c.x(), c.y() - r * 0.12), dot * 1.2, dot * 1.2);
        painter.setBrush(QColor(60, 170, 90));
        painter.drawEllipse(QPointF(c.x(), c.y() + r * 0.14), dot * 1.2, dot * 1.2);
        break;
    }
    case 7: { // Swiss roll slice
        QPainterPath cake;
        cake.addEllipse(c, r * 0.92, r * 0.92);
        Bake(painter, cake, QColor(240, 190, 120), QColor(176, 108, 50), scale);
        QPainterPath spiral;
        for (int i = 0; i <= 60; ++i) {
            const qreal t = i / 60.0;
            const qreal angle = t * 2.6 * 2 * Pi;
            const QPointF point = c + QPointF(std::cos(angle), std::sin(angle)) * r * (0.08 + 0.66 * t);
            i ? spiral.lineTo(point) : spiral.moveTo(point);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(255, 252, 240), r * 0.14, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(spiral);
        break;
    }
    case 8: { // cream wafer
        const QRectF bar(c.x() - r * 0.95, c.y() - r * 0.55, r * 1.9, r * 1.1);
        QPainterPath wafer;
        wafer.addRoundedRect(bar, r * 0.1, r * 0.1);
        Bake(painter, wafer, QColor(248, 214, 140), QColor(204, 146, 62), scale);
        painter.setPen(QPen(QColor(176, 114, 44), 0.7 * scale));
        for (int i = 1; i < 6; ++i)
            painter.drawLine(QPointF(bar.left() + bar.width() * i / 6, bar.top() + scale),
                             QPointF(bar.left() + bar.width() * i / 6, bar.bottom() - scale));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 246, 226));
        for (int i = 1; i < 3; ++i)
            painter.drawRect(QRectF(bar.left(), bar.top() + bar.height() * i / 3 - r * 0.06, bar.width(), r * 0.12));
        break;
    }
    default: { // egg tart
        QPainterPath crust;
        for (int i = 0; i < 16; ++i) {
            const qreal angle = i * Pi / 8;
            crust.addEllipse(c + QPointF(std::cos(angle), std::sin(angle)) * r * 0.82, r * 0.18, r * 0.18);
        }
        crust.addEllipse(c, r * 0.86, r * 0.86);
        Bake(painter, crust.simplified(), QColor(240, 196, 120), QColor(190, 124, 50), scale);
        QPainterPath custard;
        custard.addEllipse(c, r * 0.66, r * 0.66);
        Bake(painter, custard, QColor(255, 236, 140), QColor(246, 186, 44), scale);
        painter.setPen(Qt::NoPen);
        for (const QPointF& spot : {QPointF(0.22, 0.12), QPointF(-0.26, 0.22), QPointF(-0.05, -0.3)}) {
            QRadialGradient caramel(c + spot * r, r * 0.22);
            caramel.setColorAt(0, QColor(170, 86, 16, 200));
            caramel.setColorAt(1, QColor(200, 120, 30, 0));
            painter.setBrush(caramel);
            painter.drawEllipse(c + spot * r, r * 0.22, r * 0.22);
        }
        break;
    }
    }
}

void DrawnFruit(QPainter& painter, const QRectF& area, int kind, int scale)
{
    const QRectF box = Square(area, 0.92);
    const QPointF c = box.center();
    const qreal r = box.width() / 2;
    switch (kind) {
    case 1: { // persimmon
        // Squarish and flat, with four broad sepals lying on its shoulders.
        QPainterPath fruit;
        fruit.addRoundedRect(QRectF(c.x() - r, c.y() - r * 0.58, r * 2, r * 1.52), r * 0.8, r * 0.7);
        Bake(painter, fruit, QColor(255, 160, 60), QColor(212, 68, 12), scale);
        painter.setPen(QPen(QColor(190, 60, 10, 120), 0.8 * scale, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(c + QPointF(0, -r * 0.3), c + QPointF(0, r * 0.7));
        const QPointF top = c + QPointF(0, -r * 0.5);
        painter.save();
        painter.translate(top);
        painter.scale(1.0, 0.5);
        for (int i = 0; i < 4; ++i)
            Leaf(painter, {0, 0}, r * 0.62, 45 + i * 90, scale);
        painter.restore();
        painter.setPen(QPen(QColor(96, 64, 30), 1.4 * scale, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(top, top + QPointF(r * 0.05, -r * 0.24));
        break;
    }
    case 2: { // pomegranate
        QPainterPath fruit;
        fruit.addEllipse(c + QPointF(0, r * 0.12), r * 0.86, r * 0.84);
        QPainterPath crown = StarPath(c + QPointF(0, -r * 0.72), r * 0.3, r * 0.14, 5);
        fruit.addPath(crown);
        Bake(painter, fruit.simplified(), QColor(240, 90, 90), QColor(150, 16, 36), scale);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 120));
        painter.drawEllipse(c + QPointF(-r * 0.32, -r * 0.12), r * 0.16, r * 0.24);
        break;
    }
    default: { // star fruit slice
        QPainterPath slice = StarPath(c + QPointF(0, r * 0.05), r, r * 0.6, 5);
        Bake(painter, slice, QColor(255, 246, 150), QColor(226, 190, 20), scale);
        painter.setPen(QPen(QColor(236, 204, 70), 0.7 * scale));
        for (int i = 0; i < 5; ++i) {
            const qreal angle = -Pi / 2 + i * 2 * Pi / 5;
            painter.drawLine(c + QPointF(0, r * 0.05),
                             c + QPointF(0, r * 0.05) + QPointF(std::cos(angle), std::sin(angle)) * r * 0.7);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(150, 110, 40));
        for (int i = 0; i < 5; ++i) {
            const qreal angle = -Pi / 2 + Pi / 5 + i * 2 * Pi / 5;
            painter.drawEllipse(c + QPointF(0, r * 0.05) + QPointF(std::cos(angle), std::sin(angle)) * r * 0.26,
                                r * 0.07, r * 0.07);
        }
        break;
    }
    }
}

} // namespace llk::assets
