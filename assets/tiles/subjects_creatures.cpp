// Theme 25: pocket creatures drawn by code, round little beasts that fill the face, each with a
// body of its own shape and colour and one feature that sets its kind apart (ears, horns, wings...).
#include "assets/tiles/drawn_subjects_high.h"
#include "assets/tiles/subject_drawing.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>

namespace llk::assets {

namespace {

enum class Feature { PointyEars, LongEars, RoundEars, Horns, Antennae, Sprout, Flame, Wings, Fins, Spikes, Shell, Crest };
enum class Body { Round, Pear, Egg };

struct Creature {
    Feature feature;
    Body body;
    QColor colour;
};

// Twelve features on three bodies; the colours walk round the hue circle so that no two creatures
// of one feature, nor two neighbours, share a colour.
Creature CreatureFor(int kind)
{
    const int index = kind - 1;
    const auto feature = Feature(index % 12);
    const auto body = Body(index / 12);
    const qreal hue = std::fmod(0.03 + index * 0.381966 + (index / 12) * 0.11, 1.0);
    const qreal saturation = index / 12 == 1 ? 0.72 : 0.6;
    const qreal value = index / 12 == 2 ? 0.82 : 0.94;
    return {feature, body, QColor::fromHsvF(float(hue), float(saturation), float(value))};
}

// Draws in a unit square over the face: fills lit from the upper left with a dark line.
struct Ink {
    QPainter& painter;
    qreal px;
    QColor line;

