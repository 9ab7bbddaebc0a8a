// Theme 12: numbers in three families, each with a shape, colour and weight of its own: bright
// Arabic digits standing free, Chinese numerals cut white into warm square seals, and Roman numerals
// in gold on cool enamel tablets.
#include "assets/tiles/drawn_subjects.h"
#include "assets/tiles/subject_drawing.h"
#include "assets/tiles/theme_art.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>

namespace llk::assets {

namespace {

constexpr std::array<QRgb, 10> DigitColours{0xe53935, 0xfb8c00, 0xf9a825, 0x43a047, 0x00897b,
                                            0x1e88e5, 0x3949ab, 0x8e24aa, 0xd81b60, 0x6d4c41};

// Seal colours, all of the red and brown family, light enough apart that no two seals match.
constexpr std::array<QRgb, 10> SealColours{0xd32f2f, 0xef6c00, 0x8e1b2c, 0xc2185b, 0x6d2c12,
                                           0xe64a19, 0xad1457, 0xb71c1c, 0xf57c00, 0x880e4f};

// Tablet enamels, all cool: navy, teal, violet, green and slate in turn.
constexpr std::array<QRgb, 10> TabletColours{0x1a3c8c, 0x00796b, 0x5e35b1, 0x2e7d32, 0x37474f,
                                             0x0277bd, 0x4527a0, 0x00838f, 0x283593, 0x1b5e20};

void DrawOutlinedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                      const QColor& fill, const QColor& edge, qreal edgeWidth)
{
    RequireGlyphs(font.family(), text);
    QPainterPath path;
    path.addText(0, 0, font, text);
    path.translate(box.center() - path.boundingRect().center());
    if (edgeWidth > 0) {
        painter.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
}

void ArabicDigit(QPainter& painter, const QRectF& area, int digit, int scale)
{
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setWeight(QFont::Black);
    font.setPixelSize(qMax(1, qRound(area.height() * 1.05)));
    const QColor colour(DigitColours[digit]);
    const QString text = QString::number(digit);
    DrawOutlinedText(painter, area.translated(0.8 * scale, 1.0 * scale), text, font, QColor(0, 0, 0, 60),
                     QColor(0, 0, 0, 60), 2.5 * scale);
    DrawOutlinedText(painter, area, text, font, colour, colour.darker(160), 1.6 * scale);
}

// A square seal filling the area's width, the numeral as heavy as the font allows, in ivory.
void ChineseNumeral(QPainter& painter, const QRectF& area, int index, int scale)
{
    static const char* const Numerals[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
    const qreal side = qMin(area.width() * 1.12, area.height());
    const QRectF seal(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    const QColor colour(SealColours[index]);
    QLinearGradient fill(seal.topLeft(), seal.bottomRight());
    fill.setColorAt(0, colour.lighter(118));
    fill.setColorAt(1, colour.darker(118));
    painter.setPen(QPen(colour.darker(170), 1.0 * scale));
    painter.setBrush(fill);
    painter.drawRoundedRect(seal, 3.0 * scale, 3.0 * scale);
    painter.setPen(QPen(QColor(255, 236, 214, 150), 1.0 * scale));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(seal.adjusted(2.0 * scale, 2.0 * scale, -2.0 * scale, -2.0 * scale), 2.0 * scale,
                            2.0 * scale);

    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setWeight(QFont::Black);
    font.setPixelSize(qMax(1, qRound(side * 0.84)));
    // A faint outline thickens the thinnest strokes so that 一 is a bar, not a line.
    DrawOutlinedText(painter, seal, QString::fromUtf8(Numerals[index]), font, QColor(255, 246, 228),
                     QColor(255, 246, 228), 0.9 * scale);
}

// Roman numerals built from strokes of one weight, so VIII is as bold as I; a bar runs along the top
// and bottom of each numeral, as on a clock face.
QPainterPath RomanNumeral(const QString& numeral, qreal unit, qreal height)
{
    constexpr qreal Gap = 0.75;
    auto width = [](QChar letter) { return letter == QLatin1Char('I') ? 1.0 : 3.2; };
    qreal total = -Gap;
    for (QChar letter : numeral)
        total += width(letter) + Gap;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    qreal x = -total * unit / 2;
    const qreal top = -height / 2;
    const qreal bottom = height / 2;
    for (QChar letter : numeral) {
        const qreal w = width(letter) * unit;
        if (letter == QLatin1Char('I')) {
            path.addRect(QRectF(x, top, unit, height));
        } else {
            QPolygonF left, right;
            if (letter == QLatin1Char('V')) {
                left << QPointF(x, top) << QPointF(x + unit * 1.05, top) << QPointF(x + w / 2 + unit * 0.5, bottom)
                     << QPointF(x + w / 2 - unit * 0.5, bottom);
                right << QPointF(x + w - unit * 1.05, top) << QPointF(x + w, top)
                      << QPointF(x + w / 2 + unit * 0.5, bottom) << QPointF(x + w / 2 - unit * 0.3, bottom);
            } else {
                left << QPointF(x, top) << QPointF(x + unit * 1.05, top) << QPointF(x + w, bottom)
                     << QPointF(x + w - unit * 1.05, bottom);
                right << QPointF(x + w - unit * 1.05, top) << QPointF(x + w, top) << QPointF(x + unit * 1.05, bottom)
                      << QPointF(x, bottom);
            }
            path.addPolygon(left);
            path.closeSubpath();
            path.addPolygon(right);
            path.closeSubpath();
        }
        x += w + Gap * unit;
    }
    const qreal bar = unit * 0.8;
    const qreal reach = total * unit / 2 + unit * 0.6;
    path.addRect(QRectF(-reach, top - bar, 2 * reach, bar));
    path.addRect(QRectF(-reach, bottom, 2 * reach, bar));
    return path.simplified();
}

void RomanTablet(QPainter& painter, const QRectF& area, int index, int scale)
{
    static const char* const Numerals[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X"};
    // A tablet with an arched top, as tall as the area.
    const qreal width = area.width() * 1.14;
    const QRectF tablet(area.center().x() - width / 2, area.top() - area.height() * 0.02, width,
                        area.height() * 1.04);
    QPainterPath shape;
    const qreal arch = width / 2;
    shape.moveTo(tablet.left(), tablet.bottom() - 2.0 * scale);
    shape.lineTo(tablet.left(), tablet.top() + arch);
    shape.arcTo(QRectF(tablet.left(), tablet.top(), width, 2 * arch), 180, -180);
    shape.lineTo(tablet.right(), tablet.bottom() - 2.0 * scale);
    shape.quadTo(tablet.bottomRight(), QPointF(tablet.right() - 2.0 * scale, tablet.bottom()));
    shape.lineTo(tablet.left() + 2.0 * scale, tablet.bottom());
    shape.quadTo(tablet.bottomLeft(), QPointF(tablet.left(), tablet.bottom() - 2.0 * scale));
    shape.closeSubpath();
    const QColor colour(TabletColours[index]);
    QLinearGradient fill(tablet.topLeft(), tablet.bottomLeft());
    fill.setColorAt(0, colour.lighter(140));
    fill.setColorAt(1, colour.darker(110));
    painter.setPen(QPen(QColor(176, 128, 30), 1.0 * scale));
    painter.setBrush(fill);
    painter.drawPath(shape);

    const QString numeral = QString::fromLatin1(Numerals[index]);
    // One stroke weight for the whole family: VIII, the widest, just fits.
    const qreal unit = qMax(1.5 * scale, qRound(width * 0.1 / scale * 2) / 2.0 * scale);
    const qreal height = area.height() * 0.56;
    QPainterPath path = RomanNumeral(numeral, unit, height);
    path.translate(tablet.center().x(), area.center().y() + area.height() * 0.08);
    QLinearGradient gold(path.boundingRect().topLeft(), path.boundingRect().bottomLeft());
    gold.setColorAt(0, QColor(255, 240, 160));
    gold.setColorAt(1, QColor(232, 172, 40));
    painter.setPen(QPen(QColor(90, 56, 6, 160), 0.6 * scale));
    painter.setBrush(gold);
    painter.drawPath(path);
}

} // namespace

void NumberSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const int index = (kind - 1) % 10;
    switch ((kind - 1) / 10) {
    case 0: ArabicDigit(painter, area, index, scale); break;
    case 1: ChineseNumeral(painter, area, index, scale); break;
    default: RomanTablet(painter, area, index, scale); break;
    }
}

} // namespace llk::assets
