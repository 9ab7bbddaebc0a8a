// Hero busts drawn in a unit square over the tile face: dress, head and headwear, and the weapon.
#include "assets/tiles/hero_figure.h"
#include "assets/tiles/subject_drawing.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>

namespace llk::assets {

namespace {

// The head, in units of the face's side.
constexpr QPointF HeadCentre{0.5, 0.43};
constexpr qreal HeadRx = 0.15;
constexpr qreal HeadRy = 0.17;

const QColor Steel(0xd8, 0xe0, 0xea);
const QColor Gold(0xe8, 0xb4, 0x30);
const QColor Wood(0x8a, 0x56, 0x2a);
const QColor Tassel(0xd8, 0x2a, 0x24);
const QColor EyeInk(0x2a, 0x1a, 0x16);

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

QPainterPath Ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath Box(qreal left, qreal top, qreal right, qreal bottom, qreal radius = 0)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(left, top), QPointF(right, bottom)), radius, radius);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
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
QPainterPath Spikes(QPointF centre, qreal outer, qreal inner, int count, qreal from = Pi * 0.95, qreal to = Pi * 2.05)
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

bool IsHeroine(Headwear headwear)
{
    return headwear == Headwear::LongHair || headwear == Headwear::Ponytail || headwear == Headwear::TwinBuns ||
           headwear == Headwear::VeilHat;
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
    case Headwear::LongHair: {
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
    }
}

// --- weapons, drawn from the grip (the origin) up along -y ---------------------------------------

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
    }
}

// Where a weapon is held, how it leans (degrees, clockwise) and whether it is held up in front of
// the face rather than beside it.
struct Grip {
    QPointF at;
    qreal lean;
    bool front;
};

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
    case Weapon::Axe:
    case Weapon::Hammer:
    case Weapon::Mace: return {{0.8, 0.9}, 10, false};
    default: return {{0.8, 0.9}, 9, false};
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

void DrawHero(QPainter& painter, const QRectF& face, const Hero& hero, const HeroStyle& style, int scale)
{
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
