// Theme 9: the 42 mahjong tiles, drawn with CJK characters, circles and bamboo sticks.
#include "assets/tiles/drawn.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <vector>

namespace llk::assets {

namespace {

const QColor Ink(30, 30, 38);
const QColor Red(196, 30, 36);
const QColor Green(22, 122, 70);
const QColor Blue(28, 52, 140);

// A character of the tile's inscription, as large as `size` allows but never beyond `box`.
void DrawGlyph(QPainter& painter, const QRectF& box, const QString& text, const QColor& colour, qreal size)
{
    QPainterPath path = CentredGlyphs(text, QStringLiteral("Noto Serif CJK SC"), QFont::Black, size);
    const QRectF bounds = path.boundingRect();
    if (bounds.width() > box.width() || bounds.height() > box.height())
        path = FitInto(path, box);
    else
        path.translate(box.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
}

// Where the circles or sticks of a suit tile of `count` sit, in fractions of the area (x, y).
struct Spot {
    qreal x;
    qreal y;
    int colour; // 0 blue, 1 green, 2 red
};

std::vector<Spot> DotLayout(int count)
{
    switch (count) {
    case 1: return {{0.5, 0.5, 2}};
    case 2: return {{0.5, 0.25, 1}, {0.5, 0.75, 0}};
    case 3: return {{0.2, 0.17, 0}, {0.5, 0.5, 2}, {0.8, 0.83, 1}};
    case 4: return {{0.25, 0.25, 0}, {0.75, 0.25, 1}, {0.25, 0.75, 1}, {0.75, 0.75, 0}};
    case 5: return {{0.22, 0.2, 0}, {0.78, 0.2, 1}, {0.5, 0.5, 2}, {0.22, 0.8, 1}, {0.78, 0.8, 0}};
    case 6:
        return {{0.28, 0.15, 1}, {0.72, 0.15, 1}, {0.28, 0.55, 2}, {0.72, 0.55, 2}, {0.28, 0.86, 2}, {0.72, 0.86, 2}};
    case 7:
        return {{0.18, 0.1, 1}, {0.5, 0.22, 1},  {0.82, 0.34, 1}, {0.28, 0.6, 2},
                {0.72, 0.6, 2}, {0.28, 0.88, 2}, {0.72, 0.88, 2}};
    case 8:
        return {{0.28, 0.12, 0}, {0.72, 0.12, 0}, {0.28, 0.37, 0}, {0.72, 0.37, 0},
                {0.28, 0.63, 0}, {0.72, 0.63, 0}, {0.28, 0.88, 0}, {0.72, 0.88, 0}};
    default:
        return {{0.18, 0.15, 0}, {0.5, 0.15, 0},  {0.82, 0.15, 0}, {0.18, 0.5, 2}, {0.5, 0.5, 2},
                {0.82, 0.5, 2},  {0.18, 0.85, 1}, {0.5, 0.85, 1},  {0.82, 0.85, 1}};
    }
}

std::vector<Spot> BambooLayout(int count)
{
    switch (count) {
    case 2: return {{0.5, 0.25, 1}, {0.5, 0.75, 0}};
    case 3: return {{0.5, 0.25, 1}, {0.27, 0.75, 0}, {0.73, 0.75, 0}};
    case 4: return {{0.3, 0.25, 1}, {0.7, 0.25, 0}, {0.3, 0.75, 0}, {0.7, 0.75, 1}};
    case 5: return {{0.2, 0.25, 1}, {0.8, 0.25, 0}, {0.5, 0.5, 2}, {0.2, 0.75, 0}, {0.8, 0.75, 1}};
    case 6: return {{0.2, 0.25, 1}, {0.5, 0.25, 1}, {0.8, 0.25, 1}, {0.2, 0.75, 0}, {0.5, 0.75, 0}, {0.8, 0.75, 0}};
    case 7:
        return {{0.5, 0.16, 2}, {0.2, 0.5, 1},  {0.5, 0.5, 1}, {0.8, 0.5, 1},
                {0.2, 0.84, 0}, {0.5, 0.84, 0}, {0.8, 0.84, 0}};
    case 8:
        return {{0.14, 0.25, 1}, {0.38, 0.25, 1}, {0.62, 0.25, 1}, {0.86, 0.25, 1},
                {0.14, 0.75, 0}, {0.38, 0.75, 0}, {0.62, 0.75, 0}, {0.86, 0.75, 0}};
    default:
        return {{0.2, 0.13, 2}, {0.5, 0.13, 0}, {0.8, 0.13, 1}, {0.2, 0.5, 2}, {0.5, 0.5, 0},
                {0.8, 0.5, 1},  {0.2, 0.87, 2}, {0.5, 0.87, 0}, {0.8, 0.87, 1}};
    }
}

QColor SuitColour(int colour) { return colour == 0 ? Blue : colour == 1 ? Green : Red; }

void DrawCircle(QPainter& painter, QPointF centre, qreal radius, const QColor& colour, qreal pen)
{
    painter.setPen(QPen(colour, pen));
    QRadialGradient fill(centre, radius);
    fill.setColorAt(0, colour.lighter(160));
    fill.setColorAt(1, colour);
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius - pen / 2, radius - pen / 2);
    painter.setPen(QPen(QColor(255, 255, 255, 230), pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.58, radius * 0.58);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.darker(130));
    painter.drawEllipse(centre, radius * 0.24, radius * 0.24);
}

void DrawDots(QPainter& painter, const QRectF& area, int count, int scale)
{
    if (count == 1) {
        const QPointF centre = area.center();
        const qreal radius = qMin(area.width(), area.height()) * 0.5;
        DrawCircle(painter, centre, radius, Green, scale);
        painter.setPen(QPen(Red, scale));
        painter.setBrush(Red.lighter(130));
        painter.drawEllipse(centre, radius * 0.42, radius * 0.42);
        painter.setBrush(Qt::white);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(centre, radius * 0.16, radius * 0.16);
        return;
    }
    const std::vector<Spot> spots = DotLayout(count);
    const qreal radius = qMin(count <= 2   ? area.width() * 0.3
                              : count <= 6 ? area.width() * 0.21
                                           : area.width() * 0.16,
                              area.height() * 0.13 *
                                  (count <= 3   ? 1.8
                                   : count <= 6 ? 1.1
                                                : 1.0));
    // The layout is drawn towards the centre until its outer circles keep a clear gap from the
    // face's outline, which runs about a pixel outside this area.
    const qreal gap = 1.5 * scale;
    qreal spreadX = 0;
    qreal spreadY = 0;
    for (const Spot& spot : spots) {
        spreadX = qMax(spreadX, std::abs(spot.x - 0.5) * area.width());
        spreadY = qMax(spreadY, std::abs(spot.y - 0.5) * area.height());
    }
    const qreal fitX = spreadX > 0 ? qMin(1.0, (area.width() / 2 - gap - radius) / spreadX) : 1.0;
    const qreal fitY = spreadY > 0 ? qMin(1.0, (area.height() / 2 - gap - radius) / spreadY) : 1.0;
    for (const Spot& spot : spots)
        DrawCircle(painter,
                   area.center() + QPointF((spot.x - 0.5) * area.width() * fitX, (spot.y - 0.5) * area.height() * fitY),
                   radius, SuitColour(spot.colour), scale);
}

// A bamboo stick: a slim stem swelling into a node at each end and in the middle.
void DrawStick(QPainter& painter, const QRectF& slot, const QColor& colour, qreal pen)
{
    const qreal stem = slot.width() * 0.62;
    QLinearGradient fill(slot.topLeft(), slot.topRight());
    fill.setColorAt(0, colour.lighter(155));
    fill.setColorAt(0.45, colour);
    fill.setColorAt(1, colour.darker(150));
    painter.setPen(QPen(colour.darker(170), pen * 0.6));
    painter.setBrush(fill);
    const QRectF body(slot.center().x() - stem / 2, slot.top(), stem, slot.height());
    painter.drawRoundedRect(body, stem / 2, stem / 3);
    const qreal node = qMax(pen * 1.4, slot.height() * 0.11);
    for (qreal y : {slot.top(), slot.center().y() - node / 2, slot.bottom() - node})
        painter.drawRoundedRect(QRectF(slot.left(), y, slot.width(), node), node / 2, node / 2);
}

void DrawBamboo(QPainter& painter, const QRectF& area, int count, int scale)
{
    if (count == 1) {
        // One tall stick, twice as wide as a stick of the other tiles, with a red heart.
        const qreal width = area.width() * 0.34;
        const QRectF slot(area.center().x() - width / 2, area.top() + area.height() * 0.04, width, area.height() * 0.92);
        DrawStick(painter, slot, Green, scale);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Red);
        painter.drawEllipse(slot.center(), width * 0.22, width * 0.22);
        return;
    }
    const std::vector<Spot> spots = BambooLayout(count);
    const qreal width = count == 8 ? area.width() * 0.16 : area.width() * 0.19;
    // Rows of three leave a clear gap between sticks, so nine read as nine and not as three bars.
    const qreal height = area.height() * (count >= 7 ? 0.2 : 0.44);
    for (const Spot& spot : spots) {
        const QPointF centre(area.left() + spot.x * area.width(), area.top() + spot.y * area.height());
        const QColor colour = spot.colour == 2 ? Red : spot.colour == 1 ? Green : QColor(20, 100, 110);
        DrawStick(painter, QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height), colour, scale);
    }
}

