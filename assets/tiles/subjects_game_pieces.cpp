// Theme 1: glossy game pieces, each on a pale tint of its own: chess in both colours, xiangqi, go
// stones, draughts, ludo pawns, dominoes, dice, cards, chips and a few pieces from the emoji font.
#include "assets/tiles/drawn_subjects.h"
#include "assets/tiles/subject_drawing.h"
#include "assets/tiles/theme_art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace llk::assets {

namespace {

enum class Piece {
    Chess, Xiangqi, GoStone, Draught, Pawn, Domino, Die, Card, CardBack, Chip, Marble, Emoji
};

struct PieceArt {
    Piece piece;
    const char* symbol; // chess glyph, xiangqi character, card suit or emoji
    QRgb colour;        // the piece's own colour
    QRgb ink;           // its marks: pips, characters, outlines
    int detail;         // pips of a die or domino half, king or man, ...
};

constexpr QRgb Ivory = 0xfbf6e6;
constexpr QRgb Ebony = 0x2a2a30;

// Chess silhouettes are the filled glyphs of DejaVu Sans; white pieces are filled ivory.
const std::array<PieceArt, 39> Pieces{{
    {Piece::Chess, "♚", Ivory, 0x3a3020, 0},   {Piece::Chess, "♛", Ivory, 0x3a3020, 0},
    {Piece::Chess, "♜", Ivory, 0x3a3020, 0},   {Piece::Chess, "♝", Ivory, 0x3a3020, 0},
    {Piece::Chess, "♞", Ivory, 0x3a3020, 0},   {Piece::Chess, "♟", Ivory, 0x3a3020, 0},
    {Piece::Chess, "♚", Ebony, 0xd8d8e0, 0},   {Piece::Chess, "♛", Ebony, 0xd8d8e0, 0},
    {Piece::Chess, "♜", Ebony, 0xd8d8e0, 0},   {Piece::Chess, "♝", Ebony, 0xd8d8e0, 0},
    {Piece::Chess, "♞", Ebony, 0xd8d8e0, 0},   {Piece::Chess, "♟", Ebony, 0xd8d8e0, 0},
    {Piece::Xiangqi, "帅", 0xf0d49a, 0xc62828, 0}, {Piece::Xiangqi, "将", 0xf0d49a, 0x1b3a2a, 0},
    {Piece::Xiangqi, "车", 0xc98a4b, 0xb71c1c, 0}, {Piece::Xiangqi, "马", 0xc98a4b, 0x102018, 0},
    {Piece::GoStone, "", 0x1c1c22, 0, 0},      {Piece::GoStone, "", 0xf4f2ea, 0, 1},
    {Piece::Draught, "", 0xd32f2f, 0xffd54f, 1}, {Piece::Draught, "", 0x263238, 0x90a4ae, 0},
    {Piece::Pawn, "", 0xe53935, 0, 0},         {Piece::Pawn, "", 0x1e6fd9, 0, 0},
    {Piece::Pawn, "", 0x2e9d4f, 0, 0},         {Piece::Pawn, "", 0xfbc02d, 0, 0},
    {Piece::Domino, "", 0xfbfaf4, 0x202020, 64}, {Piece::Domino, "", 0x202024, 0xffffff, 31},
    {Piece::Die, "", 0xfdfdfd, 0xc62828, 5},   {Piece::Die, "", 0xd81b3a, 0xffffff, 3},
    {Piece::Card, "♠", 0xffffff, 0x151515, 0}, {Piece::Card, "♥", 0xffffff, 0xd50000, 0},
    {Piece::CardBack, "", 0x1f4fb0, 0xffffff, 0},
    {Piece::Chip, "", 0xd32f2f, 0xffffff, 0},  {Piece::Chip, "", 0x1e5bd8, 0xffffff, 0},
    {Piece::Chip, "", 0x1b8a3c, 0xffe082, 0},
    {Piece::Emoji, "🎱", 0, 0, 0}, {Piece::Emoji, "🧩", 0, 0, 0}, {Piece::Emoji, "🀄", 0, 0, 0},
    {Piece::Emoji, "🃏", 0, 0, 0}, {Piece::Marble, "", 0x29b6f6, 0xff7043, 0},
}};

QRectF Centred(const QPointF& centre, qreal width, qreal height)
{
    return {centre.x() - width / 2, centre.y() - height / 2, width, height};
}

// A glyph of `family` as a path, scaled to fit `box` and centred in it.
QPainterPath GlyphPath(const QString& family, const QString& text, const QRectF& box, int weight = QFont::Normal)
{
    RequireGlyphs(family, text);
    QFont font(family);
    font.setPixelSize(100);
    font.setWeight(QFont::Weight(weight));
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const qreal factor = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(factor, factor);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

void Shine(QPainter& painter, const QRectF& box, int alpha = 170)
{
    const QRectF shine(box.left() + box.width() * 0.2, box.top() + box.height() * 0.08, box.width() * 0.6,
                       box.height() * 0.4);
    QLinearGradient gloss(shine.topLeft(), shine.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, alpha));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawEllipse(shine);
}

void GlossyDisc(QPainter& painter, const QRectF& disc, const QColor& colour, int scale)
{
    QRadialGradient body(disc.center() - QPointF(disc.width() * 0.18, disc.height() * 0.22), disc.width() * 0.75);
    body.setColorAt(0, colour.lighter(150));
    body.setColorAt(0.55, colour);
    body.setColorAt(1, colour.darker(150));
    painter.setPen(QPen(colour.darker(200), 1.0 * scale));
    painter.setBrush(body);
    painter.drawEllipse(disc);
}

void Chess(QPainter& painter, const QRectF& area, const PieceArt& art, int scale)
{
    const QPainterPath path =
        GlyphPath(QStringLiteral("DejaVu Sans"), QString::fromUtf8(art.symbol), area.adjusted(0, -1, 0, 1));
    const QColor colour(art.colour);
    const bool white = qGray(art.colour) > 128;
    const QRectF bounds = path.boundingRect();
    QLinearGradient fill(bounds.topLeft(), bounds.topRight());
    fill.setColorAt(0, white ? QColor(255, 255, 255) : colour.lighter(300));
    fill.setColorAt(0.45, white ? colour : colour.lighter(150));
    fill.setColorAt(1, white ? colour.darker(125) : colour.darker(140));
    painter.setPen(QPen(white ? QColor(art.ink) : QColor(10, 10, 14), 0.8 * scale, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void Xiangqi(QPainter& painter, const QRectF& area, const PieceArt& art, int scale)
{
    const qreal side = qMin(area.width(), area.height()) * 1.14;
    const QRectF disc = Centred(area.center(), side, side);
    // The disc's edge, seen a little from above.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(art.colour).darker(150));
    painter.drawEllipse(disc.translated(0, 1.0 * scale));
    QRadialGradient wood(disc.center() - QPointF(side * 0.2, side * 0.2), side * 0.8);
    wood.setColorAt(0, QColor(art.colour).lighter(118));
    wood.setColorAt(1, QColor(art.colour).darker(112));
    painter.setPen(QPen(QColor(art.colour).darker(170), 1.0 * scale));
    painter.setBrush(wood);
    painter.drawEllipse(disc);
    painter.setPen(QPen(QColor(art.ink), 0.9 * scale));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.1));
    const QPainterPath glyph = GlyphPath(QStringLiteral("Noto Serif CJK SC"), QString::fromUtf8(art.symbol),
                                         disc.adjusted(side * 0.22, side * 0.22, -side * 0.22, -side * 0.22),
                                         QFont::Black);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(art.ink));
    painter.drawPath(glyph);
}

void GoStone(QPainter& painter, const QRectF& area, const PieceArt& art, int scale)
{
    const qreal side = qMin(area.width(), area.height()) * 1.12;
    const QRectF stone = Centred(area.center(), side, side * 0.92);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawEllipse(stone.translated(0.8 * scale, 1.2 * scale));
    const QColor colour(art.colour);
    QRadialGradient body(stone.center() - QPointF(side * 0.2, side * 0.22), side * 0.7);
    if (art.detail) {
        body.setColorAt(0, QColor(255, 255, 255));
        body.setColorAt(0.6, colour);
        body.setColorAt(1, QColor(186, 182, 170));
    } else {
        body.setColorAt(0, QColor(120, 122, 132));
        body.setColorAt(0.35, colour);
        body.setColorAt(1, QColor(0, 0, 0));
    }
    painter.setPen(QPen(art.detail ? QColor(120, 116, 104) : QColor(0, 0, 0), 0.8 * scale));
    painter.setBrush(body);
    painter.drawEllipse(stone);
}

void Draught(QPainter& painter, const QRectF& area, const PieceArt& art, int scale)
{
    const qreal side = qMin(area.width(), area.height()) * 1.12;
    const QColor colour(art.colour);
    const QRectF top = Centred(area.center() - QPointF(0, side * 0.06), side, side * 0.82);
    // A thick checker: its side as a darker band below the top.
    painter.setPen(QPen(colour.darker(220), 1.0 * scale));
    painter.setBrush(colour.darker(150));
    painter.drawRoundedRect(top.adjusted(0, side * 0.3, 0, side * 0.14), side / 2, side * 0.36);
    GlossyDisc(painter, top, colour, scale);
    painter.setPen(QPen(colour.darker(170), 0.9 * scale));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(top.adjusted(side * 0.14, side * 0.12, -side * 0.14, -side * 0.12));
    if (art.detail) {
        // A king: a gold crown on top.
        const QRectF crown = Centred(top.center(), side * 0.5, side * 0.34);
        QPainterPath path;
        path.moveTo(crown.bottomLeft());
        path.lineTo(crown.left(), crown.top() + crown.height() * 0.2);
        path.lineTo(crown.left() + crown.width() * 0.27, crown.center().y());
        path.lineTo(crown.center().x(), crown.top());
        path.lineTo(crown.right() - crown.width() * 0.27, crown.center().y());
        path.lineTo(crown.right(), crown.top() + crown.height() * 0.2);
        path.lineTo(crown.bottomRight());
        path.closeSubpath();
        painter.setPen(QPen(QColor(140, 90, 0), 0.7 * scale));
        painter.setBrush(QColor(art.ink));
        painter.drawPath(path);
    } else {
        painter.setPen(QPen(QColor(art.ink), 0.9 * scale));
        painter.drawEllipse(top.adjusted(side * 0.28, side * 0.24, -side * 0.28, -side * 0.24));
    }
    Shine(painter, top, 120);
}

void LudoPawn(QPainter& painter, const QRectF& area, const PieceArt& art, int scale)
{
    const QColor colour(art.colour);
    const qreal h = area.height() * 1.08;
    const qreal w = qMin(area.width() * 1.02, h * 0.8);
    const QPointF c = area.center();
    const qreal top = c.y() - h / 2;
    const QRectF base = Centred(QPointF(c.x(), top + h * 0.88), w, h * 0.22);
    QPainterPath body;
    body.moveTo(c.x() - w * 0.44, top + h * 0.9);
    body.cubicTo(QPointF(c.x() - w * 0.36, top + h * 0.6), QPointF(c.x() - w * 0.1, top + h * 0.5),
                 QPointF(c.x() - w * 0.12, top + h * 0.36));
    body.lineTo(c.x() + w * 0.12, top + h * 0.36);
    body.cubicTo(QPointF(c.x() + w * 0.1, top + h * 0.5), QPointF(c.x() + w * 0.36, top + h * 0.6),
                 QPointF(c.x() + w * 0.44, top + h * 0.9));
    body.closeSubpath();
    QLinearGradient fill(QPointF(c.x() - w / 2, 0), QPointF(c.x() + w / 2, 0));
    fill.setColorAt(0, colour.lighter(150));
    fill.setColorAt(0.4, colour);
    fill.setColorAt(1, colour.darker(160));
    const QPen edge(colour.darker(220), 1.0 * scale);
    painter.setPen(edge);
    painter.setBrush(fill);
    painter.drawEllipse(base);
    painter.drawPath(body);
    const qreal head = w * 0.52;
    const QRectF ball = Centred(QPointF(c.x(), top + head / 2 + 0.5 * scale), head, head);
    GlossyDisc(painter, ball, colour, scale);
    Shine(painter, ball, 200);
}

void Pips(QPainter& painter, const QRectF& face, int count, const QColor& ink, qreal pip)
{
    // Pip positions on a 3 x 3 grid, as on a die.
    static const std::array<std::array<int, 9>, 7> Layouts{{
        {0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 1, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0, 1},
        {1, 0, 0, 0, 1, 0, 0, 0, 1}, {1, 0, 1, 0, 0, 0, 1, 0, 1}, {1, 0, 1, 0, 1, 0, 1, 0, 1},
        {1, 0, 1, 1, 0, 1, 1, 0, 1},
    }};
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (int i = 0; i < 9; ++i) {
        if (!Layouts[count][i])
            continue;
        const QPointF spot(face.left() + face.width() * (0.22 + 0.28 * (i % 3)),
                           face.top() + face.height() * (0.22 + 0.28 * (i / 3)));
        painter.drawEllipse(spot, pip / 2, pip / 2);
    }
}

void Domino(QPainter& painter, const QRectF& area, const PieceArt& art, int scale)
{
    const qreal h = area.height() * 1.1;
    const qreal w = qMin(area.width() * 0.86, h * 0.56);
    const QRectF tile = Centred(area.center(), w, h);
    const QColor colour(art.colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawRoundedRect(tile.translated(1.0 * scale, 1.0 * scale), 3.0 * scale, 3.0 * scale);
    QLinearGradient fill(tile.topLeft(), tile.topRight());
    fill.setColorAt(0, colour.lighter(qGray(art.colour) > 128 ? 102 : 220));
    fill.setColorAt(1, colour.darker(115));
    painter.setPen(QPen(qGray(art.colour) > 128 ? QColor(90, 90, 90) : QColor(0, 0, 0), 1.0 * scale));
    painter.setBrush(fill);
    painter.drawRoundedRect(tile, 3.0 * scale, 3.0 * scale);
    const QColor ink(art.ink);
    painter.setPen(QPen(ink, 1.0 * scale));
    painter.drawLine(QPointF(tile.left() + w * 0.15, tile.center().y()), QPointF(tile.right() - w * 0.15, tile.center().y()));
    const qreal pip = qMax(2.0 * scale, w * 0.2);
    Pips(painter, QRectF(tile.left(), tile.top(), w, h / 2), art.detail / 10, ink, pip);
    Pips(painter, QRectF(tile.left(), tile.center().y(), w, h / 2), art.detail % 10, ink, pip);
    Shine(painter, tile, 90);
}

void Die(QPainter& painter, const QRectF& area, const PieceArt& art, int scale)
{
    const qreal side = qMin(area.width(), area.height()) * 1.06;
    const QRectF face = Centred(area.center() + QPointF(-side * 0.04, side * 0.04), side * 0.92, side * 0.92);
    const QColor colour(art.colour);
    // Two sides of the cube show to the right and above.
    QPolygonF right, top;
    const qreal d = side * 0.12;
    right << face.topRight() << face.topRight() + QPointF(d, -d) << face.bottomRight() + QPointF(d, -d)
          << face.bottomRight();
    top << face.topLeft() << face.topLeft() + QPointF(d, -d) << face.topRight() + QPointF(d, -d) << face.topRight();
    const QPen edge(qGray(art.colour) > 128 ? QColor(110, 110, 110) : colour.darker(200), 0.8 * scale);
    painter.setPen(edge);
    painter.setBrush(colour.darker(135));
    painter.drawPolygon(right);
    painter.setBrush(colour.lighter(110));
    painter.drawPolygon(top);
    QRadialGradient fill(face.topLeft(), side * 1.2);
    fill.setColorAt(0, colour.lighter(115));
    fill.setColorAt(1, colour.darker(112));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, 2.5 * scale, 2.5 * scale);
    Pips(painter, face, art.detail, QColor(art.ink), qMax(2.0 * scale, side * 0.17));
}

void Card(QPainter& painter, const QRectF& area, const PieceArt& art, int scale)
{
    const qreal h = area.height() * 1.1;
    const qreal w = qMin(area.width() * 0.98, h * 0.74);
    const QRectF card = Centred(area.center(), w, h);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(card.translated(1.0 * scale, 1.0 * scale), 2.5 * scale, 2.5 * scale);
    painter.setPen(QPen(QColor(120, 120, 130), 0.8 * scale));
    painter.setBrush(QColor(art.colour));
    painter.drawRoundedRect(card, 2.5 * scale, 2.5 * scale);
    const QColor ink(art.ink);
    if (art.piece == Piece::CardBack) {
        const QRectF inner = card.adjusted(w * 0.12, w * 0.12, -w * 0.12, -w * 0.12);
        painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(255, 255, 255));
        painter.drawRoundedRect(card, 2.5 * scale, 2.5 * scale);
        QLinearGradient blue(inner.topLeft(), inner.bottomRight());
        blue.setColorAt(0, QColor(art.colour).lighter(140));
        blue.setColorAt(1, QColor(art.colour).darker(120));
        painter.setBrush(blue);
        painter.drawRoundedRect(inner, 1.5 * scale, 1.5 * scale);
        // A lattice of diamonds and a medallion in the middle.
        painter.setPen(QPen(QColor(255, 255, 255, 150), 0.7 * scale));
        painter.save();
        painter.setClipRect(inner);
        for (qreal x = inner.left() - inner.height(); x < inner.right(); x += 3.0 * scale) {
            painter.drawLine(QPointF(x, inner.top()), QPointF(x + inner.height(), inner.bottom()));
            painter.drawLine(QPointF(x + inner.height(), inner.top()), QPointF(x, inner.bottom()));
        }
        painter.restore();
        painter.setPen(QPen(QColor(255, 214, 90), 0.9 * scale));
        painter.setBrush(QColor(art.colour).darker(130));
        painter.drawEllipse(Centred(inner.center(), w * 0.44, w * 0.44));
        painter.setPen(QPen(QColor(90, 90, 100), 0.8 * scale));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(card, 2.5 * scale, 2.5 * scale);
        return;
    }
    const QPainterPath suit = GlyphPath(QStringLiteral("DejaVu Sans"), QString::fromUtf8(art.symbol),
                                        Centred(card.center() + QPointF(0, h * 0.04), w * 0.7, h * 0.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(suit);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(h * 0.26)));
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRectF(card.left() + 1.0 * scale, card.top(), w * 0.4, h * 0.3), Qt::AlignCenter,
                     QStringLiteral("A"));
}

