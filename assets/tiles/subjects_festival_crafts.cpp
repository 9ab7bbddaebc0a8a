// Festival crafts of Theme 11: boats, lanterns, knots, foods, bronzes, jade and paper, drawn by code.
#include "assets/tiles/festival_crafts.h"
#include "assets/tiles/subject_drawing.h"
#include "assets/tiles/theme_art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace llk::assets {

namespace {

// Positions in units of the area's shorter side, from its centre.
struct Frame {
    QPointF centre;
    qreal unit;
    QPointF at(qreal x, qreal y) const { return centre + QPointF(x * unit, y * unit); }
    QRectF box(qreal x, qreal y, qreal w, qreal h) const { return {at(x - w / 2, y - h / 2), QSizeF(w * unit, h * unit)}; }
};

QPen Edge(QColor colour, int scale, qreal width = 1.0)
{
    return QPen(colour, width * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient Vertical(const QRectF& box, QColor top, QColor bottom)
{
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

void Tassel(QPainter& painter, const Frame& f, qreal x, qreal top, qreal length, QColor colour, int scale)
{
    painter.setPen(Edge(colour.darker(130), scale, 0.8));
    painter.drawLine(f.at(x, top), f.at(x, top + length * 0.3));
    QPainterPath fringe;
    fringe.moveTo(f.at(x - 0.05, top + length * 0.3));
    fringe.lineTo(f.at(x + 0.05, top + length * 0.3));
    fringe.lineTo(f.at(x + 0.09, top + length));
    fringe.lineTo(f.at(x - 0.09, top + length));
    fringe.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(fringe);
}

void DragonBoat(QPainter& painter, const Frame& f, int scale)
{
    // Water below, the long red hull, a dragon head raised at the bow and a drummer's drum amidships.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(66, 156, 214));
    painter.drawRoundedRect(f.box(0, 0.36, 1.2, 0.22), 0.1 * f.unit, 0.1 * f.unit);
    QPainterPath hull;
    hull.moveTo(f.at(-0.6, 0.12));
    hull.lineTo(f.at(0.5, 0.12));
    hull.quadTo(f.at(0.62, 0.12), f.at(0.64, -0.02));
    hull.quadTo(f.at(0.5, 0.38), f.at(0.1, 0.38));
    hull.lineTo(f.at(-0.4, 0.38));
    hull.quadTo(f.at(-0.56, 0.36), f.at(-0.6, 0.12));
    hull.closeSubpath();
    painter.setPen(Edge(QColor(110, 10, 10), scale));
    painter.setBrush(Vertical(hull.boundingRect(), QColor(236, 60, 44), QColor(160, 20, 20)));
    painter.drawPath(hull);
    painter.setPen(Edge(QColor(255, 206, 70), scale, 1.2));
    painter.drawLine(f.at(-0.5, 0.22), f.at(0.52, 0.22));
    // The head: a curved neck with a gold mane.
    QPainterPath head;
    head.moveTo(f.at(-0.6, 0.14));
    head.quadTo(f.at(-0.72, -0.18), f.at(-0.5, -0.36));
    head.lineTo(f.at(-0.3, -0.32));
    head.lineTo(f.at(-0.38, -0.2));
    head.quadTo(f.at(-0.5, -0.1), f.at(-0.42, 0.12));
    head.closeSubpath();
    painter.setPen(Edge(QColor(110, 10, 10), scale));
    painter.setBrush(QColor(224, 50, 38));
    painter.drawPath(head);
    painter.setPen(Edge(QColor(255, 206, 70), scale, 1.3));
    painter.drawLine(f.at(-0.62, -0.12), f.at(-0.52, -0.42));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 200));
    painter.drawEllipse(f.at(-0.44, -0.3), 0.05 * f.unit, 0.05 * f.unit);
    // Paddlers as gold heads along the gunwale, a drum amidships.
    painter.setBrush(QColor(250, 196, 60));
    for (qreal x : {-0.24, 0.0, 0.24, 0.44})
        painter.drawEllipse(f.at(x, 0.02), 0.07 * f.unit, 0.07 * f.unit);
    painter.setPen(Edge(QColor(90, 40, 10), scale, 0.8));
    painter.setBrush(QColor(196, 40, 30));
    painter.drawEllipse(f.box(0.12, -0.16, 0.2, 0.2));
}

void Tanghulu(QPainter& painter, const Frame& f, int scale)
{
    // Candied haws on a stick, shining with sugar.
    painter.setPen(Edge(QColor(150, 110, 60), scale, 1.6));
    painter.drawLine(f.at(0.26, 0.6), f.at(-0.14, -0.56));
    for (int i = 0; i < 5; ++i) {
        const QPointF c = f.at(0.2 - i * 0.09, 0.36 - i * 0.22);
        const qreal r = 0.17 * f.unit;
        QRadialGradient glaze(c - QPointF(r * 0.35, r * 0.4), r * 1.3);
        glaze.setColorAt(0, QColor(255, 150, 130));
        glaze.setColorAt(0.5, QColor(214, 24, 30));
        glaze.setColorAt(1, QColor(130, 0, 10));
        painter.setPen(Edge(QColor(110, 0, 10), scale, 0.7));
        painter.setBrush(glaze);
        painter.drawEllipse(c, r, r);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawEllipse(c - QPointF(r * 0.4, r * 0.4), r * 0.25, r * 0.2);
    }
}

void Knot(QPainter& painter, const Frame& f, int scale)
{
    // A red knot: a woven diamond with a loop on each side, hung by a cord, a tassel below.
    const QColor red(206, 22, 32);
    painter.setPen(Edge(red.darker(140), scale, 1.2));
    painter.drawLine(f.at(0, -0.62), f.at(0, -0.44));
    painter.setPen(Edge(red.darker(150), scale, 1.0));
    painter.setBrush(red);
    for (const QPointF& loop : {QPointF(0, -0.4), QPointF(-0.3, -0.1), QPointF(0.3, -0.1)})
        painter.drawEllipse(f.at(loop.x(), loop.y()), 0.12 * f.unit, 0.12 * f.unit);
    QPolygonF diamond;
    diamond << f.at(0, -0.4) << f.at(0.3, -0.1) << f.at(0, 0.2) << f.at(-0.3, -0.1);
    painter.drawPolygon(diamond);
    painter.setPen(Edge(QColor(255, 200, 80), scale, 0.8));
    for (int i = 1; i < 4; ++i) {
        const qreal t = i / 4.0;
        painter.drawLine(f.at(-0.3 + 0.3 * t, -0.1 - 0.3 * t), f.at(0.3 * t, 0.2 - 0.3 * t));
        painter.drawLine(f.at(0.3 - 0.3 * t, -0.1 - 0.3 * t), f.at(-0.3 * t, 0.2 - 0.3 * t));
    }
    painter.setBrush(QColor(255, 200, 80));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(f.at(0, 0.24), 0.06 * f.unit, 0.06 * f.unit);
    Tassel(painter, f, 0, 0.26, 0.38, red, scale);
}

void PalaceLantern(QPainter& painter, const Frame& f, int scale)
{
    // A six-sided palace lantern: a gold frame with red silk panels and tassels at its corners.
    const QColor gold(232, 170, 40);
    painter.setPen(Edge(gold.darker(160), scale));
    painter.setBrush(gold);
    painter.drawRect(f.box(0, -0.44, 0.62, 0.12));
    painter.drawRect(f.box(0, 0.3, 0.62, 0.12));
    painter.drawLine(f.at(0, -0.62), f.at(0, -0.5));
    QPolygonF body;
    body << f.at(-0.3, -0.38) << f.at(0.3, -0.38) << f.at(0.42, -0.04) << f.at(0.3, 0.24) << f.at(-0.3, 0.24)
         << f.at(-0.42, -0.04);
    QRadialGradient glow(f.at(0, -0.06), 0.5 * f.unit);
    glow.setColorAt(0, QColor(255, 170, 90));
    glow.setColorAt(0.6, QColor(214, 30, 30));
    glow.setColorAt(1, QColor(150, 10, 16));
    painter.setBrush(glow);
    painter.drawPolygon(body);
    painter.setPen(Edge(gold, scale, 1.0));
    painter.drawLine(f.at(-0.12, -0.38), f.at(-0.16, 0.24));
    painter.drawLine(f.at(0.12, -0.38), f.at(0.16, 0.24));
    for (qreal x : {-0.3, 0.3})
        Tassel(painter, f, x, 0.36, 0.28, QColor(210, 30, 30), scale);
    Tassel(painter, f, 0, 0.36, 0.3, QColor(240, 190, 50), scale);
}

void Zongzi(QPainter& painter, const Frame& f, int scale)
{
    // Rice in a pyramid of bamboo leaves, tied with string.
    QPolygonF back;
    back << f.at(-0.06, -0.56) << f.at(0.5, 0.36) << f.at(-0.5, 0.36);
    painter.setPen(Edge(QColor(40, 90, 30), scale));
    painter.setBrush(Vertical(back.boundingRect(), QColor(140, 200, 90), QColor(50, 120, 40)));
    painter.drawPolygon(back);
    QPolygonF front;
    front << f.at(-0.06, -0.56) << f.at(0.14, 0.36) << f.at(-0.5, 0.36);
    painter.setBrush(Vertical(front.boundingRect(), QColor(170, 220, 110), QColor(80, 150, 50)));
    painter.drawPolygon(front);
    painter.setPen(Edge(QColor(60, 120, 40), scale, 0.7));
    for (qreal x : {-0.3, -0.12, 0.3})
        painter.drawLine(f.at(-0.06, -0.5), f.at(x, 0.34));
    painter.setPen(Edge(QColor(250, 236, 200), scale, 1.5));
    painter.drawLine(f.at(-0.32, 0.02), f.at(0.34, 0.02));
    painter.drawLine(f.at(-0.06, -0.56), f.at(-0.02, 0.36));
}

void Tangyuan(QPainter& painter, const Frame& f, int scale)
{
    // A blue-and-white bowl of sweet rice balls, steam rising.
    painter.setPen(Edge(QColor(200, 200, 210, 200), scale, 1.0));
    painter.setBrush(Qt::NoBrush);
    for (qreal x : {-0.16, 0.16}) {
        QPainterPath steam;
        steam.moveTo(f.at(x, -0.2));
        steam.cubicTo(f.at(x - 0.1, -0.34), f.at(x + 0.1, -0.44), f.at(x, -0.6));
        painter.drawPath(steam);
    }
    const QRectF balls = f.box(0, -0.04, 0.9, 0.3);
    painter.setPen(Edge(QColor(200, 190, 180), scale, 0.7));
    for (const QPointF& c : {QPointF(-0.24, -0.06), QPointF(0.24, -0.06), QPointF(0, -0.14)}) {
        QRadialGradient ball(f.at(c.x() - 0.05, c.y() - 0.06), 0.2 * f.unit);
        ball.setColorAt(0, QColor(255, 255, 255));
        ball.setColorAt(1, QColor(236, 226, 222));
        painter.setBrush(ball);
        painter.drawEllipse(f.at(c.x(), c.y()), 0.17 * f.unit, 0.16 * f.unit);
    }
    Q_UNUSED(balls);
    QPainterPath bowl;
    bowl.moveTo(f.at(-0.56, 0.0));
    bowl.lineTo(f.at(0.56, 0.0));
    bowl.quadTo(f.at(0.5, 0.46), f.at(0, 0.46));
    bowl.quadTo(f.at(-0.5, 0.46), f.at(-0.56, 0.0));
    painter.setPen(Edge(QColor(30, 60, 140), scale));
    painter.setBrush(Vertical(bowl.boundingRect(), QColor(250, 252, 255), QColor(200, 214, 236)));
    painter.drawPath(bowl);
    painter.setPen(Edge(QColor(40, 80, 170), scale, 1.2));
    painter.drawLine(f.at(-0.44, 0.14), f.at(0.44, 0.14));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 80, 170));
    for (qreal x : {-0.24, 0.0, 0.24})
        painter.drawEllipse(f.at(x, 0.28), 0.06 * f.unit, 0.06 * f.unit);
    painter.drawRect(f.box(0, 0.5, 0.4, 0.08));
}