void DrawWhiteDragon(QPainter& painter, const QRectF& area, int scale)
{
    const QRectF frame =
        area.adjusted(area.width() * 0.08, area.height() * 0.06, -area.width() * 0.08, -area.height() * 0.06);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Blue, 2.0 * scale));
    painter.drawRoundedRect(frame, 2.0 * scale, 2.0 * scale);
    // The inner frame stands well in from the outer, so the blank tile still reads as a drawn face.
    painter.setPen(QPen(Blue, 1.5 * scale));
    const qreal inset = frame.width() * 0.24;
    painter.drawRect(frame.adjusted(inset, inset, -inset, -inset));
}

// A flower or season: its name large, its number in the top left corner.
void DrawBonus(QPainter& painter, const QRectF& area, const QString& name, int number, const QColor& colour)
{
    const qreal corner = area.height() * 0.26;
    DrawGlyph(painter, area.adjusted(area.width() * 0.08, corner * 0.7, 0, 0), name, colour, area.width() * 0.86);
    DrawGlyph(painter, QRectF(area.topLeft(), QSizeF(corner, corner)), QString::number(number), Red, corner);
}

const char* const Numerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
const char* const Winds[][2] = {{"east", "東"}, {"south", "南"}, {"west", "西"}, {"north", "北"}};
const char* const Flowers[][2] = {{"plum", "梅"}, {"orchid", "蘭"}, {"chrysanthemum", "菊"}, {"bamboo", "竹"}};
const char* const Seasons[][2] = {{"spring", "春"}, {"summer", "夏"}, {"autumn", "秋"}, {"winter", "冬"}};

} // namespace

