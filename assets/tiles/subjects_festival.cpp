// Theme 11: Chinese dragon and festival motifs; Theme 12: numbers in three scripts.
#include "assets/tiles/drawn_subjects.h"
#include "assets/tiles/theme_art.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>

namespace llk::assets {

namespace {

// "ingot" and "coin" are drawn by code: no font has a gold ingot or a square-holed coin.
const char* const FestivalMotifs[] = {
    "🐉", "🐲", "🏮", "🧧", "🎆", "🐎", "🧨", "🎋", "🍲", "🫖", "🎏", "🎐", "🐇", "🥮", "🥟",
    "🍡", "🍵", "🀄", "🐅", "🪁", "🌕", "🍊", "🪭", "🪷", "🌸", "🎊", "🥢", "🐼", "🍑", "🦚",
    "🥠", "ingot", "🥁", "🍚", "🍜", "🌾", "🥡", "🐟", "🐢", "coin", "🌙", "🐐", "🐓", "🌺", "🍁",
};

// Lucky characters, shown on red paper squares hung by a corner as at New Year.
const char* const LuckyCharacters[] = {
    "福", "禄", "寿", "喜", "财", "春", "吉", "祥", "安", "康", "乐", "和", "龙",
    "凤", "囍", "宝", "旺", "顺", "兴", "德", "美", "瑞", "年", "金", "玉", "丰",
};
static_assert(std::size(FestivalMotifs) + std::size(LuckyCharacters) == 71);

void DrawDiamondPaper(QPainter& painter, const QRectF& area, const QString& character, int scale)
{
    const qreal half = qMin(area.width(), area.height()) * 0.56;
    const QPointF c = area.center();
    QPolygonF diamond;
    diamond << c + QPointF(0, -half) << c + QPointF(half, 0) << c + QPointF(0, half) << c + QPointF(-half, 0);
    QLinearGradient fill(c + QPointF(-half, -half), c + QPointF(half, half));
    fill.setColorAt(0, QColor(232, 52, 40));
    fill.setColorAt(1, QColor(170, 16, 22));
    painter.setPen(QPen(QColor(246, 196, 72), 1.0 * scale));
    painter.setBrush(fill);
    painter.drawPolygon(diamond);
    RequireGlyphs(QStringLiteral("Noto Serif CJK SC"), character);

    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setWeight(QFont::Black);
    font.setPixelSize(qMax(1, qRound(half * 1.05)));
    painter.setFont(font);
    painter.setPen(QColor(255, 214, 90));
    painter.drawText(QRectF(c.x() - half, c.y() - half, 2 * half, 2 * half), Qt::AlignCenter, character);
}

QLinearGradient Gold(const QRectF& box)
{
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0, QColor(255, 236, 150));
    gold.setColorAt(0.5, QColor(242, 190, 52));
    gold.setColorAt(1, QColor(196, 134, 24));
    return gold;
}

// A gold ingot: a boat-shaped base with upturned ends and a dome rising from its middle.
void DrawIngot(QPainter& painter, const QRectF& area, int scale)
{
    const qreal w = qMin(area.width(), area.height() * 1.2);
    const QPointF c = area.center() + QPointF(0, area.height() * 0.08);
    auto at = [&](qreal x, qreal y) { return c + QPointF(x * w, y * w); };
    const QPen edge(QColor(150, 96, 10), 1.0 * scale);

    QPainterPath dome;
    dome.addEllipse(QRectF(at(-0.24, -0.42), at(0.24, 0.12)));
    painter.setPen(edge);
    painter.setBrush(Gold(dome.boundingRect()));
    painter.drawPath(dome);

    QPainterPath boat;
    boat.moveTo(at(-0.5, -0.16));
    boat.quadTo(at(-0.36, 0.34), at(0, 0.34));
    boat.quadTo(at(0.36, 0.34), at(0.5, -0.16));
    boat.quadTo(at(0.34, -0.02), at(0.22, -0.02));
    boat.lineTo(at(-0.22, -0.02));
    boat.quadTo(at(-0.34, -0.02), at(-0.5, -0.16));
    painter.setBrush(Gold(boat.boundingRect()));
    painter.drawPath(boat);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    painter.drawEllipse(QRectF(at(-0.14, -0.34), at(-0.04, -0.2)));
}

// A round coin with a square hole, four characters round it.
void DrawCoin(QPainter& painter, const QRectF& area, int scale)
{
    const qreal r = qMin(area.width(), area.height()) * 0.52;
    const QPointF c = area.center();
    const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);
    painter.setPen(QPen(QColor(150, 96, 10), 1.0 * scale));
    painter.setBrush(Gold(disc));
    painter.drawEllipse(disc);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(170, 110, 16), 1.0 * scale));
    painter.drawEllipse(c, r * 0.82, r * 0.82);
    const qreal hole = r * 0.34;
    painter.setBrush(QColor(120, 70, 10));
    painter.drawRect(QRectF(c.x() - hole / 2, c.y() - hole / 2, hole, hole));

    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setWeight(QFont::Black);
    font.setPixelSize(qMax(1, qRound(r * 0.46)));
    painter.setFont(font);
    painter.setPen(QColor(130, 80, 8));
    const qreal d = r * 0.57;
    const qreal g = r * 0.3;
    // Read clockwise from the top.
    static const char* const Words[] = {"招", "财", "进", "宝"};
    const QPointF spots[] = {{0, -d}, {d, 0}, {0, d}, {-d, 0}};
    for (int i = 0; i < 4; ++i)
        painter.drawText(QRectF(c + spots[i] - QPointF(g, g), QSizeF(2 * g, 2 * g)), Qt::AlignCenter,
                         QString::fromUtf8(Words[i]));
}