void Ding(QPainter& painter, const Frame& f, int scale)
{
    // A bronze tripod cauldron: two upright handles, a round belly with a band of pattern, three legs.
    const QColor bronze(92, 140, 110);
    const QPen edge = Edge(QColor(40, 60, 40), scale);
    painter.setPen(edge);
    painter.setBrush(bronze.darker(110));
    for (qreal x : {-0.3, 0.0, 0.3})
        painter.drawRect(f.box(x, 0.4, 0.1, 0.3));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(bronze.darker(130), 2.2 * scale));
    for (qreal x : {-0.3, 0.3})
        painter.drawRect(f.box(x, -0.46, 0.16, 0.2));
    QPainterPath belly;
    belly.moveTo(f.at(-0.52, -0.32));
    belly.lineTo(f.at(0.52, -0.32));
    belly.quadTo(f.at(0.56, 0.34), f.at(0, 0.34));
    belly.quadTo(f.at(-0.56, 0.34), f.at(-0.52, -0.32));
    QLinearGradient patina(f.at(-0.5, 0), f.at(0.5, 0));
    patina.setColorAt(0, bronze.lighter(130));
    patina.setColorAt(0.5, QColor(176, 150, 80));
    patina.setColorAt(1, bronze.darker(140));
    painter.setPen(edge);
    painter.setBrush(patina);
    painter.drawPath(belly);
    painter.setPen(Edge(QColor(60, 80, 50), scale, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(f.box(0, -0.16, 0.9, 0.14));
    for (qreal x : {-0.3, -0.1, 0.1, 0.3})
        painter.drawEllipse(f.at(x, -0.16), 0.04 * f.unit, 0.04 * f.unit);
    painter.drawRect(f.box(0, -0.34, 1.1, 0.06));
}

void JadeDisc(QPainter& painter, const Frame& f, int scale)
{
    // A bi: a flat jade ring carved with little bosses, hung from a red cord.
    const QRectF outer = f.box(0, 0.06, 1.08, 1.08);
    const QRectF inner = f.box(0, 0.06, 0.34, 0.34);
    painter.setPen(Edge(QColor(200, 30, 30), scale, 1.2));
    painter.drawLine(f.at(0, -0.64), f.at(0, -0.46));
    QPainterPath ring;
    ring.addEllipse(outer);
    ring.addEllipse(inner);
    QRadialGradient jade(f.at(-0.2, -0.14), 0.7 * f.unit);
    jade.setColorAt(0, QColor(200, 240, 200));
    jade.setColorAt(0.6, QColor(96, 180, 120));
    jade.setColorAt(1, QColor(40, 110, 70));
    painter.setPen(Edge(QColor(30, 80, 50), scale));
    painter.setBrush(jade);
    painter.drawPath(ring);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(220, 250, 220, 190));
    for (int i = 0; i < 10; ++i) {
        const qreal angle = i * Pi / 5;
        painter.drawEllipse(f.at(0.36 * std::cos(angle), 0.06 + 0.36 * std::sin(angle)), 0.045 * f.unit,
                            0.045 * f.unit);
    }
}

