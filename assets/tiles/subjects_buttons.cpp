// Theme 7: glossy buttons in twelve colours and nine outlines, each with a symbol of its own.
#include "assets/tiles/drawn_subjects.h"
#include "assets/tiles/theme_art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>

namespace llk::assets {

namespace {

// Twelve hues around the wheel; neighbouring kinds never share one.
constexpr std::array<QRgb, 12> ButtonColours{0xe53935, 0xfb8c00, 0xfdd835, 0x7cb342, 0x2e9d4f, 0x00a6a6,
                                             0x1e88e5, 0x3949ab, 0x8e24aa, 0xd81b60, 0x6d4c41, 0x546e7a};

// The symbols of the 97 buttons: letters, digits, marks and a few characters, all in Noto Sans CJK;
// no two alike in shape (no 0 beside O, no × beside X).
const char* const ButtonSymbols[] = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T",
    "U", "V", "W", "X", "Y", "Z", "☀", "1", "2", "3", "4", "5", "6", "7", "8", "9", "★", "♥", "♠", "♣",
    "♦", "♪", "✓", "☂", "+", "−", "♨", "÷", "=", "?", "!", "@", "#", "$", "%", "&", "∞", "¥", "£", "€",
    "§", "♀", "♂", "℃", "→", "←", "↑", "↓", "▲", "▼", "◆", "■", "●", "◎", "※", "☎", "π", "Ω", "Σ", "Δ",
    "λ", "α", "β", "☆", "上", "下", "左", "右", "开", "关", "大", "小", "中", "山", "日", "月", "水",
};
static_assert(std::size(ButtonSymbols) == 97);

// The outline of a button in `box`. Buttons of one colour come in different outlines, so that at
// real size they differ in more than their symbol: 0 round, 1 rounded square, 2 diamond, 3 hexagon,
// 4 wide capsule, 5 shield, 6 tall capsule, 7 triangle, 8 twelve-pointed badge.
QPainterPath ButtonOutline(int shape, const QRectF& box)
{
    const QPointF c = box.center();
    const qreal w = box.width(), h = box.height();
    auto at = [&](qreal x, qreal y) { return QPointF(c.x() + x * w, c.y() + y * h); };
    QPainterPath path;
    switch (shape) {
    case 0: path.addEllipse(box); break;
    case 1: path.addRoundedRect(box.adjusted(w * 0.04, h * 0.04, -w * 0.04, -h * 0.04), w * 0.2, h * 0.2); break;
    case 2: path.addPolygon(QPolygonF{at(0, -0.5), at(0.5, 0), at(0, 0.5), at(-0.5, 0)}); break;
    case 3:
        path.addPolygon(QPolygonF{at(-0.25, -0.45), at(0.25, -0.45), at(0.5, 0), at(0.25, 0.45), at(-0.25, 0.45),
                                  at(-0.5, 0)});
        break;
    case 4: path.addRoundedRect(QRectF(at(-0.5, -0.32), at(0.5, 0.32)), h * 0.32, h * 0.32); break;
    case 5:
        path.moveTo(at(-0.44, -0.46));
        path.lineTo(at(0.44, -0.46));
        path.lineTo(at(0.44, 0.02));
        path.quadTo(at(0.4, 0.34), at(0, 0.5));
        path.quadTo(at(-0.4, 0.34), at(-0.44, 0.02));
        break;
    case 6: path.addRoundedRect(QRectF(at(-0.3, -0.5), at(0.3, 0.5)), w * 0.3, w * 0.3); break;
    case 7: path.addPolygon(QPolygonF{at(0, -0.5), at(0.5, 0.42), at(-0.5, 0.42)}); break;
    default: {
        QPolygonF badge;
        for (int i = 0; i < 24; ++i) {
            const qreal angle = M_PI * i / 12 - M_PI / 2;
            const qreal r = i % 2 ? 0.41 : 0.5;
            badge << at(r * qCos(angle), r * qSin(angle));
        }
        path.addPolygon(badge);
        break;
    }
    }
    path.closeSubpath();
    return path;
}

// Where the symbol of a button of `shape` is set: the part of the outline roomy enough for it.
QRectF SymbolBox(int shape, const QRectF& box)
{
    static constexpr qreal Size[9] = {1.0, 1.0, 0.72, 0.9, 0.74, 0.84, 0.72, 0.6, 0.8};
    static constexpr qreal Drop[9] = {0, 0, 0, 0, 0, -0.04, 0, 0.12, 0};
    const qreal size = Size[qBound(0, shape, 8)];
    const QSizeF inner(box.width() * size, box.height() * size);
    const QPointF centre = box.center() + QPointF(0, box.height() * Drop[qBound(0, shape, 8)]);
    return {centre - QPointF(inner.width() / 2, inner.height() / 2), inner};
}

QPainterPath ScaledAbout(const QPainterPath& path, const QPointF& centre, qreal factor)
{
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.scale(factor, factor);
    transform.translate(-centre.x(), -centre.y());
    return transform.map(path);
}

void DrawGlossyButton(QPainter& painter, const QPainterPath& outline, const QColor& colour, int scale)
{
    const QRectF box = outline.boundingRect();
    // Rim: a darker band that reads as the button's bezel.
    QLinearGradient rim(box.topLeft(), box.bottomRight());
    rim.setColorAt(0, colour.lighter(125));
    rim.setColorAt(1, colour.darker(175));
    painter.setPen(QPen(colour.darker(220), 1.0 * scale));
    painter.setBrush(rim);
    painter.drawPath(outline);

    const QPainterPath dome = ScaledAbout(outline, box.center(), 0.84);
    QRadialGradient body(box.center() + QPointF(0, box.height() * 0.2), box.width() * 0.55);
    body.setColorAt(0, colour.lighter(135));
    body.setColorAt(0.7, colour);
    body.setColorAt(1, colour.darker(130));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawPath(dome);
}

void DrawGloss(QPainter& painter, const QPainterPath& outline)
{
    const QRectF box = outline.boundingRect();
    const QRectF shine(box.left() + box.width() * 0.18, box.top() + box.height() * 0.1, box.width() * 0.64,
                       box.height() * 0.42);
    QLinearGradient gloss(shine.topLeft(), shine.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 190));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    painter.save();
    painter.setClipPath(ScaledAbout(outline, box.center(), 0.9), Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawEllipse(shine);
    painter.restore();
}

void DrawSymbol(QPainter& painter, const QRectF& box, const QString& symbol, const QColor& button, int scale)
{
    // White reads on every button but the palest; those get a dark symbol instead.
    const bool pale = qGray(button.rgb()) > 165;
    RequireGlyphs(QStringLiteral("Noto Sans CJK SC"), symbol);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setWeight(QFont::Black);
    font.setPixelSize(qMax(1, qRound(box.height() * 0.62)));
    painter.setFont(font);
    // A dark copy one pixel down gives the white symbol an engraved depth.
    painter.setPen(pale ? QColor(255, 255, 255, 140) : QColor(0, 0, 0, 90));
    painter.drawText(box.translated(0, 1.0 * scale), Qt::AlignCenter, symbol);
    painter.setPen(pale ? button.darker(260) : QColor(255, 255, 255));
    painter.drawText(box, Qt::AlignCenter, symbol);
}

} // namespace

void ButtonSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const qreal side = qMin(area.width(), area.height()) * 1.08;
    const QRectF box(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    // Kinds twelve apart share a colour; each of them has an outline of its own.
    const QColor colour(ButtonColours[(kind - 1) % ButtonColours.size()]);
    const int shape = (kind - 1) / int(ButtonColours.size());
    const QPainterPath outline = ButtonOutline(shape, box);
    DrawGlossyButton(painter, outline, colour, scale);
    DrawSymbol(painter, SymbolBox(shape, box), QString::fromUtf8(ButtonSymbols[kind - 1]), colour, scale);
    DrawGloss(painter, outline);
}

} // namespace llk::assets
