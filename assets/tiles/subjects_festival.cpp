// Theme 11: Chinese dragon and festival motifs; Theme 12: numbers in three scripts.
#include "assets/tiles/drawn_subjects.h"
#include "assets/tiles/theme_art.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>

namespace llk::assets {

namespace {

const char* const FestivalEmoji[] = {
    "🐉", "🐲", "🏮", "🧧", "🎆", "🎇", "🧨", "🎋", "🎍", "🎎", "🎏", "🎐", "🎑", "🥮", "🥟",
    "🍡", "🍵", "🀄", "🏯", "⛩️", "🌕", "🍊", "🪭", "🪷", "🌸", "🎊", "🥢", "🐼", "🍑", "🎴",
    "🥠", "🍶", "🥁", "🍚", "🍜", "🍙", "🥡", "🐟", "🐢", "🪙", "🌙", "🎉", "🐓", "🌺", "🍁",
};

// Lucky characters, shown on red paper squares hung by a corner as at New Year.
const char* const LuckyCharacters[] = {
    "福", "禄", "寿", "喜", "财", "春", "吉", "祥", "安", "康", "乐", "和", "龙",
    "凤", "囍", "宝", "旺", "顺", "兴", "德", "美", "瑞", "年", "金", "玉", "丰",
};
static_assert(std::size(FestivalEmoji) + std::size(LuckyCharacters) == 71);

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

    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setWeight(QFont::Black);
    font.setPixelSize(qMax(1, qRound(half * 1.05)));
    painter.setFont(font);
    painter.setPen(QColor(255, 214, 90));
    painter.drawText(QRectF(c.x() - half, c.y() - half, 2 * half, 2 * half), Qt::AlignCenter, character);
}

// Numbers: 0-9 in bright Arabic digits, 一 to 十 in red, I to X on gold plaques.
constexpr std::array<QRgb, 10> DigitColours{0xe53935, 0xfb8c00, 0xf9a825, 0x43a047, 0x00897b,
                                            0x1e88e5, 0x3949ab, 0x8e24aa, 0xd81b60, 0x6d4c41};

void DrawOutlinedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                      const QColor& fill, const QColor& edge, qreal edgeWidth)
{
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
    const int emojiCount = int(std::size(FestivalEmoji));
    if (kind <= emojiCount)
        DrawEmoji(painter, area, QString::fromUtf8(FestivalEmoji[kind - 1]));
    else
        DrawDiamondPaper(painter, area, QString::fromUtf8(LuckyCharacters[kind - emojiCount - 1]), scale);
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
        QFont font(QStringLiteral("Noto Serif CJK SC"));
        font.setWeight(QFont::Black);
        font.setPixelSize(qMax(1, qRound(area.width() * 1.0)));
        DrawOutlinedText(painter, area, QString::fromUtf8(Chinese[index]), font, QColor(200, 28, 36),
                         QColor(120, 10, 16), 0.8 * scale);
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