void PaperCut(QPainter& painter, const Frame& f, int scale)
{
    // A round red window paper-cut: an eight-petalled flower with holes cut round it.
    QPainterPath paper;
    paper.addEllipse(f.box(0, 0, 1.14, 1.14));
    QPainterPath holes;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = i * Pi / 4;
        QPainterPath petal;
        petal.addEllipse(QRectF(-0.09 * f.unit, -0.2 * f.unit, 0.18 * f.unit, 0.24 * f.unit));
        QTransform place;
        place.translate(f.centre.x(), f.centre.y());
        place.rotate(angle * 180 / Pi);
        place.translate(0, -0.2 * f.unit);
        holes.addPath(place.map(petal));
        const QPointF dot = f.at(0.44 * std::cos(angle + Pi / 8), 0.44 * std::sin(angle + Pi / 8));
        holes.addEllipse(dot, 0.05 * f.unit, 0.05 * f.unit);
    }
    holes.addEllipse(f.centre, 0.08 * f.unit, 0.08 * f.unit);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(206, 20, 30));
    painter.drawPath(paper.subtracted(holes));
    painter.setPen(Edge(QColor(150, 10, 20), scale, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(f.box(0, 0, 1.0, 1.0));
}

void FirecrackerString(QPainter& painter, const Frame& f, int scale)
{
    // A hanging string of red crackers, in pairs that point left and right.
    painter.setPen(Edge(QColor(120, 80, 40), scale, 1.0));
    painter.drawLine(f.at(0, -0.62), f.at(0, 0.56));
    for (int i = 0; i < 5; ++i) {
        const qreal y = -0.46 + i * 0.24;
        for (int side : {-1, 1}) {
            const QRectF cracker = f.box(side * 0.2, y + (side > 0 ? 0.06 : 0), 0.34, 0.13);
            painter.setPen(Edge(QColor(120, 0, 10), scale, 0.7));
            painter.setBrush(Vertical(cracker, QColor(250, 70, 50), QColor(170, 10, 20)));
            painter.drawRoundedRect(cracker, 0.04 * f.unit, 0.04 * f.unit);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 210, 70));
            painter.drawRect(QRectF(cracker.center().x() - 0.03 * f.unit, cracker.top(), 0.06 * f.unit,
                                    cracker.height()));
        }
    }
    painter.setBrush(QColor(255, 220, 90));
    painter.drawPath(StarPath(f.at(0, 0.6), 0.12 * f.unit, 0.05 * f.unit, 6));
}