// Numbers: 0-9 in bright Arabic digits, 一 to 十 in red, I to X on gold plaques.
constexpr std::array<QRgb, 10> DigitColours{0xe53935, 0xfb8c00, 0xf9a825, 0x43a047, 0x00897b,
                                            0x1e88e5, 0x3949ab, 0x8e24aa, 0xd81b60, 0x6d4c41};

void DrawOutlinedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                      const QColor& fill, const QColor& edge, qreal edgeWidth)
{
    RequireGlyphs(font.family(), text);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(box.center() - bounds.center());
    painter.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
}

} // namespace

void FestivalSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const int motifCount = int(std::size(FestivalMotifs));
    if (kind > motifCount) {
        DrawDiamondPaper(painter, area, QString::fromUtf8(LuckyCharacters[kind - motifCount - 1]), scale);
        return;
    }
    const QString motif = QString::fromUtf8(FestivalMotifs[kind - 1]);
    if (motif == QLatin1String("ingot"))
        DrawIngot(painter, area, scale);
    else if (motif == QLatin1String("coin"))
        DrawCoin(painter, area, scale);
    else
        DrawEmoji(painter, area, motif);
}

void NumberSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const int group = (kind - 1) / 10;
    const int index = (kind - 1) % 10;
    if (group == 0) {
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setWeight(QFont::Black);
        font.setPixelSize(qMax(1, qRound(area.height() * 1.05)));
        const QColor colour(DigitColours[index]);
        DrawOutlinedText(painter, area.translated(0.8 * scale, 1.0 * scale), QString::number(index), font,
                         QColor(0, 0, 0, 60), QColor(0, 0, 0, 60), 2.5 * scale);
        DrawOutlinedText(painter, area, QString::number(index), font, colour, colour.darker(160), 1.6 * scale);
    } else if (group == 1) {
        static const char* const Chinese[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
        // A red seal, the numeral in gold.
        const qreal r = qMin(area.width(), area.height()) * 0.56;
        const QRectF seal(area.center().x() - r, area.center().y() - r, 2 * r, 2 * r);
        QLinearGradient red(seal.topLeft(), seal.bottomLeft());
        red.setColorAt(0, QColor(236, 64, 52));
        red.setColorAt(1, QColor(160, 16, 24));
        painter.setPen(QPen(QColor(110, 8, 14), 1.0 * scale));
        painter.setBrush(red);
        painter.drawEllipse(seal);
        painter.setPen(QPen(QColor(250, 200, 90), 1.0 * scale));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(seal.adjusted(2.0 * scale, 2.0 * scale, -2.0 * scale, -2.0 * scale));
        QFont font(QStringLiteral("Noto Serif CJK SC"));
        font.setWeight(QFont::Black);
        font.setPixelSize(qMax(1, qRound(r * 1.25)));
        DrawOutlinedText(painter, seal, QString::fromUtf8(Chinese[index]), font, QColor(255, 222, 110),
                         QColor(255, 222, 110), 0.2 * scale);
    } else {
        static const char* const Roman[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X"};
        const QRectF plaque = area.adjusted(-area.width() * 0.06, area.height() * 0.12, area.width() * 0.06,
                                            -area.height() * 0.12);
        QLinearGradient gold(plaque.topLeft(), plaque.bottomLeft());
        gold.setColorAt(0, QColor(255, 226, 130));
        gold.setColorAt(1, QColor(214, 160, 40));
        painter.setPen(QPen(QColor(140, 96, 20), 1.0 * scale));
        painter.setBrush(gold);
        painter.drawRoundedRect(plaque, 3.0 * scale, 3.0 * scale);
        QFont font(QStringLiteral("Noto Serif CJK SC"));
        font.setWeight(QFont::Bold);
        font.setPixelSize(qMax(1, qRound(plaque.height() * 0.7)));
        const QString text = QString::fromUtf8(Roman[index]);
        font.setStretch(text.size() >= 3 ? 70 : 100);
        DrawOutlinedText(painter, plaque, text, font, QColor(90, 50, 10), QColor(90, 50, 10), 0.3 * scale);
    }
}

} // namespace llk::assets