QStringList MahjongNames()
{
    QStringList names;
    for (const char* suit : {"character", "dots", "bamboo"})
        for (int n = 1; n <= 9; ++n)
            names << QStringLiteral("mahjong-%1-%2").arg(QLatin1String(suit)).arg(n);
    for (const auto& wind : Winds)
        names << QStringLiteral("mahjong-wind-%1").arg(QLatin1String(wind[0]));
    names << QStringLiteral("mahjong-dragon-red") << QStringLiteral("mahjong-dragon-green")
          << QStringLiteral("mahjong-dragon-white");
    for (const auto& flower : Flowers)
        names << QStringLiteral("mahjong-flower-%1").arg(QLatin1String(flower[0]));
    for (const auto& season : Seasons)
        names << QStringLiteral("mahjong-season-%1").arg(QLatin1String(season[0]));
    return names;
}

void DrawMahjong(QPainter& painter, const QRectF& face, const QString& picture, int scale)
{
    painter.setRenderHints(QPainter::Antialiasing);
    // Mahjong faces are filled almost to the edge, as on real tiles.
    const QRectF area =
        face.adjusted(face.width() * 0.07, face.height() * 0.06, -face.width() * 0.07, -face.height() * 0.06);
    const int kind = int(MahjongNames().indexOf(picture)) + 1;
    if (kind <= 0)
        return;
    if (kind <= 9) {
        // The numerals take turns in black, blue and green, so that one, two and three (whose
        // strokes differ least) never share an ink.
        static const QColor NumeralInks[] = {Ink, Blue, QColor(10, 140, 60)};
        const qreal top = area.height() * 0.68;
        DrawGlyph(painter, QRectF(area.left(), area.top(), area.width(), top), QString::fromUtf8(Numerals[kind - 1]),
                  NumeralInks[(kind - 1) % 3], top * 1.05);
        DrawGlyph(painter, QRectF(area.left(), area.top() + top, area.width(), area.height() - top),
                  QStringLiteral("萬"), Red, (area.height() - top) * 0.98);
    } else if (kind <= 18) {
        DrawDots(painter, area, kind - 9, scale);
    } else if (kind <= 27) {
        DrawBamboo(painter, area, kind - 18, scale);
    } else if (kind <= 31) {
        DrawGlyph(painter, area, QString::fromUtf8(Winds[kind - 28][1]), Blue, area.width() * 0.95);
    } else if (kind == 32) {
        DrawGlyph(painter, area, QStringLiteral("中"), Red, area.width() * 0.98);
    } else if (kind == 33) {
        DrawGlyph(painter, area, QStringLiteral("發"), Green, area.width() * 0.95);
    } else if (kind == 34) {
        DrawWhiteDragon(painter, area, scale);
    } else if (kind <= 38) {
        DrawBonus(painter, area, QString::fromUtf8(Flowers[kind - 35][1]), kind - 34, Green);
    } else {
        DrawBonus(painter, area, QString::fromUtf8(Seasons[kind - 39][1]), kind - 38, Blue);
    }
}

} // namespace llk::assets