void SilkFan(QPainter& painter, const Frame& f, int scale)
{
    // A round silk fan painted with plum blossom, on a bamboo handle with a tassel.
    painter.setPen(Edge(QColor(140, 90, 40), scale, 1.6));
    painter.drawLine(f.at(0, 0.1), f.at(0, 0.62));
    const QRectF silk = f.box(0, -0.16, 0.9, 0.9);
    painter.setPen(Edge(QColor(150, 100, 40), scale, 1.2));
    painter.setBrush(Vertical(silk, QColor(255, 250, 236), QColor(240, 226, 200)));
    painter.drawEllipse(silk);
    painter.setPen(Edge(QColor(90, 50, 30), scale, 1.2));
    painter.drawLine(f.at(-0.34, 0.08), f.at(0.1, -0.3));
    painter.drawLine(f.at(-0.06, -0.16), f.at(0.24, -0.08));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(226, 60, 100));
    for (const QPointF& p : {QPointF(0.12, -0.34), QPointF(-0.16, -0.1), QPointF(0.24, -0.06), QPointF(-0.3, 0.04)})
        painter.drawPath(StarPath(f.at(p.x(), p.y()), 0.1 * f.unit, 0.06 * f.unit, 5));
    Tassel(painter, f, 0, 0.56, 0.1, QColor(200, 30, 40), scale);
}

