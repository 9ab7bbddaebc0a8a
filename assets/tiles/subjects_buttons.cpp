// Theme 7: round glossy buttons, each with a symbol of its own.
#include "assets/tiles/drawn_subjects.h"
#include "assets/tiles/theme_art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

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

void DrawGlossyDisc(QPainter& painter, const QRectF& disc, const QColor& colour, int scale)
{
    // Rim: a darker ring that reads as the button's bezel.
    QLinearGradient rim(disc.topLeft(), disc.bottomRight());
    rim.setColorAt(0, colour.lighter(125));
    rim.setColorAt(1, colour.darker(175));
    painter.setPen(QPen(colour.darker(220), 1.0 * scale));
    painter.setBrush(rim);
    painter.drawEllipse(disc);

    const QRectF dome = disc.adjusted(disc.width() * 0.08, disc.height() * 0.08, -disc.width() * 0.08,
                                      -disc.height() * 0.08);
    QRadialGradient body(dome.center() + QPointF(0, dome.height() * 0.25), dome.width() * 0.65);
    body.setColorAt(0, colour.lighter(135));
    body.setColorAt(0.7, colour);
    body.setColorAt(1, colour.darker(130));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawEllipse(dome);
}

void DrawGloss(QPainter& painter, const QRectF& disc)
{
    const QRectF shine(disc.left() + disc.width() * 0.18, disc.top() + disc.height() * 0.1, disc.width() * 0.64,
                       disc.height() * 0.42);
    QLinearGradient gloss(shine.topLeft(), shine.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 190));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloss);
    painter.drawEllipse(shine);
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
    const QRectF disc(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    const QColor colour(ButtonColours[(kind - 1) % ButtonColours.size()]);
    DrawGlossyDisc(painter, disc, colour, scale);
    DrawSymbol(painter, disc, QString::fromUtf8(ButtonSymbols[kind - 1]), colour, scale);
    DrawGloss(painter, disc);
}

} // namespace llk::assets
