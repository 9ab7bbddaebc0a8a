// Painters of the main window's built-in artwork.
#include "window_art.h"

#include "paint_kit.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace llk::art {
namespace {

constexpr QSize BackgroundSize{1024, 768};
constexpr int PauseSize = 128;
constexpr int CursorSize = 32;
constexpr int TemplateSize = 40;
constexpr QSize LinkPieceSize{52, 50};
constexpr int DotSize = 12;

// A painter drawing in scale-1 coordinates onto a picture `scale` times as large.
class ScaledPainter : public QPainter {
public:
    ScaledPainter(QImage& image, int scale) : QPainter(&image)
    {
        setRenderHint(QPainter::Antialiasing);
        setRenderHint(QPainter::SmoothPixmapTransform);
        QPainter::scale(scale, scale);
    }
};

// A soft shadow under a shape: the shape drawn several times, growing and fading.
void DrawSoftShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, double spread, int alpha)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    constexpr int Steps = 6;
    for (int i = Steps; i >= 1; --i) {
        const double grow = spread * i / Steps;
        QPainterPathStroker stroker;
        stroker.setWidth(grow * 2.0);
        stroker.setJoinStyle(Qt::RoundJoin);
        const QPainterPath halo = stroker.createStroke(shape).united(shape).translated(offset);
        painter.setBrush(QColor(0, 0, 0, alpha / Steps));
        painter.drawPath(halo);
    }
    painter.restore();
}

QPainterPath RoundedRect(const QRectF& rect, double radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

} // namespace

QImage PaintWindowBackground(int scale)
{
    // Waves of the blue-green sea in the old scale pattern: rows of arches, each row overlapping
    // the one behind it. The lines fade towards the middle, where the board lies, so the pattern
    // frames the tiles instead of running between them.
    QImage image = NewImage(BackgroundSize.width() * scale, BackgroundSize.height() * scale);
    ScaledPainter painter(image, scale);
    constexpr double Radius = 46.0;
    constexpr int Rings = 5;
    const QPointF middle(497.0, 348.0);
    const int columns = BackgroundSize.width() / int(2 * Radius) + 2;
    const int rows = int(BackgroundSize.height() / (Radius / 2)) + 4;
    for (int row = 0; row < rows; ++row) {
        const double y = (row - 1) * Radius / 2;
        for (int column = -1; column < columns; ++column) {
            const double x = column * 2 * Radius + (row % 2 ? Radius : 0.0);
            // Light falls from the upper left; a slow swell of noise keeps the rows from looking printed.
            const double light = Clamp01(0.55 - (x + y) / 3200.0 + 0.25 * (Fbm(x / 300.0, y / 300.0, 3, 301) - 0.5));
            const QColor water = Mix(QColor(0x26, 0x56, 0x60), QColor(0x4A, 0x84, 0x88), light);
            const double away = std::hypot((x - middle.x()) / 560.0, (y - middle.y()) / 380.0);
            const double strength = 0.25 + 0.75 * SmoothStep(0.45, 1.05, away);
            const QColor lineColour = Mix(water, QColor(0xB8, 0xDC, 0xD4), 0.10 + 0.28 * strength);
            for (int ring = 0; ring < Rings; ++ring) {
                const double r = Radius * (Rings - ring) / Rings - 1.0;
                painter.setPen(QPen(lineColour, ring == 0 ? 2.2 : 1.6));
                painter.setBrush(Mix(water, QColor(0x10, 0x30, 0x3C), 0.06 * ring));
                painter.drawEllipse(QPointF(x, y), r, r);
            }
        }
    }
    // A soft haze over the middle of the sea, as though seen through river mist.
    QRadialGradient haze(middle, 620.0);
    haze.setColorAt(0.0, QColor(0x5E, 0x8C, 0x8E, 70));
    haze.setColorAt(0.7, QColor(0x5E, 0x8C, 0x8E, 30));
    haze.setColorAt(1.0, QColor(0x5E, 0x8C, 0x8E, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(haze);
    painter.drawRect(QRectF(QPointF(0, 0), QSizeF(BackgroundSize)));
    return image;
}

QImage PaintPausePicture(int scale)
{
    QImage image = NewImage(PauseSize * scale, PauseSize * scale);
    ScaledPainter painter(image, scale);
    const QPointF centre(64.0, 62.0);
    QPainterPath disc;
    disc.addEllipse(centre, 56.0, 56.0);
    DrawSoftShadow(painter, disc, QPointF(0.0, 3.0), 5.0, 110);

    QRadialGradient body(centre + QPointF(-18.0, -22.0), 80.0);
    body.setColorAt(0.0, QColor(0x4F, 0xB8, 0xAC));
    body.setColorAt(0.6, QColor(0x24, 0x7A, 0x80));
    body.setColorAt(1.0, QColor(0x14, 0x4C, 0x58));
    painter.setPen(QPen(QColor(0xE8, 0xF6, 0xF0), 4.0));
    painter.setBrush(body);
    painter.drawEllipse(centre, 54.0, 54.0);

    // A glassy highlight across the upper half.
    QLinearGradient gloss(0.0, 10.0, 0.0, 62.0);
    gloss.setColorAt(0.0, QColor(255, 255, 255, 110));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawEllipse(QRectF(centre.x() - 42.0, 12.0, 84.0, 50.0));

    // Two bars, and the word under them.
    const QColor ink(0xFB, 0xFF, 0xFC);
    for (double x : {45.0, 69.0}) {
        const QRectF bar(x, 30.0, 14.0, 42.0);
        painter.setBrush(QColor(0, 0, 0, 60));
        painter.drawRoundedRect(bar.translated(1.0, 2.0), 4.0, 4.0);
        painter.setBrush(ink);
        painter.drawRoundedRect(bar, 4.0, 4.0);
    }
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(19);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 70));
    painter.drawText(QRectF(0.0, 77.0, 128.0, 26.0).translated(1.0, 1.0), Qt::AlignCenter, QStringLiteral("暂停"));
    painter.setPen(ink);
    painter.drawText(QRectF(0.0, 77.0, 128.0, 26.0), Qt::AlignCenter, QStringLiteral("暂停"));
    return image;
}

