// Theme 9: the 42 mahjong tiles, drawn with CJK characters, circles and bamboo sticks.
#include "assets/tiles/drawn_subjects.h"
#include "assets/tiles/theme_art.h"

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

void DrawGlyph(QPainter& painter, const QRectF& box, const QString& text, const QColor& colour, qreal size)
{
    RequireGlyphs(QStringLiteral("Noto Serif CJK SC"), text);
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setWeight(QFont::Black);
    font.setPixelSize(qMax(1, qRound(size)));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
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
    case 6: return {{0.28, 0.15, 1}, {0.72, 0.15, 1}, {0.28, 0.55, 2}, {0.72, 0.55, 2},
                    {0.28, 0.86, 2}, {0.72, 0.86, 2}};
    case 7: return {{0.18, 0.1, 1}, {0.5, 0.22, 1}, {0.82, 0.34, 1}, {0.28, 0.6, 2},
                    {0.72, 0.6, 2}, {0.28, 0.88, 2}, {0.72, 0.88, 2}};
    case 8: return {{0.28, 0.12, 0}, {0.72, 0.12, 0}, {0.28, 0.37, 0}, {0.72, 0.37, 0},
                    {0.28, 0.63, 0}, {0.72, 0.63, 0}, {0.28, 0.88, 0}, {0.72, 0.88, 0}};
    default: return {{0.18, 0.15, 0}, {0.5, 0.15, 0}, {0.82, 0.15, 0}, {0.18, 0.5, 2}, {0.5, 0.5, 2},
                     {0.82, 0.5, 2}, {0.18, 0.85, 1}, {0.5, 0.85, 1}, {0.82, 0.85, 1}};
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
    case 7: return {{0.5, 0.16, 2}, {0.2, 0.5, 1}, {0.5, 0.5, 1}, {0.8, 0.5, 1}, {0.2, 0.84, 0}, {0.5, 0.84, 0},
                    {0.8, 0.84, 0}};
    case 8: return {{0.14, 0.25, 1}, {0.38, 0.25, 1}, {0.62, 0.25, 1}, {0.86, 0.25, 1},
                    {0.14, 0.75, 0}, {0.38, 0.75, 0}, {0.62, 0.75, 0}, {0.86, 0.75, 0}};
    default: return {{0.2, 0.13, 2}, {0.5, 0.13, 0}, {0.8, 0.13, 1}, {0.2, 0.5, 2}, {0.5, 0.5, 0},
                     {0.8, 0.5, 1}, {0.2, 0.87, 2}, {0.5, 0.87, 0}, {0.8, 0.87, 1}};
    }
}

QColor SuitColour(int colour)
{
    return colour == 0 ? Blue : colour == 1 ? Green : Red;
}

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
    const qreal radius = qMin(count <= 2 ? area.width() * 0.3 : count <= 6 ? area.width() * 0.21 : area.width() * 0.16,
                              area.height() * 0.13 * (count <= 3 ? 1.8 : count <= 6 ? 1.1 : 1.0));
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
        // The one of bamboo is traditionally a bird.
        DrawEmoji(painter, area.adjusted(-area.width() * 0.1, 0, area.width() * 0.1, 0), QStringLiteral("🦚"));
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
    const QRectF frame = area.adjusted(area.width() * 0.08, area.height() * 0.06, -area.width() * 0.08,
                                       -area.height() * 0.06);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Blue, 2.0 * scale));
    painter.drawRoundedRect(frame, 2.0 * scale, 2.0 * scale);
    painter.setPen(QPen(Blue, 1.0 * scale));
    const qreal inset = 3.5 * scale;
    painter.drawRect(frame.adjusted(inset, inset, -inset, -inset));
}

// A flower or season: its emblem above, its name below, its number in the corner.
void DrawBonus(QPainter& painter, const QRectF& area, const QString& emblem, const QString& name, int number,
               const QColor& colour)
{
    const qreal half = area.height() / 2;
    DrawEmoji(painter, QRectF(area.left(), area.top(), area.width(), half).adjusted(2, 1, -2, -1), emblem);
    DrawGlyph(painter, QRectF(area.left(), area.top() + half, area.width(), half), name, colour, half * 0.92);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(area.height() * 0.2)));
    painter.setFont(font);
    painter.setPen(Red);
    painter.drawText(area.adjusted(-area.width() * 0.02, -area.height() * 0.04, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     QString::number(number));
}

} // namespace

void MahjongSubject(QPainter& painter, const QRectF& face, int, int kind, int scale)
{
    // Mahjong faces are filled almost to the edge, as on real tiles.
    const QRectF area = face.adjusted(-face.width() * 0.08, -face.height() * 0.07, face.width() * 0.08,
                                      face.height() * 0.07);
    static const QString Numerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};
    if (kind <= 9) {
        // The numerals take turns in blue, green and black, so that one, two and three (whose
        // strokes differ least) never share an ink.
        static const QColor NumeralInks[] = {Blue, Green, Ink};
        const qreal top = area.height() * 0.6;
        DrawGlyph(painter, QRectF(area.left(), area.top(), area.width(), top), Numerals[kind - 1],
                  NumeralInks[(kind - 1) % 3], top * 1.0);
        DrawGlyph(painter, QRectF(area.left(), area.top() + top, area.width(), area.height() - top), QStringLiteral("萬"),
                  Red, (area.height() - top) * 1.0);
    } else if (kind <= 18) {
        DrawDots(painter, area, kind - 9, scale);
    } else if (kind <= 27) {
        DrawBamboo(painter, area, kind - 18, scale);
    } else if (kind <= 31) {
        static const QString Winds[] = {"東", "南", "西", "北"};
        DrawGlyph(painter, area, Winds[kind - 28], Blue, area.width() * 1.0);
    } else if (kind == 32) {
        DrawGlyph(painter, area, QStringLiteral("中"), Red, area.width() * 1.05);
    } else if (kind == 33) {
        DrawGlyph(painter, area, QStringLiteral("發"), Green, area.width() * 1.0);
    } else if (kind == 34) {
        DrawWhiteDragon(painter, area, scale);
    } else if (kind <= 38) {
        static const char* const Flowers[][2] = {{"🌸", "梅"}, {"🌷", "蘭"}, {"🌼", "菊"}, {"🎋", "竹"}};
        DrawBonus(painter, area, QString::fromUtf8(Flowers[kind - 35][0]), QString::fromUtf8(Flowers[kind - 35][1]),
                  kind - 34, Green);
    } else {
        static const char* const Seasons[][2] = {{"🌱", "春"}, {"☀️", "夏"}, {"🍁", "秋"}, {"❄️", "冬"}};
        DrawBonus(painter, area, QString::fromUtf8(Seasons[kind - 39][0]), QString::fromUtf8(Seasons[kind - 39][1]),
                  kind - 38, Blue);
    }
}

} // namespace llk::assets