void Chip(QPainter& painter, const QRectF& area, const PieceArt& art, int scale)
{
    const qreal side = qMin(area.width(), area.height()) * 1.14;
    const QRectF chip = Centred(area.center(), side, side);
    const QColor colour(art.colour);
    GlossyDisc(painter, chip, colour, scale);
    // Six edge stripes in the chip's second colour.
    painter.save();
    painter.setClipRegion(QRegion(chip.toAlignedRect(), QRegion::Ellipse));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(art.ink));
    for (int i = 0; i < 6; ++i) {
        painter.save();
        painter.translate(chip.center());
        painter.rotate(i * 60);
        painter.drawRect(QRectF(-side * 0.08, -side / 2, side * 0.16, side * 0.16));
        painter.restore();
    }
    painter.restore();
    const QRectF inner = chip.adjusted(side * 0.2, side * 0.2, -side * 0.2, -side * 0.2);
    painter.setPen(QPen(QColor(art.ink), 0.9 * scale, Qt::DashLine));
    painter.setBrush(colour.lighter(112));
    painter.drawEllipse(inner);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(art.ink));
    painter.drawPath(StarPath(inner.center(), inner.width() * 0.3, inner.width() * 0.13, 5));
    Shine(painter, chip, 120);
}

void Marble(QPainter& painter, const QRectF& area, const PieceArt& art, int scale)
{
    const qreal side = qMin(area.width(), area.height()) * 1.1;
    const QRectF ball = Centred(area.center(), side, side);
    QRadialGradient glass(ball.center() - QPointF(side * 0.15, side * 0.18), side * 0.65);
    glass.setColorAt(0, QColor(230, 248, 255));
    glass.setColorAt(0.6, QColor(art.colour));
    glass.setColorAt(1, QColor(art.colour).darker(170));
    painter.setPen(QPen(QColor(art.colour).darker(220), 0.8 * scale));
    painter.setBrush(glass);
    painter.drawEllipse(ball);
    // A swirl of colour caught inside the glass.
    QPainterPath swirl;
    const QPointF c = ball.center();
    swirl.moveTo(c + QPointF(-side * 0.36, side * 0.1));
    swirl.cubicTo(c + QPointF(-side * 0.1, -side * 0.4), c + QPointF(side * 0.1, side * 0.4),
                  c + QPointF(side * 0.36, -side * 0.1));
    painter.setPen(QPen(QColor(art.ink), side * 0.16, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(swirl);
    Shine(painter, ball, 200);
}

} // namespace

void GamePieceSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const PieceArt& art = KindEntry(Pieces, kind);
    // A pale tint behind every piece, of a hue that walks round the circle from kind to kind.
    const QRectF tint = area.adjusted(-area.width() * 0.1, -area.height() * 0.08, area.width() * 0.1,
                                      area.height() * 0.08);
    QColor pale = KindHue(kind, 0.2, 1.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pale);
    painter.drawRoundedRect(tint, 3.0 * scale, 3.0 * scale);

    switch (art.piece) {
    case Piece::Chess: Chess(painter, area, art, scale); break;
    case Piece::Xiangqi: Xiangqi(painter, area, art, scale); break;
    case Piece::GoStone: GoStone(painter, area, art, scale); break;
    case Piece::Draught: Draught(painter, area, art, scale); break;
    case Piece::Pawn: LudoPawn(painter, area, art, scale); break;
    case Piece::Domino: Domino(painter, area, art, scale); break;
    case Piece::Die: Die(painter, area, art, scale); break;
    case Piece::Card:
    case Piece::CardBack: Card(painter, area, art, scale); break;
    case Piece::Chip: Chip(painter, area, art, scale); break;
    case Piece::Marble: Marble(painter, area, art, scale); break;
    case Piece::Emoji:
        DrawEmoji(painter, area.adjusted(-area.width() * 0.06, -area.width() * 0.06, area.width() * 0.06,
                                         area.width() * 0.06),
                  QString::fromUtf8(art.symbol));
        break;
    }
}

} // namespace llk::assets