// The icon at 16 and 24 pixels, laid out pixel by pixel: the square, two tiles with their side,
// one dot each and the golden link, every edge on a pixel boundary so nothing blurs.
QImage PaintSmallIcon(int size)
{
    QImage image = NewImage(size, size);
    QPainter painter(&image);
    const bool small = size < 20;
    const QColor teal(0x1F, 0x74, 0x78), ivory(0xFB, 0xF4, 0xE2), side(0x9A, 0x70, 0x38), outline(0x5E, 0x42, 0x20);
    const QColor red(0xD0, 0x24, 0x24), gold(0xFF, 0xC8, 0x2A);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(teal);
    painter.drawRoundedRect(QRectF(0, 0, size, size), small ? 3.0 : 4.0, small ? 3.0 : 4.0);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // Geometry in whole pixels: tile faces, the dot inside each, and the link's three strokes.
    const int faceWidth = small ? 5 : 8;
    const int faceHeight = small ? 6 : 9;
    const int faceTop = small ? 7 : 11;
    const int lefts[] = {small ? 1 : 2, small ? 9 : 13};
    const int dot = small ? 3 : 4;
    const int line = 2;
    const int linkTop = small ? 2 : 3;
    int centres[2];
    for (int t = 0; t < 2; ++t) {
        const QRect face(lefts[t], faceTop, faceWidth, faceHeight);
        painter.fillRect(face.translated(1, 1), side);
        if (!small) {
            painter.fillRect(face, outline);
            painter.fillRect(face.adjusted(1, 1, -1, -1), ivory);
        } else {
            painter.fillRect(face, ivory);
        }
        const QRect spot(face.left() + (faceWidth - dot + 1) / 2, face.top() + (faceHeight - dot) / 2, dot, dot);
        painter.fillRect(spot, red);
        // Round the dot by lightening its corners halfway.
        const QColor corner = Mix(red, ivory, 0.3);
        for (QPoint c : {spot.topLeft(), spot.topRight(), spot.bottomLeft(), spot.bottomRight()})
            painter.fillRect(QRect(c, QSize(1, 1)), corner);
        centres[t] = spot.left() + (dot - line) / 2;
    }
    painter.fillRect(QRect(centres[0], linkTop, line, faceTop - linkTop), gold);
    painter.fillRect(QRect(centres[1], linkTop, line, faceTop - linkTop), gold);
    painter.fillRect(QRect(centres[0], linkTop, centres[1] - centres[0] + line, line), gold);
    return image;
}

