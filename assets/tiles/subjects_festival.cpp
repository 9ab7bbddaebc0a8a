// Theme 11: Chinese dragon and festival motifs.
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

} // namespace llk::assets
