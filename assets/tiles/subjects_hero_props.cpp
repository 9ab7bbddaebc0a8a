// What the heroes hold up: weapons and props, each drawn from its grip along -y.
#include "assets/tiles/hero_pencil.h"

#include <QRadialGradient>

namespace llk::assets::hero {

namespace {

void Blade(const Pencil& pen, qreal halfWidth, qreal length, QColor metal = Steel)
{
    pen.FillAcross(Polygon({{-halfWidth, -0.05}, {-halfWidth, -length + halfWidth * 2.5}, {0, -length},
                            {halfWidth, -length + halfWidth * 2.5}, {halfWidth, -0.05}}),
                   metal);
}

void Shaft(const Pencil& pen, qreal from, qreal to, qreal halfWidth, QColor colour = Wood)
{
    pen.FillAcross(Box(-halfWidth, to, halfWidth, from, halfWidth), colour);
}

void TasselBunch(const Pencil& pen, qreal y)
{
    pen.Fill(Polygon({{-0.02, y}, {0.02, y}, {0.06, y + 0.1}, {0.0, y + 0.08}, {-0.06, y + 0.1}}), Tassel);
}

} // namespace

void DrawWeapon(const Pencil& pen, Weapon weapon, const Hero& hero)
{
    QPainter& painter = pen.painter;
    const QColor trim = Rgb(hero.trim);
    switch (weapon) {
    case Weapon::Sword:
        Shaft(pen, 0.12, -0.02, 0.018, QColor(0x5a, 0x3a, 0x22));
        Blade(pen, 0.028, 0.8);
        pen.Fill(Box(-0.075, -0.07, 0.075, -0.035, 0.015), Gold);
        pen.Fill(Ellipse({0, 0.13}, 0.022, 0.022), Gold);
        break;
    case Weapon::Katana: {
        Shaft(pen, 0.16, -0.02, 0.02, QColor(0x30, 0x2a, 0x40));
        QPainterPath blade;
        blade.moveTo(-0.022, -0.05);
        blade.cubicTo(-0.02, -0.4, 0.02, -0.62, 0.09, -0.8);
        blade.cubicTo(0.06, -0.6, 0.028, -0.4, 0.022, -0.05);
        blade.closeSubpath();
        pen.FillAcross(blade, Steel);
        pen.Fill(Ellipse({0, -0.05}, 0.05, 0.018), Gold);
        break;
    }
    case Weapon::Broadsword: {
        Shaft(pen, 0.12, -0.02, 0.02, QColor(0x5a, 0x3a, 0x22));
        QPainterPath blade;
        blade.moveTo(-0.035, -0.06);
        blade.lineTo(-0.04, -0.62);
        blade.quadTo(0.02, -0.7, 0.08, -0.8);
        blade.quadTo(0.07, -0.6, 0.04, -0.06);
        blade.closeSubpath();
        pen.FillAcross(blade, Steel);
        pen.Fill(Ellipse({0, -0.06}, 0.06, 0.022), Gold);
        TasselBunch(pen, 0.12);
        break;
    }
    case Weapon::Spear:
        Shaft(pen, 0.16, -0.72, 0.015);
        pen.FillAcross(Polygon({{0, -0.94}, {0.045, -0.82}, {0.02, -0.72}, {-0.02, -0.72}, {-0.045, -0.82}}), Steel);
        TasselBunch(pen, -0.72);
        break;
    case Weapon::Staff:
        Shaft(pen, 0.16, -0.86, 0.022, QColor(0xa0, 0x3c, 0x28));
        pen.Fill(Box(-0.028, -0.86, 0.028, -0.8, 0.01), Gold);
        pen.Fill(Box(-0.028, 0.1, 0.028, 0.16, 0.01), Gold);
        break;
    case Weapon::Fan: {
        QPainterPath fan;
        fan.moveTo(0, 0);
        fan.arcTo(QRectF(-0.34, -0.34, 0.68, 0.68), 30, 120);
        fan.closeSubpath();
        pen.Fill(fan, QColor(0xfa, 0xf2, 0xe0));
        QPainterPath band;
        band.moveTo(0, 0);
        band.arcTo(QRectF(-0.34, -0.34, 0.68, 0.68), 30, 120);
        band.closeSubpath();
        pen.NoLine();
        painter.setBrush(trim);
        painter.drawPath(band.subtracted(Ellipse({0, 0}, 0.24, 0.24)));
        painter.setPen(QPen(Wood, 0.7 * pen.px));
        for (int i = 0; i <= 6; ++i) {
            const qreal angle = Pi * (30 + i * 20) / 180;
            painter.drawLine(QPointF(0, 0), QPointF(std::cos(angle) * 0.33, -std::sin(angle) * 0.33));
        }
        break;
    }
    case Weapon::Bow: {
        QPainterPath limb;
        limb.moveTo(0.02, -0.46);
        limb.quadTo(-0.24, 0, 0.02, 0.44);
        painter.setPen(QPen(QColor(0xf0, 0xe8, 0xe0), 0.8 * pen.px));
        painter.drawLine(QPointF(0.02, -0.46), QPointF(0.02, 0.44));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(pen.line, 4.2 * pen.px, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(limb);
        painter.setPen(QPen(Wood.lighter(120), 2.6 * pen.px, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(limb);
        pen.Fill(Polygon({{0.1, -0.5}, {0.13, -0.44}, {0.07, -0.44}}), Steel);
        painter.setPen(QPen(Wood, 1.2 * pen.px));
        painter.drawLine(QPointF(0.1, -0.45), QPointF(0.1, 0.1));
        break;
    }
    case Weapon::Axe: {
        Shaft(pen, 0.14, -0.7, 0.017);
        QPainterPath head;
        head.moveTo(0.0, -0.66);
        head.cubicTo(0.1, -0.7, 0.18, -0.78, 0.2, -0.86);
        head.cubicTo(0.26, -0.7, 0.26, -0.56, 0.2, -0.42);
        head.cubicTo(0.16, -0.5, 0.1, -0.54, 0.0, -0.54);
        head.closeSubpath();
        pen.FillAcross(head, Steel);
        pen.Fill(Polygon({{0, -0.64}, {-0.1, -0.6}, {0, -0.56}}), Steel.darker(115));
        break;
    }
    case Weapon::Hammer:
        Shaft(pen, 0.14, -0.56, 0.018);
        pen.Fill(Box(-0.14, -0.76, 0.14, -0.54, 0.025), QColor(0x8a, 0x90, 0x9c));
        pen.Fill(Box(-0.14, -0.68, 0.14, -0.62), Gold);
        break;
    case Weapon::Trident:
        Shaft(pen, 0.16, -0.66, 0.015, QColor(0x6a, 0x5a, 0x4a));
        pen.Fill(Polygon({{-0.11, -0.66}, {-0.11, -0.84}, {-0.085, -0.78}, {-0.085, -0.69}, {-0.02, -0.69},
                          {-0.02, -0.86}, {0, -0.94}, {0.02, -0.86}, {0.02, -0.69}, {0.085, -0.69},
                          {0.085, -0.78}, {0.11, -0.84}, {0.11, -0.66}}),
                 Gold);
        break;
    case Weapon::Halberd: {
        Shaft(pen, 0.16, -0.72, 0.015);
        pen.FillAcross(Polygon({{0, -0.94}, {0.04, -0.82}, {0.02, -0.72}, {-0.02, -0.72}, {-0.04, -0.82}}), Steel);
        QPainterPath moon;
        moon.moveTo(-0.02, -0.78);
        moon.cubicTo(-0.12, -0.8, -0.2, -0.74, -0.2, -0.64);
        moon.cubicTo(-0.14, -0.7, -0.08, -0.7, -0.02, -0.68);
        moon.closeSubpath();
        pen.FillAcross(moon, Steel);
        TasselBunch(pen, -0.68);
        break;
    }
    case Weapon::Scythe: {
        Shaft(pen, 0.16, -0.8, 0.016, QColor(0x3a, 0x30, 0x3c));
        QPainterPath blade;
        blade.moveTo(0.01, -0.82);
        blade.cubicTo(-0.14, -0.86, -0.32, -0.8, -0.42, -0.62);
        blade.cubicTo(-0.28, -0.72, -0.14, -0.74, 0.01, -0.72);
        blade.closeSubpath();
        pen.FillAcross(blade, Steel);
        break;
    }
    case Weapon::Claws:
        for (qreal angle : {-14.0, 0.0, 14.0}) {
            painter.save();
            painter.rotate(angle);
            Blade(pen, 0.016, 0.34);
            painter.restore();
        }
        pen.Fill(Box(-0.06, -0.06, 0.06, 0.02, 0.015), QColor(0x50, 0x50, 0x58));
        break;
    case Weapon::Nunchaku: {
        Shaft(pen, 0.06, -0.28, 0.022, QColor(0x30, 0x28, 0x24));
        painter.setPen(QPen(QColor(0x9a, 0x9a, 0xa6), 1.2 * pen.px, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        QPainterPath chain;
        chain.moveTo(0, -0.29);
        chain.quadTo(-0.04, -0.4, -0.12, -0.42);
        painter.drawPath(chain);
        painter.save();
        painter.translate(-0.12, -0.42);
        painter.rotate(-70);
        Shaft(pen, 0, -0.3, 0.022, QColor(0x30, 0x28, 0x24));
        painter.restore();
        break;
    }
    case Weapon::Shield: {
        QRadialGradient face(QPointF(-0.05, -0.05), 0.22);
        face.setColorAt(0, trim.lighter(140));
        face.setColorAt(1, trim.darker(120));
        pen.Outline();
        painter.setBrush(face);
        painter.drawEllipse(QPointF(0, 0), 0.2, 0.2);
        pen.Fill(Ellipse({0, 0}, 0.2, 0.2).subtracted(Ellipse({0, 0}, 0.16, 0.16)), Gold);
        pen.Fill(StarPath({0, 0}, 0.1, 0.045, 5), Gold);
        break;
    }
    case Weapon::Kunai:
        for (qreal angle : {-22.0, 0.0, 22.0}) {
            painter.save();
            painter.rotate(angle);
            pen.FillAcross(Polygon({{0, -0.34}, {0.04, -0.2}, {0.015, -0.12}, {-0.015, -0.12}, {-0.04, -0.2}}),
                           QColor(0x7c, 0x84, 0x90));
            Shaft(pen, 0.0, -0.12, 0.012, QColor(0x30, 0x2c, 0x30));
            painter.restore();
        }
        break;
    case Weapon::Chain: {
        QPainterPath curve;
        curve.moveTo(0, 0);
        curve.cubicTo(0.08, -0.3, -0.2, -0.4, -0.05, -0.62);
        curve.cubicTo(0.02, -0.72, 0.1, -0.76, 0.08, -0.86);
        pen.NoLine();
        for (int i = 0; i <= 16; ++i) {
            const QPointF at = curve.pointAtPercent(i / 16.0);
            painter.setBrush(i % 2 ? QColor(0x8a, 0x90, 0x9a) : QColor(0xd8, 0xdc, 0xe4));
            painter.setPen(QPen(pen.line, 0.6 * pen.px));
            painter.drawEllipse(at, 0.024, 0.024);
        }
        pen.FillAcross(Polygon({{0.08, -0.98}, {0.12, -0.86}, {0.04, -0.86}}), Steel);
        break;
    }
    case Weapon::Brush:
        Shaft(pen, 0.14, -0.56, 0.022, QColor(0xb8, 0x90, 0x4c));
        pen.Fill(Box(-0.03, -0.6, 0.03, -0.54, 0.01), Gold);
        pen.Fill(Polygon({{-0.035, -0.6}, {0.035, -0.6}, {0.03, -0.72}, {0, -0.84}, {-0.03, -0.72}}),
                 QColor(0x1c, 0x1a, 0x1e));
        break;
    case Weapon::Umbrella: {
        Shaft(pen, 0.12, -0.7, 0.012, QColor(0x4a, 0x30, 0x20));
        QPainterPath canopy;
        canopy.moveTo(-0.32, -0.62);
        canopy.quadTo(-0.3, -0.84, 0, -0.86);
        canopy.quadTo(0.3, -0.84, 0.32, -0.62);
        canopy.quadTo(0.16, -0.66, 0, -0.62);
        canopy.quadTo(-0.16, -0.66, -0.32, -0.62);
        pen.Fill(canopy, trim);
        painter.setPen(QPen(trim.darker(140), 0.7 * pen.px));
        for (qreal x : {-0.2, -0.08, 0.08, 0.2})
            painter.drawLine(QPointF(0, -0.86), QPointF(x, -0.64));
        break;
    }
    case Weapon::Flute:
        Shaft(pen, 0.16, -0.6, 0.02, QColor(0x9c, 0xb8, 0x4c));
        pen.NoLine();
        painter.setBrush(QColor(0x30, 0x28, 0x20));
        for (int i = 0; i < 5; ++i)
            painter.drawEllipse(QPointF(0, -0.2 - i * 0.075), 0.009, 0.009);
        TasselBunch(pen, 0.14);
        break;
    case Weapon::Glaive: {
        Shaft(pen, 0.16, -0.6, 0.017, QColor(0x2e, 0x5a, 0x3c));
        QPainterPath blade;
        blade.moveTo(-0.02, -0.58);
        blade.lineTo(-0.03, -0.8);
        blade.cubicTo(0.04, -0.9, 0.14, -0.96, 0.2, -0.98);
        blade.cubicTo(0.18, -0.84, 0.14, -0.72, 0.06, -0.6);
        blade.closeSubpath();
        pen.FillAcross(blade, Steel);
        TasselBunch(pen, -0.6);
        break;
    }
    case Weapon::Mace: {
        Shaft(pen, 0.14, -0.44, 0.02);
        QRadialGradient ball(QPointF(-0.04, -0.58), 0.14);
        ball.setColorAt(0, Gold.lighter(140));
        ball.setColorAt(1, Gold.darker(140));
        pen.Outline();
        painter.setBrush(ball);
        painter.drawEllipse(QPointF(0, -0.54), 0.12, 0.12);
        painter.setPen(QPen(Gold.darker(160), 0.8 * pen.px));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(0, -0.54), 0.06, 0.12);
        break;
    }
    case Weapon::Ring:
        pen.Fill(Ellipse({0, -0.2}, 0.19, 0.19).subtracted(Ellipse({0, -0.2}, 0.14, 0.14)), Gold);
        break;
    case Weapon::EnergyBlade: {
        Shaft(pen, 0.14, -0.04, 0.022, QColor(0x60, 0x66, 0x74));
        pen.NoLine();
        painter.setBrush(QColor(0x40, 0xe0, 0xff, 90));
        painter.drawPath(Box(-0.05, -0.84, 0.05, -0.03, 0.05));
        painter.setBrush(QColor(0x9c, 0xf4, 0xff));
        painter.drawPath(Box(-0.026, -0.8, 0.026, -0.04, 0.026));
        painter.setBrush(QColor(255, 255, 255));
        painter.drawPath(Box(-0.01, -0.78, 0.01, -0.06, 0.01));
        break;
    }
    case Weapon::Wand:
        Shaft(pen, 0.1, -0.44, 0.012, QColor(0x2a, 0x22, 0x2c));
        pen.Fill(StarPath({0, -0.52}, 0.1, 0.042, 5), Gold);
        break;
    case Weapon::Spyglass:
        pen.FillAcross(Box(-0.036, -0.2, 0.036, 0.08, 0.01), Gold);
        pen.FillAcross(Box(-0.03, -0.4, 0.03, -0.2, 0.01), Gold.lighter(110));
        pen.FillAcross(Box(-0.025, -0.56, 0.025, -0.4, 0.01), Gold.lighter(120));
        pen.Fill(Box(-0.04, -0.23, 0.04, -0.19, 0.01), QColor(0x4a, 0x30, 0x20));
        break;
    case Weapon::Flag: {
        Shaft(pen, 0.14, -0.76, 0.012, QColor(0xa0, 0xa8, 0xb4));
        QPainterPath cloth;
        cloth.moveTo(0.01, -0.74);
        cloth.quadTo(0.14, -0.8, 0.32, -0.72);
        cloth.lineTo(0.32, -0.52);
        cloth.quadTo(0.14, -0.6, 0.01, -0.54);
        cloth.closeSubpath();
        pen.Fill(cloth, trim);
        pen.NoLine();
        painter.setBrush(QColor(255, 255, 255));
        painter.drawPath(StarPath({0.16, -0.64}, 0.05, 0.02, 5));
        break;
    }
    case Weapon::Lasso:
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(pen.line, 3.4 * pen.px, Qt::SolidLine, Qt::RoundCap));
        painter.drawEllipse(QPointF(-0.02, -0.34), 0.17, 0.12);
        painter.drawLine(QPointF(0, 0), QPointF(0.06, -0.23));
        painter.setPen(QPen(QColor(0xd8, 0xb0, 0x6a), 1.8 * pen.px, Qt::SolidLine, Qt::RoundCap));
        painter.drawEllipse(QPointF(-0.02, -0.34), 0.17, 0.12);
        painter.drawLine(QPointF(0, 0), QPointF(0.06, -0.23));
        break;
    case Weapon::Ladle:
        Shaft(pen, 0.1, -0.4, 0.014, Steel);
        pen.FillAcross(Ellipse({0, -0.46}, 0.1, 0.09).intersected(Box(-1, -0.47, 1, 1)), Steel);
        break;
    case Weapon::Magnifier:
        Shaft(pen, 0.1, -0.2, 0.022, QColor(0x6a, 0x3e, 0x22));
        pen.Fill(Ellipse({0, -0.34}, 0.14, 0.14).subtracted(Ellipse({0, -0.34}, 0.105, 0.105)), Gold);
        pen.NoLine();
        painter.setBrush(QColor(0xc8, 0xe8, 0xff, 150));
        painter.drawEllipse(QPointF(0, -0.34), 0.105, 0.105);
        painter.setBrush(QColor(255, 255, 255, 220));
        painter.drawEllipse(QPointF(-0.04, -0.38), 0.03, 0.02);
        break;
    case Weapon::Microphone:
        Shaft(pen, 0.1, -0.14, 0.026, QColor(0x2a, 0x2a, 0x30));
        pen.Fill(Ellipse({0, -0.22}, 0.075, 0.08), QColor(0xb0, 0xb4, 0xbc));
        painter.setPen(QPen(QColor(0x60, 0x64, 0x6c), 0.6 * pen.px));
        painter.drawLine(QPointF(-0.07, -0.22), QPointF(0.07, -0.22));
        painter.drawLine(QPointF(0, -0.3), QPointF(0, -0.14));
        break;
    case Weapon::Flower: {
        painter.setPen(QPen(QColor(0x3a, 0x8a, 0x34), 1.6 * pen.px, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, 0.08), QPointF(0, -0.34));
        QPainterPath leaf;
        leaf.moveTo(0, -0.14);
        leaf.quadTo(0.1, -0.24, 0.16, -0.2);
        leaf.quadTo(0.1, -0.12, 0, -0.14);
        pen.Fill(leaf, QColor(0x58, 0xb0, 0x3c));
        QPainterPath petals;
        for (int i = 0; i < 5; ++i) {
            const qreal angle = i * 2 * Pi / 5;
            petals.addEllipse(QPointF(std::sin(angle), -std::cos(angle)) * 0.07 + QPointF(0, -0.42), 0.06, 0.06);
        }
        pen.Fill(petals.simplified(), trim);
        pen.Fill(Ellipse({0, -0.42}, 0.04, 0.04), QColor(0xff, 0xd0, 0x30));
        break;
    }
    case Weapon::Balloon: {
        painter.setPen(QPen(pen.line, 0.8 * pen.px));
        painter.setBrush(Qt::NoBrush);
        QPainterPath string;
        string.moveTo(0, 0);
        string.cubicTo(-0.04, -0.2, 0.08, -0.3, 0.02, -0.48);
        painter.drawPath(string);
        QRadialGradient skin(QPointF(-0.02, -0.7), 0.2);
        skin.setColorAt(0, trim.lighter(150));
        skin.setColorAt(1, trim);
        pen.Outline();
        painter.setBrush(skin);
        painter.drawEllipse(QPointF(0.03, -0.65), 0.15, 0.18);
        pen.Fill(Polygon({{0.02, -0.47}, {0.05, -0.47}, {0.035, -0.5}}), trim);
        break;
    }
    case Weapon::Lantern:
        painter.setPen(QPen(pen.line, 1.0 * pen.px));
        painter.drawLine(QPointF(0, 0), QPointF(0, -0.1));
        pen.Fill(Ellipse({0, -0.24}, 0.13, 0.12), QColor(0xe0, 0x30, 0x28));
        pen.Fill(Box(-0.06, -0.38, 0.06, -0.34, 0.01), Gold);
        pen.Fill(Box(-0.06, -0.14, 0.06, -0.1, 0.01), Gold);
        painter.setPen(QPen(QColor(0xb0, 0x20, 0x1c), 0.7 * pen.px));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(0, -0.24), 0.06, 0.12);
        break;
    case Weapon::Broom:
        Shaft(pen, 0.14, -0.6, 0.015);
        pen.Fill(Polygon({{-0.03, -0.6}, {0.03, -0.6}, {0.12, -0.9}, {-0.12, -0.9}}), QColor(0xd8, 0xb4, 0x5a));
        pen.Fill(Box(-0.04, -0.64, 0.04, -0.59, 0.01), QColor(0x8a, 0x3a, 0xb8));
        break;
    case Weapon::Anchor: {
        const QColor iron(0x5a, 0x66, 0x78);
        pen.Fill(Ellipse({0, -0.56}, 0.05, 0.05).subtracted(Ellipse({0, -0.56}, 0.025, 0.025)), iron);
        pen.FillAcross(Box(-0.02, -0.52, 0.02, -0.06, 0.01), iron);
        pen.Fill(Box(-0.11, -0.46, 0.11, -0.42, 0.01), iron);
        QPainterPath arms;
        arms.moveTo(-0.17, -0.2);
        arms.quadTo(-0.14, -0.02, 0, -0.04);
        arms.quadTo(0.14, -0.02, 0.17, -0.2);
        arms.lineTo(0.13, -0.16);
        arms.quadTo(0.1, -0.07, 0, -0.08);
        arms.quadTo(-0.1, -0.07, -0.13, -0.16);
        arms.closeSubpath();
        pen.Fill(arms, iron);
        break;
    }
    case Weapon::Flask: {
        pen.Fill(Box(-0.03, -0.36, 0.03, -0.22, 0.01), QColor(0xe0, 0xf0, 0xf8));
        pen.Fill(Ellipse({0, -0.15}, 0.11, 0.1), QColor(0xe0, 0xf0, 0xf8));
        pen.NoLine();
        painter.setBrush(QColor(0x48, 0xd0, 0x60));
        painter.drawPath(Ellipse({0, -0.15}, 0.1, 0.09).intersected(Box(-1, -0.16, 1, 1)));
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawEllipse(QPointF(-0.03, -0.2), 0.015, 0.015);
        painter.drawEllipse(QPointF(0.02, -0.3), 0.012, 0.012);
        break;
    }
    case Weapon::Wrench:
        Shaft(pen, 0.1, -0.36, 0.022, Steel);
        pen.FillAcross(Ellipse({0, -0.44}, 0.085, 0.085).subtracted(Box(-0.03, -0.56, 0.03, -0.44)), Steel);
        break;
    case Weapon::Star:
        pen.Fill(StarPath({0, -0.24}, 0.18, 0.08, 5), Gold);
        break;
    case Weapon::Book:
        pen.Fill(Box(-0.13, -0.34, 0.13, -0.02, 0.01), trim);
        pen.Fill(Box(0.1, -0.32, 0.13, -0.04), QColor(0xf8, 0xf4, 0xe8));
        pen.Fill(Box(-0.07, -0.26, 0.05, -0.22), Gold);
        break;
    }
}

Grip GripFor(Weapon weapon)
{
    switch (weapon) {
    case Weapon::Fan: return {{0.74, 0.84}, 8, true};
    case Weapon::Bow: return {{0.2, 0.8}, -4, false};
    case Weapon::Claws: return {{0.74, 0.86}, 12, true};
    case Weapon::Nunchaku: return {{0.8, 0.86}, 16, false};
    case Weapon::Shield: return {{0.24, 0.84}, 0, true};
    case Weapon::Kunai: return {{0.76, 0.86}, 10, true};
    case Weapon::Chain: return {{0.78, 0.9}, 0, false};
    case Weapon::Umbrella: return {{0.78, 0.92}, -14, false};
    case Weapon::Ring: return {{0.78, 0.88}, 0, true};
    case Weapon::Flute: return {{0.8, 0.88}, 24, false};
    case Weapon::Spyglass: return {{0.78, 0.88}, 28, false};
    case Weapon::Magnifier:
    case Weapon::Microphone:
    case Weapon::Lantern:
    case Weapon::Flask:
    case Weapon::Star:
    case Weapon::Book: return {{0.77, 0.86}, 6, true};
    case Weapon::Lasso: return {{0.8, 0.9}, 4, true};
    case Weapon::Axe:
    case Weapon::Hammer:
    case Weapon::Mace: return {{0.8, 0.9}, 10, false};
    default: return {{0.8, 0.9}, 9, false};
    }
}

} // namespace llk::assets::hero