QImage PaintIcon(int size)
{
    // Two equal tiles joined over the top by a golden three-segment link, on a teal square.
    if (size <= 24)
        return PaintSmallIcon(size);
    QImage image = NewImage(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = size / 256.0;
    painter.scale(unit, unit);

    const QRectF square(8.0, 8.0, 240.0, 240.0);
    QLinearGradient ground(0.0, 8.0, 0.0, 248.0);
    ground.setColorAt(0.0, QColor(0x3C, 0xA3, 0x94));
    ground.setColorAt(1.0, QColor(0x15, 0x55, 0x60));
    painter.setPen(QPen(QColor(0x0E, 0x3A, 0x42), 4.0));
    painter.setBrush(ground);
    painter.drawRoundedRect(square, 48.0, 48.0);
    QLinearGradient sheen(0.0, 12.0, 0.0, 120.0);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    painter.drawRoundedRect(QRectF(14.0, 14.0, 228.0, 110.0), 42.0, 42.0);

    const double linkWidth = std::max(14.0, 1.6 / unit);
    QPainterPath link;
    link.moveTo(76.0, 124.0);
    link.lineTo(76.0, 58.0);
    link.lineTo(180.0, 58.0);
    link.lineTo(180.0, 124.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x0A, 0x30, 0x36, 110), linkWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(link.translated(4.0, 5.0));
    painter.setPen(QPen(QColor(0xFF, 0xD2, 0x3F), linkWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(link);

    for (double left : {34.0, 138.0}) {
        const QRectF face(left, 112.0, 84.0, 104.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xA8, 0x83, 0x48));
        painter.drawRoundedRect(face.translated(8.0, 9.0), 14.0, 14.0);
        QLinearGradient ivory(0.0, face.top(), 0.0, face.bottom());
        ivory.setColorAt(0.0, QColor(0xFF, 0xFB, 0xF0));
        ivory.setColorAt(1.0, QColor(0xEC, 0xDD, 0xBC));
        painter.setPen(QPen(QColor(0x6A, 0x4E, 0x2A), std::max(4.0, 1.0 / unit)));
        painter.setBrush(ivory);
        painter.drawRoundedRect(face, 14.0, 14.0);
        // The same picture on both tiles: a red ring round a green centre.
        const QPointF centre = face.center();
        painter.setPen(QPen(QColor(0xB3, 0x1B, 0x1B), 10.0));
        painter.setBrush(QColor(0x1F, 0x8A, 0x4C));
        painter.drawEllipse(centre, 24.0, 24.0);
    }
    return image;
}

QImage PaintCursor(int scale)
{
    // A white hand with a dark outline, index finger up, drawn as one smooth antialiased shape at
    // each scale; the outline's outer edge touches the top row at the hot spot (6, 0).
    QImage image = NewImage(CursorSize * scale, CursorSize * scale);
    ScaledPainter painter(image, scale);
    constexpr double Outline = 1.5;
    constexpr double Top = Outline / 2;

    QPainterPath hand = RoundedRect(QRectF(3.5, Top, 5.0, 17.0), 2.5);
    hand = hand.united(RoundedRect(QRectF(8.2, 8.6, 4.4, 9.0), 2.2));
    hand = hand.united(RoundedRect(QRectF(12.3, 9.6, 4.4, 8.6), 2.2));
    hand = hand.united(RoundedRect(QRectF(16.4, 11.2, 4.0, 8.0), 2.0));
    hand = hand.united(RoundedRect(QRectF(3.5, 13.5, 16.9, 12.5), 4.5));
    QTransform thumbTurn;
    thumbTurn.translate(7.0, 21.5);
    thumbTurn.rotate(-38.0);
    hand = hand.united(thumbTurn.map(RoundedRect(QRectF(-2.3, -8.6, 4.6, 10.0), 2.3)));
    hand = hand.simplified();
    const QPainterPath cuff = RoundedRect(QRectF(5.5, 25.2, 13.8, 5.8), 1.4);

    // A faint shadow down and to the right lifts the hand off light pictures.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 55));
    painter.drawPath(hand.united(cuff).translated(1.0, 1.0));

    const QPen outline(QColor(0x1A, 0x1A, 0x22), Outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QLinearGradient skin(0.0, 0.0, 20.0, 26.0);
    skin.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
    skin.setColorAt(1.0, QColor(0xE4, 0xE8, 0xEE));
    painter.setPen(outline);
    painter.setBrush(skin);
    painter.drawPath(hand);
    painter.setBrush(QColor(0xC8, 0xD4, 0xE4));
    painter.drawPath(cuff);
    // Creases between the folded fingers.
    painter.setPen(QPen(QColor(0x1A, 0x1A, 0x22, 170), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8.4, 11.5), QPointF(8.4, 15.0));
    painter.drawLine(QPointF(12.45, 12.0), QPointF(12.45, 15.5));
    painter.drawLine(QPointF(16.5, 13.2), QPointF(16.5, 16.0));
    return image;
}

QImage PaintTemplate(int scale)
{
    // A blank tile: the face every sprite shows before its first picture.
    QImage image = NewImage(TemplateSize * scale, TemplateSize * scale);
    ScaledPainter painter(image, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xB8, 0x9A, 0x66));
    painter.drawRoundedRect(QRectF(3.0, 3.0, 36.5, 36.5), 5.0, 5.0);
    QLinearGradient ivory(0.0, 0.0, 0.0, 36.0);
    ivory.setColorAt(0.0, QColor(0xFF, 0xFC, 0xF3));
    ivory.setColorAt(1.0, QColor(0xEA, 0xDE, 0xC4));
    painter.setBrush(ivory);
    painter.setPen(QPen(QColor(0x7A, 0x60, 0x3A), 1.0));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 35.5, 35.5), 5.0, 5.0);
    painter.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
    painter.drawLine(QPointF(4.0, 2.0), QPointF(32.0, 2.0));
    return image;
}