void SkyLantern(QPainter& painter, const Frame& f, int scale)
{
    // A paper sky lantern glowing over a night sky.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 40, 90));
    painter.drawRoundedRect(f.box(0, 0, 1.14, 1.24), 0.14 * f.unit, 0.14 * f.unit);
    painter.setBrush(QColor(255, 255, 210));
    for (const QPointF& star : {QPointF(-0.42, -0.46), QPointF(0.4, -0.3), QPointF(-0.4, 0.3), QPointF(0.44, 0.44)})
        painter.drawEllipse(f.at(star.x(), star.y()), 0.035 * f.unit, 0.035 * f.unit);
    QPolygonF body;
    body << f.at(-0.28, -0.44) << f.at(0.28, -0.44) << f.at(0.2, 0.34) << f.at(-0.2, 0.34);
    QRadialGradient glow(f.at(0, 0.22), 0.7 * f.unit);
    glow.setColorAt(0, QColor(255, 250, 200));
    glow.setColorAt(0.5, QColor(255, 190, 80));
    glow.setColorAt(1, QColor(230, 110, 40));
    painter.setPen(Edge(QColor(200, 100, 30), scale, 0.8));
    painter.setBrush(glow);
    painter.drawPolygon(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 120, 40));
    painter.drawEllipse(f.at(0, 0.42), 0.06 * f.unit, 0.08 * f.unit);
}

void Couplets(QPainter& painter, const Frame& f, int scale)
{
    // Spring couplets: two red scrolls with gold characters, a wide one across the top.
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setWeight(QFont::Black);
    font.setPixelSize(qMax(1, qRound(0.2 * f.unit)));
    RequireGlyphs(font.family(), QStringLiteral("春福"));
    painter.setFont(font);
    auto scroll = [&](const QRectF& box) {
        painter.setPen(Edge(QColor(120, 0, 10), scale, 0.8));
        painter.setBrush(Vertical(box, QColor(230, 40, 36), QColor(180, 14, 24)));
        painter.drawRect(box);
    };
    scroll(f.box(0, -0.52, 0.8, 0.2));
    scroll(f.box(-0.3, 0.12, 0.24, 1.0));
    scroll(f.box(0.3, 0.12, 0.24, 1.0));
    painter.setPen(QColor(255, 214, 80));
    painter.drawText(f.box(0, -0.52, 0.8, 0.2), Qt::AlignCenter, QStringLiteral("春"));
    for (int i = 0; i < 3; ++i) {
        painter.drawText(f.box(-0.3, -0.2 + i * 0.3, 0.24, 0.26), Qt::AlignCenter, QStringLiteral("福"));
        painter.drawText(f.box(0.3, -0.2 + i * 0.3, 0.24, 0.26), Qt::AlignCenter, QStringLiteral("春"));
    }
}