    void Fill(const QPainterPath& path, QColor colour) const
    {
        const QRectF box = path.boundingRect();
        QRadialGradient gradient(box.center(), std::max(box.width(), box.height()) * 0.7,
                                 box.center() - QPointF(box.width() * 0.25, box.height() * 0.3));
        gradient.setColorAt(0, colour.lighter(135));
        gradient.setColorAt(1, colour.darker(112));
        painter.setPen(QPen(line, 1.0 * px, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(gradient);
        painter.drawPath(path);
    }
};

QPainterPath Ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath Triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return path;
}

// Three upright ellipses side by side on the middle line, `spacing` apart and centred at height `y`,
// the outer two turned by `degrees` about `pivot` so that they fan out: a crest of plumes, stripes.
QPainterPath Fan(qreal spacing, qreal y, QSizeF radii, QPointF pivot, qreal degrees)
{
    QPainterPath fan;
    for (int i = -1; i <= 1; ++i) {
        QTransform turn;
        turn.translate(pivot.x(), pivot.y());
        turn.rotate(i * degrees);
        turn.translate(-pivot.x(), -pivot.y());
        fan.addPath(turn.map(Ellipse({0.5 + i * spacing, y}, radii.width(), radii.height())));
    }
    return fan;
}

QPainterPath Mirrored(const QPainterPath& path)
{
    QTransform mirror;
    mirror.translate(1, 0);
    mirror.scale(-1, 1);
    return path.united(mirror.map(path));
}

QPainterPath BodyPath(Body body)
{
    switch (body) {
    case Body::Round: return Ellipse({0.5, 0.58}, 0.31, 0.29);
    case Body::Egg: return Ellipse({0.5, 0.57}, 0.26, 0.31);
    case Body::Pear: {
        QPainterPath path;
        path.moveTo(0.5, 0.28);
        path.cubicTo(0.74, 0.28, 0.86, 0.64, 0.81, 0.78);
        path.quadTo(0.76, 0.9, 0.5, 0.9);
        path.quadTo(0.24, 0.9, 0.19, 0.78);
        path.cubicTo(0.14, 0.64, 0.26, 0.28, 0.5, 0.28);
        return path;
    }
    }
    return {};
}

// The parts behind the body.
void FeatureBehind(const Ink& ink, const Creature& creature)
{
    const QColor colour = creature.colour;
    const QColor inner(0xf6, 0xa8, 0xb8);
    switch (creature.feature) {
    case Feature::PointyEars:
        ink.Fill(Mirrored(Triangle({0.26, 0.42}, {0.22, 0.1}, {0.46, 0.3})), colour);
        ink.Fill(Mirrored(Triangle({0.29, 0.36}, {0.26, 0.18}, {0.4, 0.3})), inner);
        break;
    case Feature::LongEars: {
        QPainterPath ear = Ellipse({0.36, 0.2}, 0.065, 0.17);
        QTransform tilt;
        tilt.translate(0.36, 0.3);
        tilt.rotate(-14);
        tilt.translate(-0.36, -0.3);
        ink.Fill(Mirrored(tilt.map(ear)), colour);
        ink.Fill(Mirrored(tilt.map(Ellipse({0.36, 0.21}, 0.03, 0.12))), inner);
        break;
    }
    case Feature::RoundEars:
        ink.Fill(Mirrored(Ellipse({0.25, 0.3}, 0.1, 0.1)), colour);
        ink.Fill(Mirrored(Ellipse({0.25, 0.3}, 0.055, 0.055)), inner);
        break;
    case Feature::Horns: {
        QPainterPath horn;
        horn.moveTo(0.32, 0.36);
        horn.quadTo(0.22, 0.24, 0.24, 0.08);
        horn.quadTo(0.34, 0.2, 0.44, 0.31);
        horn.closeSubpath();
        ink.Fill(Mirrored(horn), QColor(0xf4, 0xe8, 0xc8));
        break;
    }
    case Feature::Antennae:
        ink.painter.setPen(QPen(ink.line, 1.4 * ink.px, Qt::SolidLine, Qt::RoundCap));
        ink.painter.drawLine(QPointF(0.42, 0.32), QPointF(0.32, 0.12));
        ink.painter.drawLine(QPointF(0.58, 0.32), QPointF(0.68, 0.12));
        ink.Fill(Mirrored(Ellipse({0.32, 0.11}, 0.05, 0.05)), QColor(0xff, 0xd8, 0x40));
        break;
    case Feature::Wings: {
        QPainterPath wing;
        wing.moveTo(0.26, 0.46);
        wing.lineTo(0.03, 0.3);
        wing.quadTo(0.08, 0.42, 0.04, 0.5);
        wing.quadTo(0.1, 0.52, 0.08, 0.62);
        wing.quadTo(0.16, 0.62, 0.22, 0.7);
        wing.closeSubpath();
        ink.Fill(Mirrored(wing), colour.darker(140));
        break;
    }
    case Feature::Fins:
        ink.Fill(Mirrored(Triangle({0.22, 0.54}, {0.03, 0.44}, {0.16, 0.76})), QColor(0x50, 0xb8, 0xe8));
        ink.Fill(Triangle({0.42, 0.32}, {0.5, 0.1}, {0.6, 0.32}), QColor(0x50, 0xb8, 0xe8));
        break;
    case Feature::Spikes: {
        QPainterPath spikes;
        for (int i = 0; i < 5; ++i) {
            const qreal x = 0.26 + i * 0.12;
            const qreal top = i == 2 ? 0.1 : i % 2 ? 0.16 : 0.26;
            spikes.addPath(Triangle({x - 0.06, 0.38}, {x, top}, {x + 0.06, 0.38}));
        }
        ink.Fill(spikes.simplified(), QColor(0xf0, 0x9a, 0x28));
        break;
    }
    case Feature::Crest: {
        ink.Fill(Fan(0.08, 0.18, {0.04, 0.12}, {0.5, 0.32}, 24).simplified(), QColor(0xe8, 0x3a, 0x4a));
        break;
    }
    default: break;
    }
}

// The parts in front of the body.
void FeatureFront(const Ink& ink, const Creature& creature)
{
    switch (creature.feature) {
    case Feature::Sprout: {
        ink.painter.setPen(QPen(QColor(0x2e, 0x7a, 0x2a), 1.6 * ink.px, Qt::SolidLine, Qt::RoundCap));
        ink.painter.drawLine(QPointF(0.5, 0.33), QPointF(0.5, 0.2));
        QPainterPath leaf;
        leaf.moveTo(0.5, 0.2);
        leaf.quadTo(0.36, 0.06, 0.26, 0.14);
        leaf.quadTo(0.36, 0.24, 0.5, 0.2);
        ink.Fill(leaf, QColor(0x58, 0xc0, 0x3c));
        QPainterPath right;
        right.moveTo(0.5, 0.2);
        right.quadTo(0.64, 0.04, 0.76, 0.1);
        right.quadTo(0.66, 0.24, 0.5, 0.2);
        ink.Fill(right, QColor(0x58, 0xc0, 0x3c));
        break;
    }
    case Feature::Flame: {
        QPainterPath flame;
        flame.moveTo(0.5, 0.04);
        flame.cubicTo(0.56, 0.14, 0.7, 0.18, 0.64, 0.34);
        flame.lineTo(0.36, 0.34);
        flame.cubicTo(0.3, 0.22, 0.42, 0.18, 0.44, 0.1);
        flame.quadTo(0.48, 0.16, 0.5, 0.04);
        ink.Fill(flame, QColor(0xff, 0x84, 0x1c));
        ink.Fill(Ellipse({0.5, 0.27}, 0.06, 0.07), QColor(0xff, 0xe0, 0x50));
        break;
    }
    case Feature::Shell: {
        const QPointF centre(0.7, 0.66);
        ink.Fill(Ellipse(centre, 0.17, 0.17), QColor(0xc8, 0x84, 0x40));
        QPainterPath spiral;
        spiral.moveTo(centre);
        for (int i = 1; i <= 24; ++i) {
            const qreal angle = i * Pi / 6;
            const qreal radius = 0.006 * i;
            spiral.lineTo(centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius));
        }
        ink.painter.setPen(QPen(ink.line, 1.1 * ink.px, Qt::SolidLine, Qt::RoundCap));
        ink.painter.setBrush(Qt::NoBrush);
        ink.painter.drawPath(spiral);
        break;
    }
    default: break;
    }
}

// Each body wears its own coat, so that the three creatures of one feature differ in more than
// colour: round ones are plain, pear-shaped ones have stripes on the crown and egg-shaped ones
// spots on the flanks.
void Markings(const Ink& ink, const Creature& creature, const QPainterPath& body)
{
    QPainter& painter = ink.painter;
    painter.setPen(Qt::NoPen);
    if (creature.body == Body::Pear) {
        painter.setBrush(creature.colour.darker(175));
        painter.drawPath(Fan(0.1, 0.33, {0.032, 0.08}, {0.5, 0.5}, 14).intersected(body));
    } else if (creature.body == Body::Egg) {
        painter.setBrush(QColor(255, 255, 255, 150));
        QPainterPath spots;
        for (qreal side : {-1.0, 1.0}) {
            spots.addPath(Ellipse({0.5 + side * 0.19, 0.71}, 0.05, 0.055));
            spots.addPath(Ellipse({0.5 + side * 0.13, 0.83}, 0.036, 0.038));
        }
        painter.drawPath(spots.intersected(body));
    }
}

// Round ones smile, pear-shaped ones call out with an open mouth and egg-shaped ones grin with
// one small fang.
void Mouth(const Ink& ink, const Creature& creature, qreal centre, qreal eyes)
{
    QPainter& painter = ink.painter;
    switch (creature.body) {
    case Body::Pear:
        painter.setPen(QPen(ink.line, 0.9 * ink.px));
        painter.setBrush(QColor(0x8a, 0x20, 0x30));
        painter.drawEllipse(QPointF(centre, eyes + 0.115), 0.04, 0.035);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xff, 0x8a, 0x9a));
        painter.drawEllipse(QPointF(centre, eyes + 0.13), 0.024, 0.014);
        break;
    case Body::Egg:
        painter.setPen(QPen(ink.line, 1.1 * ink.px, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(centre - 0.06, eyes + 0.06, 0.12, 0.07), 200 * 16, 140 * 16);
        painter.setPen(QPen(ink.line, 0.6 * ink.px));
        painter.setBrush(Qt::white);
        painter.drawPath(Triangle({centre + 0.012, eyes + 0.128}, {centre + 0.042, eyes + 0.122},
                                  {centre + 0.03, eyes + 0.16}));
        break;
    default:
        painter.setPen(QPen(ink.line, 1.1 * ink.px, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(centre - 0.045, eyes + 0.07, 0.09, 0.06), 200 * 16, 140 * 16);
        break;
    }
}

void Face(const Ink& ink, const Creature& creature)
{
    QPainter& painter = ink.painter;
    const qreal eyes = creature.body == Body::Pear ? 0.56 : 0.53;
    const qreal spread = creature.feature == Feature::Shell ? 0.085 : 0.11;
    const qreal centre = creature.feature == Feature::Shell ? 0.42 : 0.5;
    painter.setPen(Qt::NoPen);
    for (qreal side : {-1.0, 1.0}) {
        const QPointF eye(centre + side * spread, eyes);
        painter.setBrush(QColor(255, 255, 255));
        painter.drawEllipse(eye, 0.07, 0.08);
        painter.setBrush(QColor(0x22, 0x18, 0x20));
        painter.drawEllipse(eye + QPointF(side * 0.008, 0.01), 0.048, 0.06);
        painter.setBrush(QColor(255, 255, 255));
        painter.drawEllipse(eye + QPointF(-0.014, -0.014), 0.018, 0.018);
    }
    painter.setBrush(QColor(255, 110, 130, 130));
    for (qreal side : {-1.0, 1.0})
        painter.drawEllipse(QPointF(centre + side * 0.2, eyes + 0.1), 0.045, 0.028);
    if (creature.feature == Feature::Crest) {
        painter.setPen(QPen(ink.line, 0.8 * ink.px));
        painter.setBrush(QColor(0xff, 0xb0, 0x20));
        painter.drawPath(Triangle({centre - 0.045, eyes + 0.09}, {centre + 0.045, eyes + 0.09}, {centre, eyes + 0.16}));
        return;
    }
    Mouth(ink, creature, centre, eyes);
}

} // namespace

void PocketCreatureSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const Creature creature = CreatureFor(kind);
    // The creature fills a square a little larger than the subject area, about the face less its rim.
    const QRectF box = Square(area, 1.2, {0, -0.02});
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width(), box.height());
    const Ink ink{painter, scale / box.width(), creature.colour.darker(260)};
    FeatureBehind(ink, creature);
    ink.Fill(Mirrored(Ellipse({0.37, 0.88}, 0.08, 0.045)), creature.colour.darker(125));
    const QPainterPath body = BodyPath(creature.body);
    ink.Fill(body, creature.colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 90));
    painter.drawPath(body.intersected(Ellipse({0.5, 0.84}, 0.18, 0.11)));
    Markings(ink, creature, body);
    FeatureFront(ink, creature);
    Face(ink, creature);
    painter.restore();
}

} // namespace llk::assets