QRect DotBox(DotPlace place)
{
    switch (place) {
    case DotPlace::Centre: return {20, 19, DotSize, DotSize};
    case DotPlace::Left: return {3, 19, DotSize, DotSize};
    case DotPlace::Right: return {37, 19, DotSize, DotSize};
    case DotPlace::Top: return {20, 2, DotSize, DotSize};
    case DotPlace::Bottom: return {20, 36, DotSize, DotSize};
    }
    return {};
}

QImage PaintLinkPiece(int member, int scale)
{
    static constexpr DotPlace Arrangements[6][2] = {
        {DotPlace::Left, DotPlace::Right},   // 1 horizontal
        {DotPlace::Top, DotPlace::Bottom},   // 2 vertical
        {DotPlace::Right, DotPlace::Bottom}, // 3 corner, right and down
        {DotPlace::Top, DotPlace::Right},    // 4 corner, up and right
        {DotPlace::Left, DotPlace::Bottom},  // 5 corner, left and down
        {DotPlace::Top, DotPlace::Left},     // 6 corner, up and left
    };
    QImage image = NewImage(LinkPieceSize.width() * scale, LinkPieceSize.height() * scale);
    if (member < 1 || member > 6)
        return image;
    ScaledPainter painter(image, scale);
    const auto& arrangement = Arrangements[member - 1];
    const QPointF centre = QRectF(DotBox(DotPlace::Centre)).center();

    // The path runs from the centre to the picture's edge in each of its two directions, so the
    // pieces of neighbouring cells join into one unbroken line.
    auto edgePoint = [&](DotPlace place) {
        switch (place) {
        case DotPlace::Left: return QPointF(0.0, centre.y());
        case DotPlace::Right: return QPointF(LinkPieceSize.width(), centre.y());
        case DotPlace::Top: return QPointF(centre.x(), 0.0);
        case DotPlace::Bottom: return QPointF(centre.x(), LinkPieceSize.height());
        case DotPlace::Centre: break;
        }
        return centre;
    };
    QPainterPath path;
    path.moveTo(edgePoint(arrangement[0]));
    path.lineTo(centre);
    path.lineTo(edgePoint(arrangement[1]));

    // Warm glow, a dark rim and a bright core: the rim carries the path over ivory faces and pale
    // pictures, the amber over dark and cool ones.
    const auto stroke = [&](const QColor& colour, double width) {
        painter.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    };
    // The glow is round, about the centre only: strokes of light would pile up into dashes where
    // the pieces of small cells overlap.
    QRadialGradient glow(centre, 13.0);
    glow.setColorAt(0.0, QColor(0xFF, 0xC0, 0x40, 170));
    glow.setColorAt(0.5, QColor(0xFF, 0xA0, 0x20, 90));
    glow.setColorAt(1.0, QColor(0xFF, 0xA0, 0x20, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 13.0, 13.0);
    stroke(QColor(0x4A, 0x1C, 0x04), 11.0);
    stroke(QColor(0xF0, 0x7E, 0x0A), 8.0);
    stroke(QColor(0xFF, 0xB8, 0x2E), 5.4);
    stroke(QColor(0xFF, 0xE6, 0x96), 1.8);

    // A bead at the centre marks each cell of the path, one pitch apart along it.
    painter.setPen(Qt::NoPen);
    constexpr double BeadRadius = 6.0;
    painter.setBrush(QColor(0x4A, 0x1C, 0x04));
    painter.drawEllipse(centre, BeadRadius, BeadRadius);
    QRadialGradient bead(centre - QPointF(1.2, 1.4), BeadRadius);
    bead.setColorAt(0.0, QColor(0xFF, 0xFC, 0xE8));
    bead.setColorAt(0.45, QColor(0xFF, 0xD4, 0x50));
    bead.setColorAt(1.0, QColor(0xF0, 0x80, 0x0A));
    painter.setBrush(bead);
    painter.drawEllipse(centre, BeadRadius - 1.5, BeadRadius - 1.5);
    return image;
}

} // namespace llk::art
