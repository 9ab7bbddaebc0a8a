// Hero busts drawn in a unit square over the tile face: dress, head and headwear, and what they hold.
#include "assets/tiles/hero_pencil.h"

#include <array>

namespace llk::assets {

namespace hero {

namespace {

bool IsHeroine(Headwear headwear)
{
    return headwear == Headwear::LongHair || headwear == Headwear::Ponytail || headwear == Headwear::TwinBuns ||
           headwear == Headwear::VeilHat || headwear == Headwear::Tiara || headwear == Headwear::WitchHat;
}

// --- hair and headwear ---------------------------------------------------------------------------

// Hair over the crown of the head, down to a fringe at `fringe` and short locks before the ears.
QPainterPath HairCap(qreal fringe = 0.355)
{
    const QPainterPath crown = Ellipse(HeadCentre - QPointF(0, 0.012), HeadRx + 0.018, HeadRy + 0.02);
    QPainterPath cut;
    cut.moveTo(0, 0);
    cut.lineTo(1, 0);
    cut.lineTo(1, fringe - 0.01);
    cut.lineTo(HeadCentre.x() + HeadRx - 0.01, fringe + 0.01);
    cut.lineTo(HeadCentre.x() + HeadRx + 0.02, HeadCentre.y() + 0.03);
    cut.lineTo(HeadCentre.x() + HeadRx - 0.04, fringe + 0.005);
    cut.quadTo(HeadCentre.x(), fringe + 0.045, HeadCentre.x() - HeadRx + 0.04, fringe + 0.005);
    cut.lineTo(HeadCentre.x() - HeadRx - 0.02, HeadCentre.y() + 0.03);
    cut.lineTo(HeadCentre.x() - HeadRx + 0.01, fringe + 0.01);
    cut.lineTo(0, fringe - 0.01);
    cut.closeSubpath();
    return crown.intersected(cut);
}

// Whatever of the headwear lies behind the head: long hair, tails, hoods, buns.
void HeadwearBehind(const Pencil& pen, const Hero& hero)
{
    const QColor hair = Rgb(hero.hair);
    const QColor trim = Rgb(hero.trim);
    switch (hero.headwear) {
    case Headwear::LongHair:
    case Headwear::Tiara:
    case Headwear::WitchHat: {
        QPainterPath mass;
        mass.moveTo(0.5, 0.22);
        mass.cubicTo(0.26, 0.22, 0.28, 0.50, 0.27, 0.76);
        mass.lineTo(0.73, 0.76);
        mass.cubicTo(0.72, 0.50, 0.74, 0.22, 0.5, 0.22);
        pen.Fill(mass, hair);
        break;
    }
    case Headwear::Ponytail: {
        QPainterPath tail;
        tail.moveTo(0.6, 0.28);
        tail.cubicTo(0.86, 0.26, 0.9, 0.5, 0.82, 0.72);
        tail.cubicTo(0.8, 0.56, 0.74, 0.44, 0.64, 0.4);
        tail.closeSubpath();
        pen.Fill(tail, hair);
        pen.Fill(Ellipse({0.665, 0.3}, 0.03, 0.03), trim);
        break;
    }
    case Headwear::TwinBuns:
        pen.Fill(Ellipse({0.34, 0.26}, 0.075, 0.075), hair);
        pen.Fill(Ellipse({0.66, 0.26}, 0.075, 0.075), hair);
        break;
    case Headwear::Topknot:
        pen.Fill(Ellipse({0.5, 0.215}, 0.06, 0.055), hair);
        break;
    case Headwear::Afro: {
        QPainterPath puff;
        for (int i = 0; i < 11; ++i) {
            const qreal angle = Pi * 0.8 + i * Pi * 1.4 / 10;
            puff.addEllipse(QPointF(0.5, 0.38) + QPointF(std::cos(angle), std::sin(angle)) * 0.19, 0.065, 0.065);
        }
        puff.addEllipse(QPointF(0.5, 0.36), 0.2, 0.17);
        pen.Fill(puff.simplified(), hair);
        break;
    }
    case Headwear::Hood: {
        QPainterPath hood;
        hood.moveTo(0.5, 0.14);
        hood.cubicTo(0.74, 0.2, 0.76, 0.5, 0.72, 0.7);
        hood.lineTo(0.28, 0.7);
        hood.cubicTo(0.24, 0.5, 0.26, 0.2, 0.5, 0.14);
        pen.Fill(hood, trim);
        break;
    }
    case Headwear::NinjaHood: {
        QPainterPath tails;
        tails.moveTo(0.62, 0.36);
        tails.cubicTo(0.76, 0.3, 0.84, 0.36, 0.9, 0.3);
        tails.lineTo(0.88, 0.38);
        tails.cubicTo(0.82, 0.42, 0.74, 0.4, 0.64, 0.42);
        tails.closeSubpath();
        pen.Fill(tails, trim);
        break;
    }
    case Headwear::VeilHat:
        pen.NoLine();
        pen.painter.setBrush(QColor(255, 255, 255, 120));
        pen.painter.drawPath(Box(0.2, 0.3, 0.8, 0.7, 0.02));
        break;
    default: break;
    }
}

// The face: eyes under brows set in a fighter's frown (a heroine's softer), and a mouth.
void Features(const Pencil& pen, const Hero& hero)
{
    QPainter& painter = pen.painter;
    const bool heroine = IsHeroine(hero.headwear);
    if (hero.headwear != Headwear::Visor) {
        pen.NoLine();
        painter.setBrush(EyeInk);
        for (qreal side : {-1.0, 1.0})
            painter.drawEllipse(QPointF(0.5 + side * 0.058, 0.45), 0.02, heroine ? 0.028 : 0.024);
        painter.setBrush(QColor(255, 255, 255));
        for (qreal side : {-1.0, 1.0})
            painter.drawEllipse(QPointF(0.5 + side * 0.058 - 0.006, 0.442), 0.007, 0.007);
        painter.setPen(QPen(Rgb(hero.hair).darker(130), (heroine ? 0.9 : 1.5) * pen.px, Qt::SolidLine, Qt::RoundCap));
        for (qreal side : {-1.0, 1.0}) {
            if (heroine)
                painter.drawLine(QPointF(0.5 + side * 0.085, 0.41), QPointF(0.5 + side * 0.035, 0.405));
            else
                painter.drawLine(QPointF(0.5 + side * 0.095, 0.4), QPointF(0.5 + side * 0.03, 0.418));
        }
    }
    if (hero.headwear == Headwear::NinjaHood)
        return;
    if (heroine) {
        pen.NoLine();
        painter.setBrush(QColor(240, 110, 120, 110));
        for (qreal side : {-1.0, 1.0})
            painter.drawEllipse(QPointF(0.5 + side * 0.085, 0.5), 0.025, 0.015);
        painter.setBrush(QColor(0xc8, 0x30, 0x3c));
        painter.drawEllipse(QPointF(0.5, 0.532), 0.022, 0.011);
    } else {
        painter.setPen(QPen(Rgb(hero.skin).darker(170), 1.1 * pen.px, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0.475, 0.532), QPointF(0.525, 0.532));
    }
}

void Beard(const Pencil& pen, const Hero& hero)
{
    const QColor hair = Rgb(hero.hair);
    QPainterPath beard;
    beard.moveTo(0.355, 0.46);
    beard.cubicTo(0.37, 0.6, 0.44, 0.7, 0.5, 0.71);
    beard.cubicTo(0.56, 0.7, 0.63, 0.6, 0.645, 0.46);
    beard.cubicTo(0.6, 0.52, 0.56, 0.5, 0.5, 0.51);
    beard.cubicTo(0.44, 0.5, 0.4, 0.52, 0.355, 0.46);
    pen.Fill(beard, hair);
    QPainterPath moustache;
    moustache.moveTo(0.5, 0.508);
    moustache.cubicTo(0.45, 0.5, 0.42, 0.52, 0.4, 0.55);
    moustache.cubicTo(0.44, 0.535, 0.47, 0.53, 0.5, 0.528);
    moustache.cubicTo(0.53, 0.53, 0.56, 0.535, 0.6, 0.55);
    moustache.cubicTo(0.58, 0.52, 0.55, 0.5, 0.5, 0.508);
    pen.Fill(moustache, hair.darker(115));
}

// Everything of the headwear in front of the head.
void HeadwearFront(const Pencil& pen, const Hero& hero)
{
    QPainter& painter = pen.painter;
    const QColor hair = Rgb(hero.hair);
    const QColor trim = Rgb(hero.trim);
    const qreal cx = HeadCentre.x();
    switch (hero.headwear) {
    case Headwear::SpikyHair:
        pen.Fill(Spikes({cx, 0.4}, 0.255, 0.16, 7).united(HairCap()), hair);
        break;
    case Headwear::Headband: {
        pen.Fill(Spikes({cx, 0.4}, 0.215, 0.16, 6).united(HairCap(0.35)), hair);
        QPainterPath tails;
        tails.moveTo(0.63, 0.34);
        tails.cubicTo(0.74, 0.3, 0.8, 0.36, 0.9, 0.28);
        tails.lineTo(0.86, 0.36);
        tails.cubicTo(0.8, 0.42, 0.74, 0.38, 0.64, 0.39);
        tails.closeSubpath();
        pen.Fill(tails, trim);
        pen.Fill(Ellipse(HeadCentre, HeadRx + 0.006, HeadRy + 0.006).intersected(Box(0, 0.325, 1, 0.37)), trim);
        break;
    }
    case Headwear::NinjaHood: {
        // The hood leaves a band of skin round the eyes, where the features are drawn again.
        const QPainterPath head = Ellipse(HeadCentre, HeadRx + 0.012, HeadRy + 0.014);
        pen.Fill(head.subtracted(Box(0.3, 0.405, 0.7, 0.48, 0.02)), trim);
        pen.Fill(Ellipse(HeadCentre, HeadRx + 0.012, HeadRy + 0.014).intersected(Box(0, 0.3, 1, 0.34)), hair);
        break;
    }
    case Headwear::CrestedHelmet: {
        pen.Fill(Polygon({{0.33, 0.34}, {0.2, 0.52}, {0.3, 0.53}, {0.37, 0.4}}), hair);
        pen.Fill(Polygon({{0.67, 0.34}, {0.8, 0.52}, {0.7, 0.53}, {0.63, 0.4}}), hair);
        pen.Fill(Ellipse({cx, 0.36}, 0.19, 0.15).intersected(Box(0, 0, 1, 0.36)), hair);
        pen.Fill(Box(0.3, 0.345, 0.7, 0.385, 0.01), hair.darker(130));
        QPainterPath crest;
        crest.moveTo(0.5, 0.23);
        crest.cubicTo(0.42, 0.22, 0.34, 0.16, 0.3, 0.06);
        crest.cubicTo(0.37, 0.13, 0.44, 0.18, 0.5, 0.19);
        crest.cubicTo(0.56, 0.18, 0.63, 0.13, 0.7, 0.06);
        crest.cubicTo(0.66, 0.16, 0.58, 0.22, 0.5, 0.23);
        pen.Fill(crest, Gold);
        break;
    }
    case Headwear::HornedHelmet: {
        for (qreal side : {-1.0, 1.0}) {
            QPainterPath horn;
            horn.moveTo(cx + side * 0.12, 0.3);
            horn.cubicTo(cx + side * 0.25, 0.3, cx + side * 0.3, 0.2, cx + side * 0.28, 0.08);
            horn.cubicTo(cx + side * 0.24, 0.18, cx + side * 0.2, 0.24, cx + side * 0.1, 0.25);
            horn.closeSubpath();
            pen.Fill(horn, QColor(0xf2, 0xe6, 0xc8));
        }
        pen.Fill(Ellipse({cx, 0.37}, 0.175, 0.155).intersected(Box(0, 0, 1, 0.37)), hair);
        pen.Fill(Box(0.32, 0.345, 0.68, 0.385, 0.01), Gold);
        pen.Fill(Box(0.485, 0.345, 0.515, 0.47, 0.01), hair);
        break;
    }
    case Headwear::LongHair: {
        QPainterPath fringe = HairCap(0.37);
        pen.Fill(fringe, hair);
        pen.Fill(Ellipse({0.37, 0.3}, 0.03, 0.03), trim);
        break;
    }
    case Headwear::Ponytail:
    case Headwear::TwinBuns:
        pen.Fill(HairCap(0.35), hair);
        if (hero.headwear == Headwear::TwinBuns) {
            pen.Fill(Box(0.25, 0.305, 0.3, 0.325, 0.01), trim);
            pen.Fill(Box(0.7, 0.305, 0.75, 0.325, 0.01), trim);
        }
        break;
    case Headwear::Topknot:
        pen.Fill(HairCap(0.345), hair);
        pen.Fill(Box(0.4, 0.205, 0.6, 0.23, 0.01), Gold);
        break;
    case Headwear::Mohawk:
        pen.Fill(Polygon({{0.46, 0.37}, {0.44, 0.22}, {0.4, 0.12}, {0.48, 0.17}, {0.5, 0.07}, {0.53, 0.17},
                          {0.6, 0.12}, {0.56, 0.22}, {0.54, 0.37}}),
                 hair);
        break;
    case Headwear::Afro:
        pen.Fill(HairCap(0.34), hair);
        break;
    case Headwear::Bald:
        pen.NoLine();
        painter.setBrush(QColor(255, 255, 255, 120));
        painter.drawEllipse(QPointF(0.45, 0.31), 0.035, 0.02);
        break;
    case Headwear::Hood: {
        QPainterPath rim = Ellipse(HeadCentre - QPointF(0, 0.02), 0.2, 0.22);
        rim = rim.subtracted(Ellipse(HeadCentre + QPointF(0, 0.015), HeadRx - 0.005, HeadRy - 0.005));
        rim = rim.intersected(Box(0, 0, 1, 0.52));
        pen.Fill(rim, Rgb(hero.trim));
        pen.NoLine();
        painter.setBrush(QColor(0, 0, 0, 60));
        painter.drawPath(Ellipse(HeadCentre + QPointF(0, 0.015), HeadRx - 0.005, HeadRy - 0.005)
                             .intersected(Box(0, 0, 1, 0.39)));
        break;
    }
    case Headwear::WrestlingMask: {
        const QPainterPath head = Ellipse(HeadCentre, HeadRx + 0.01, HeadRy + 0.012);
        pen.Fill(head.subtracted(Ellipse({0.5, 0.54}, 0.06, 0.04)), hair);
        pen.NoLine();
        painter.setBrush(QColor(255, 255, 255));
        for (qreal side : {-1.0, 1.0}) {
            QPainterPath patch;
            patch.moveTo(0.5 + side * 0.02, 0.46);
            patch.quadTo(0.5 + side * 0.06, 0.39, 0.5 + side * 0.13, 0.38);
            patch.quadTo(0.5 + side * 0.1, 0.5, 0.5 + side * 0.02, 0.46);
            painter.drawPath(patch);
        }
        pen.Fill(Polygon({{0.5, 0.27}, {0.53, 0.33}, {0.5, 0.43}, {0.47, 0.33}}), trim, false);
        painter.setBrush(EyeInk);
        for (qreal side : {-1.0, 1.0})
            painter.drawEllipse(QPointF(0.5 + side * 0.058, 0.45), 0.02, 0.024);
        break;
    }
    case Headwear::Visor:
        pen.Fill(Ellipse(HeadCentre, HeadRx + 0.02, HeadRy + 0.02).intersected(Box(0, 0, 1, 0.5)), hair);
        {
            QLinearGradient glow(0, 0.4, 0, 0.48);
            glow.setColorAt(0, QColor(0xb8, 0xff, 0xff));
            glow.setColorAt(1, QColor(0x1c, 0xb8, 0xe0));
            pen.Outline();
            painter.setBrush(glow);
            painter.drawPath(Box(0.33, 0.4, 0.67, 0.475, 0.03));
        }
        break;
    case Headwear::Bandana: {
        pen.Fill(Ellipse({cx, 0.38}, 0.175, 0.15).intersected(Box(0, 0, 1, 0.375)), trim);
        pen.Fill(Polygon({{0.64, 0.33}, {0.78, 0.28}, {0.76, 0.36}, {0.8, 0.42}, {0.65, 0.37}}), trim);
        pen.NoLine();
        painter.setBrush(QColor(255, 255, 255, 220));
        for (const QPointF dot : {QPointF(0.42, 0.28), QPointF(0.52, 0.25), QPointF(0.6, 0.31), QPointF(0.45, 0.34)})
            painter.drawEllipse(dot, 0.012, 0.012);
        break;
    }
    case Headwear::Crown:
        pen.Fill(HairCap(0.35), hair);
        pen.Fill(Polygon({{0.38, 0.27}, {0.37, 0.15}, {0.44, 0.21}, {0.5, 0.11}, {0.56, 0.21}, {0.63, 0.15},
                          {0.62, 0.27}}),
                 Gold);
        pen.NoLine();
        painter.setBrush(QColor(0xd0, 0x20, 0x40));
        painter.drawEllipse(QPointF(0.5, 0.235), 0.02, 0.02);
        break;
    case Headwear::StrawHat: {
        pen.Fill(HairCap(0.36), hair);
        QPainterPath hat;
        hat.moveTo(0.5, 0.09);
        hat.lineTo(0.86, 0.33);
        hat.quadTo(0.5, 0.38, 0.14, 0.33);
        hat.closeSubpath();
        pen.Fill(hat, QColor(0xe0, 0xbc, 0x6c));
        painter.setPen(QPen(QColor(0xa0, 0x78, 0x30), 0.7 * pen.px));
        for (qreal x : {0.26, 0.38, 0.5, 0.62, 0.74})
            painter.drawLine(QPointF(0.5, 0.11), QPointF(x, 0.34));
        break;
    }
    case Headwear::ScholarHat:
        pen.Fill(HairCap(0.35), hair);
        pen.Fill(Box(0.1, 0.265, 0.9, 0.295, 0.015), QColor(0x26, 0x24, 0x2c));
        pen.Fill(Box(0.37, 0.19, 0.63, 0.33, 0.04), QColor(0x26, 0x24, 0x2c));
        break;
    case Headwear::PlumedHelmet: {
        QPainterPath plume;
        plume.moveTo(0.5, 0.14);
        plume.cubicTo(0.62, 0.04, 0.8, 0.12, 0.84, 0.3);
        plume.cubicTo(0.74, 0.2, 0.64, 0.18, 0.52, 0.2);
        plume.closeSubpath();
        pen.Fill(plume, Tassel);
        pen.Fill(Polygon({{0.34, 0.33}, {0.32, 0.5}, {0.38, 0.5}, {0.38, 0.36}}), hair);
        pen.Fill(Polygon({{0.66, 0.33}, {0.68, 0.5}, {0.62, 0.5}, {0.62, 0.36}}), hair);
        pen.Fill(Ellipse({cx, 0.365}, 0.18, 0.16).intersected(Box(0, 0, 1, 0.365)), hair);
        pen.Fill(Polygon({{0.48, 0.22}, {0.5, 0.12}, {0.52, 0.22}}), Gold);
        pen.Fill(Box(0.31, 0.34, 0.69, 0.375, 0.01), Gold);
        break;
    }
    case Headwear::VeilHat:
        pen.Fill(HairCap(0.36), hair);
        pen.Fill(Ellipse({cx, 0.3}, 0.34, 0.05), QColor(0xd8, 0xb8, 0x78));
        pen.Fill(Ellipse({cx, 0.25}, 0.12, 0.07).intersected(Box(0, 0, 1, 0.29)), QColor(0xd8, 0xb8, 0x78));
        pen.NoLine();
        painter.setBrush(QColor(255, 255, 255, 150));
        painter.drawPath(Box(0.17, 0.32, 0.33, 0.68, 0.02));
        painter.drawPath(Box(0.67, 0.32, 0.83, 0.68, 0.02));
        break;
    case Headwear::HalfMask:
        pen.Fill(HairCap(0.34), hair);
        pen.Fill(Box(0.34, 0.39, 0.66, 0.48, 0.04).subtracted(Ellipse({0.442, 0.45}, 0.028, 0.022))
                     .subtracted(Ellipse({0.558, 0.45}, 0.028, 0.022)),
                 QColor(0xe0, 0xe4, 0xea));
        break;
    case Headwear::FurHat: {
        pen.Fill(Box(0.32, 0.3, 0.4, 0.52, 0.04), hair);
        pen.Fill(Box(0.6, 0.3, 0.68, 0.52, 0.04), hair);
        QPainterPath fur;
        for (int i = 0; i < 8; ++i)
            fur.addEllipse(QPointF(0.33 + i * 0.048, 0.32), 0.035, 0.035);
        fur.addRoundedRect(QRectF(0.33, 0.14, 0.34, 0.18), 0.08, 0.08);
        pen.Fill(fur.simplified(), hair);
        pen.Fill(Ellipse({0.5, 0.2}, 0.06, 0.035), trim);
        break;
    }
    case Headwear::Cap:
        pen.Fill(HairCap(0.37), hair);
        pen.Fill(Box(0.58, 0.325, 0.86, 0.365, 0.02), trim.darker(120));
        pen.Fill(Ellipse({cx, 0.35}, 0.165, 0.14).intersected(Box(0, 0, 1, 0.35)), trim);
        break;
    case Headwear::Tiara:
        pen.Fill(HairCap(0.37), hair);
        pen.Fill(Polygon({{0.38, 0.29}, {0.4, 0.2}, {0.45, 0.25}, {0.5, 0.15}, {0.55, 0.25}, {0.6, 0.2},
                          {0.62, 0.29}, {0.5, 0.27}}),
                 Gold);
        pen.NoLine();
        painter.setBrush(QColor(0x3a, 0xb8, 0xf0));
        painter.drawEllipse(QPointF(0.5, 0.225), 0.018, 0.018);
        break;
    case Headwear::Tricorn: {
        pen.Fill(HairCap(0.36), hair);
        pen.Fill(Ellipse({cx, 0.26}, 0.15, 0.1).intersected(Box(0, 0, 1, 0.3)), trim);
        QPainterPath brim;
        brim.moveTo(0.13, 0.33);
        brim.quadTo(0.3, 0.14, 0.5, 0.2);
        brim.quadTo(0.7, 0.14, 0.87, 0.33);
        brim.quadTo(0.5, 0.26, 0.13, 0.33);
        pen.Fill(brim, trim);
        pen.NoLine();
        painter.setBrush(QColor(0xf4, 0xf0, 0xe6));
        painter.drawEllipse(QPointF(0.5, 0.25), 0.03, 0.028);
        break;
    }
    case Headwear::SpaceHelmet: {
        pen.Fill(HairCap(0.35), hair);
        pen.Fill(Ellipse({cx, 0.67}, 0.22, 0.05), QColor(0xb8, 0xc0, 0xcc));
        pen.Outline();
        painter.setBrush(QColor(0xc8, 0xec, 0xff, 70));
        painter.drawEllipse(QPointF(cx, 0.43), 0.25, 0.25);
        painter.setPen(QPen(QColor(255, 255, 255, 220), 2.0 * pen.px, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(0.3, 0.23, 0.4, 0.4), 100 * 16, 50 * 16);
        break;
    }
    case Headwear::WizardHat:
    case Headwear::WitchHat: {
        pen.Fill(HairCap(0.36), hair);
        QPainterPath cone;
        cone.moveTo(0.34, 0.3);
        cone.quadTo(0.44, 0.16, 0.46, 0.04);
        cone.quadTo(0.56, 0.08, 0.74, 0.02);
        cone.quadTo(0.58, 0.14, 0.66, 0.3);
        cone.closeSubpath();
        pen.Fill(cone, trim);
        pen.Fill(Ellipse({cx, 0.3}, 0.27, 0.05), trim);
        if (hero.headwear == Headwear::WizardHat) {
            pen.NoLine();
            painter.setBrush(Gold);
            painter.drawPath(StarPath({0.52, 0.2}, 0.04, 0.017, 5));
            painter.drawPath(StarPath({0.45, 0.12}, 0.025, 0.01, 5));
        } else {
            pen.Fill(Box(0.35, 0.255, 0.65, 0.29), QColor(0x8a, 0x3a, 0xb8));
        }
        break;
    }
    case Headwear::CowboyHat: {
        pen.Fill(HairCap(0.36), hair);
        QPainterPath brim;
        brim.moveTo(0.16, 0.25);
        brim.quadTo(0.22, 0.34, 0.5, 0.34);
        brim.quadTo(0.78, 0.34, 0.84, 0.25);
        brim.quadTo(0.78, 0.3, 0.5, 0.29);
        brim.quadTo(0.22, 0.3, 0.16, 0.25);
        pen.Fill(brim, trim);
        QPainterPath crown;
        crown.moveTo(0.35, 0.3);
        crown.quadTo(0.34, 0.14, 0.42, 0.14);
        crown.quadTo(0.5, 0.18, 0.58, 0.14);
        crown.quadTo(0.66, 0.14, 0.65, 0.3);
        crown.closeSubpath();
        pen.Fill(crown, trim);
        pen.Fill(Box(0.35, 0.25, 0.65, 0.285), trim.darker(150));
        break;
    }
    case Headwear::ChefHat: {
        pen.Fill(HairCap(0.36), hair);
        QPainterPath puff;
        puff.addEllipse(QPointF(0.39, 0.17), 0.09, 0.09);
        puff.addEllipse(QPointF(0.5, 0.12), 0.1, 0.1);
        puff.addEllipse(QPointF(0.61, 0.17), 0.09, 0.09);
        puff.addRect(QRectF(0.35, 0.17, 0.3, 0.1));
        pen.Fill(puff.simplified(), QColor(0xfa, 0xfa, 0xf6));
        pen.Fill(Box(0.35, 0.25, 0.65, 0.33, 0.01), QColor(0xfa, 0xfa, 0xf6));
        break;
    }
    case Headwear::Deerstalker:
        pen.Fill(Polygon({{0.38, 0.3}, {0.28, 0.36}, {0.36, 0.36}}), trim.darker(115));
        pen.Fill(Polygon({{0.62, 0.3}, {0.72, 0.36}, {0.64, 0.36}}), trim.darker(115));
        pen.Fill(Ellipse({cx, 0.34}, 0.175, 0.15).intersected(Box(0, 0, 1, 0.35)), trim);
        painter.setPen(QPen(trim.darker(150), 0.8 * pen.px));
        for (qreal x : {0.42, 0.5, 0.58})
            painter.drawLine(QPointF(x, 0.2), QPointF(x, 0.34));
        pen.Fill(Ellipse({cx, 0.19}, 0.03, 0.02), trim.darker(130));
        break;
    case Headwear::TopHat:
        pen.Fill(HairCap(0.36), hair);
        pen.Fill(Ellipse({cx, 0.3}, 0.22, 0.045), QColor(0x1e, 0x1e, 0x26));
        pen.Fill(Box(0.37, 0.04, 0.63, 0.3, 0.01), QColor(0x1e, 0x1e, 0x26));
        pen.Fill(Box(0.37, 0.22, 0.63, 0.27), trim);
        break;
    case Headwear::PithHelmet:
        pen.Fill(HairCap(0.36), hair);
        pen.Fill(Ellipse({cx, 0.32}, 0.27, 0.05), trim);
        pen.Fill(Ellipse({cx, 0.31}, 0.19, 0.17).intersected(Box(0, 0, 1, 0.31)), trim);
        pen.Fill(Box(0.31, 0.27, 0.69, 0.3), trim.darker(140));
        break;
    case Headwear::SailorCap:
        pen.Fill(HairCap(0.35), hair);
        pen.Fill(Ellipse({cx, 0.27}, 0.2, 0.07), QColor(0xfa, 0xfa, 0xfa));
        pen.Fill(Box(0.35, 0.28, 0.65, 0.335, 0.01), Rgb(hero.cloth));
        break;
    case Headwear::FireHelmet:
        pen.Fill(Ellipse({cx, 0.35}, 0.27, 0.055), QColor(0xc8, 0x24, 0x1c));
        pen.Fill(Ellipse({cx, 0.35}, 0.18, 0.17).intersected(Box(0, 0, 1, 0.35)), QColor(0xd8, 0x2c, 0x22));
        pen.Fill(Polygon({{0.44, 0.2}, {0.56, 0.2}, {0.58, 0.3}, {0.5, 0.34}, {0.42, 0.3}}), Gold);
        break;
    case Headwear::Beret: {
        pen.Fill(HairCap(0.36), hair);
        QPainterPath beret = Ellipse({0.46, 0.25}, 0.21, 0.075);
        QTransform tilt;
        tilt.translate(0.46, 0.25);
        tilt.rotate(-10);
        tilt.translate(-0.46, -0.25);
        pen.Fill(tilt.map(beret), trim);
        pen.Fill(Box(0.455, 0.15, 0.475, 0.185, 0.01), trim.darker(130));
        break;
    }
    }
}

// --- dress ---------------------------------------------------------------------------------------

QPainterPath Shoulders()
{
    QPainterPath body;
    body.moveTo(0.04, 1.05);
    body.cubicTo(0.06, 0.8, 0.2, 0.7, 0.37, 0.675);
    body.lineTo(0.63, 0.675);
    body.cubicTo(0.8, 0.7, 0.94, 0.8, 0.96, 1.05);
    body.closeSubpath();
    return body;
}

void DrawDress(const Pencil& pen, const Hero& hero)
{
    QPainter& painter = pen.painter;
    const QColor cloth = Rgb(hero.cloth);
    const QColor trim = Rgb(hero.trim);
    const QColor skin = Rgb(hero.skin);
    const QPainterPath body = Shoulders();
    pen.Fill(body, hero.dress == Dress::Vest ? skin : cloth);
    switch (hero.dress) {
    case Dress::Jacket:
        pen.Fill(body.intersected(Polygon({{0.4, 0.67}, {0.56, 1.05}, {0.64, 1.05}, {0.47, 0.67}})), trim);
        pen.Fill(body.intersected(Polygon({{0.6, 0.67}, {0.44, 0.95}, {0.38, 0.9}, {0.53, 0.67}})), trim);
        break;
    case Dress::Robe:
        pen.Fill(body.intersected(Polygon({{0.38, 0.67}, {0.62, 1.05}, {0.74, 1.05}, {0.46, 0.67}})), trim);
        pen.Fill(body.intersected(Polygon({{0.62, 0.67}, {0.5, 0.84}, {0.45, 0.79}, {0.55, 0.67}})), trim);
        break;
    case Dress::Armour:
        pen.Fill(Box(0.36, 0.75, 0.64, 1.05, 0.04), cloth.lighter(115));
        pen.Fill(Ellipse({0.19, 0.79}, 0.13, 0.075), trim);
        pen.Fill(Ellipse({0.81, 0.79}, 0.13, 0.075), trim);
        pen.NoLine();
        painter.setBrush(Gold);
        for (qreal x : {0.12, 0.19, 0.26, 0.74, 0.81, 0.88})
            painter.drawEllipse(QPointF(x, 0.79), 0.011, 0.011);
        break;
    case Dress::Vest:
        pen.Fill(body.intersected(Polygon({{0.32, 0.7}, {0.44, 0.7}, {0.5, 0.86}, {0.56, 0.7}, {0.68, 0.7},
                                           {0.72, 1.05}, {0.28, 1.05}})),
                 cloth);
        pen.Fill(Box(0.28, 0.94, 0.72, 1.05), trim);
        break;
    case Dress::Suit:
        pen.Fill(Box(0.4, 0.65, 0.6, 0.72, 0.02), trim);
        pen.Fill(body.intersected(Box(0.47, 0.72, 0.53, 1.05)), trim);
        break;
    case Dress::Gown:
        pen.Fill(Ellipse({0.5, 0.68}, 0.13, 0.07).intersected(Box(0, 0.6, 1, 1)), skin);
        pen.Fill(Ellipse({0.22, 0.79}, 0.12, 0.09), cloth.lighter(118));
        pen.Fill(Ellipse({0.78, 0.79}, 0.12, 0.09), cloth.lighter(118));
        painter.setPen(QPen(trim, 1.4 * pen.px));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(0.4, 0.63, 0.2, 0.12), 200 * 16, 140 * 16);
        break;
    }
}

void DrawHeld(const Pencil& pen, const Hero& hero)
{
    const Grip grip = GripFor(hero.weapon);
    const QPointF at = hero.leftHand ? QPointF(1 - grip.at.x(), grip.at.y()) : grip.at;
    pen.painter.save();
    pen.painter.translate(at);
    if (hero.leftHand)
        pen.painter.scale(-1, 1);
    pen.painter.rotate(grip.lean);
    DrawWeapon(pen, hero.weapon, hero);
    pen.painter.restore();
    // The fist round the grip.
    if (hero.weapon != Weapon::Shield)
        pen.Fill(Ellipse(at + QPointF(0, 0.01), 0.05, 0.045), Rgb(hero.skin));
}

} // namespace

} // namespace hero

void DrawHero(QPainter& painter, const QRectF& face, const Hero& hero, const HeroStyle& style, int scale)
{
    using namespace hero;
    const qreal side = std::min(face.width(), face.height());
    painter.save();
    painter.translate(face.center() - QPointF(side, side) / 2);
    painter.scale(side, side);
    const Pencil pen{painter, scale / side, Rgb(style.line), style.lineWidth};
    const Grip grip = GripFor(hero.weapon);

    HeadwearBehind(pen, hero);
    DrawDress(pen, hero);
    if (!grip.front)
        DrawHeld(pen, hero);
    const QColor skin = Rgb(hero.skin);
    pen.Fill(Box(0.45, 0.54, 0.55, 0.7, 0.03), skin.darker(110));
    for (qreal x : {0.35, 0.65})
        pen.Fill(Ellipse({x, 0.45}, 0.025, 0.035), skin);
    pen.Fill(Ellipse(HeadCentre, HeadRx, HeadRy), skin);
    if (hero.headwear != Headwear::WrestlingMask)
        Features(pen, hero);
    if (hero.beard)
        Beard(pen, hero);
    HeadwearFront(pen, hero);
    if (hero.headwear == Headwear::NinjaHood)
        Features(pen, hero);
    if (grip.front)
        DrawHeld(pen, hero);
    painter.restore();
}

} // namespace llk::assets