void Shuttlecock(QPainter& painter, const Frame& f, int scale)
{
    // A jianzi: a fan of coloured feathers rising from a weighted coin base.
    const QColor feathers[] = {QColor(230, 50, 50), QColor(250, 180, 30), QColor(40, 160, 90), QColor(40, 110, 220),
                               QColor(160, 60, 200)};
    for (int i = 0; i < 5; ++i) {
        const qreal dx = -0.32 + i * 0.16;
        QPainterPath feather;
        feather.moveTo(f.at(dx * 0.25, 0.2));
        feather.quadTo(f.at(dx - 0.14, -0.2), f.at(dx, -0.58));
        feather.quadTo(f.at(dx + 0.14, -0.2), f.at(dx * 0.25, 0.2));
        painter.setPen(Edge(feathers[i].darker(150), scale, 0.7));
        painter.setBrush(feathers[i]);
        painter.drawPath(feather);
    }
    const QRectF base = f.box(0, 0.34, 0.56, 0.3);
    QRadialGradient gold(base.center() - QPointF(0, base.height() * 0.3), base.width() * 0.6);
    gold.setColorAt(0, QColor(255, 236, 150));
    gold.setColorAt(1, QColor(190, 130, 20));
    painter.setPen(Edge(QColor(130, 80, 10), scale));
    painter.setBrush(gold);
    painter.drawEllipse(base);
    painter.setBrush(QColor(120, 70, 10));
    painter.drawRect(f.box(0, 0.34, 0.1, 0.08));
}

void LongevityLock(QPainter& painter, const Frame& f, int scale)
{
    // A gold longevity lock on a chain, the character 寿 on its face.
    painter.setPen(Edge(QColor(200, 150, 40), scale, 1.1));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(f.box(0, -0.26, 0.8, 0.7), 0, 180 * 16);
    QPainterPath lock;
    lock.moveTo(f.at(-0.56, -0.2));
    lock.quadTo(f.at(0, -0.34), f.at(0.56, -0.2));
    lock.quadTo(f.at(0.5, 0.36), f.at(0, 0.5));
    lock.quadTo(f.at(-0.5, 0.36), f.at(-0.56, -0.2));
    QLinearGradient gold(f.at(0, -0.3), f.at(0, 0.5));
    gold.setColorAt(0, QColor(255, 238, 150));
    gold.setColorAt(0.5, QColor(240, 186, 50));
    gold.setColorAt(1, QColor(180, 120, 20));
    painter.setPen(Edge(QColor(130, 80, 10), scale));
    painter.setBrush(gold);
    painter.drawPath(lock);
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setWeight(QFont::Black);
    font.setPixelSize(qMax(1, qRound(0.44 * f.unit)));
    RequireGlyphs(font.family(), QStringLiteral("寿"));
    painter.setFont(font);
    painter.setPen(QColor(190, 30, 20));
    painter.drawText(f.box(0, 0.06, 0.6, 0.5), Qt::AlignCenter, QStringLiteral("寿"));
}

} // namespace

void DrawCraft(QPainter& painter, const QRectF& area, Craft craft, int scale)
{
    const Frame f{area.center(), qMin(area.width(), area.height())};
    switch (craft) {
    case Craft::DragonBoat: DragonBoat(painter, f, scale); break;
    case Craft::Tanghulu: Tanghulu(painter, f, scale); break;
    case Craft::Knot: Knot(painter, f, scale); break;
    case Craft::PalaceLantern: PalaceLantern(painter, f, scale); break;
    case Craft::Zongzi: Zongzi(painter, f, scale); break;
    case Craft::Tangyuan: Tangyuan(painter, f, scale); break;
    case Craft::Ding: Ding(painter, f, scale); break;
    case Craft::JadeDisc: JadeDisc(painter, f, scale); break;
    case Craft::PaperCut: PaperCut(painter, f, scale); break;
    case Craft::FirecrackerString: FirecrackerString(painter, f, scale); break;
    case Craft::SilkFan: SilkFan(painter, f, scale); break;
    case Craft::SkyLantern: SkyLantern(painter, f, scale); break;
    case Craft::Couplets: Couplets(painter, f, scale); break;
    case Craft::Shuttlecock: Shuttlecock(painter, f, scale); break;
    case Craft::LongevityLock: LongevityLock(painter, f, scale); break;
    }
}

} // namespace llk::assets
