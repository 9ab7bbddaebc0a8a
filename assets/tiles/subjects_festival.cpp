// Theme 11: the Chinese dragon in many colours and poses, and the festivals: lanterns, crackers,
// foods, crafts and a few lucky characters, each with a shape and colour of its own.
#include "assets/tiles/drawn_subjects.h"
#include "assets/tiles/emoji_sticker.h"
#include "assets/tiles/festival_crafts.h"
#include "assets/tiles/subject_drawing.h"
#include "assets/tiles/theme_art.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>
#include <variant>

namespace llk::assets {

namespace {

// An emoji as the font draws it.
struct Motif {
    const char* emoji;
};
// A dragon from the emoji font in a colour of its own: its hue turned by `turn` degrees, its
// saturation scaled by `saturation` (below a half, an ink-dark dragon), facing the other way when
// `mirrored`.
struct Dragon {
    const char* emoji;
    int turn;
    qreal saturation;
    bool mirrored;
};
// Dumplings in a bamboo steamer.
struct Steamed {
    const char* emoji;
};
// The full moon in a night sky.
struct NightSky {
    const char* emoji;
};
// The jade rabbit before the golden moon.
struct MoonRabbit {
    const char* emoji;
};
enum class Backing { RedDiamond, GoldEdged, RedSquare, LacquerDisc, JadeOctagon };
struct Lucky {
    const char* character;
    Backing backing;
};
struct Ingot {};
struct Coin {};

using Festive = std::variant<Motif, Dragon, Steamed, NightSky, MoonRabbit, Lucky, Ingot, Coin, Craft>;

const std::array<Festive, 71> Subjects{{
    Motif{"🐉"}, Motif{"🐲"}, Motif{"🏮"}, Motif{"🧧"}, Motif{"🎆"},
    Motif{"🐎"}, Motif{"🧨"}, Motif{"🎋"}, Motif{"🍲"}, Motif{"🫖"},
    Dragon{"🐉", -95, 1.2, true}, Craft::DragonBoat, MoonRabbit{"🐇"}, Motif{"🥮"}, Steamed{"🥟"},
    Craft::Tanghulu, Motif{"🍵"}, Motif{"🀄"}, Motif{"🐅"}, Motif{"🪁"},
    NightSky{"🌕"}, Motif{"🍊"}, Motif{"🪭"}, Motif{"🪷"}, Motif{"🥬"},
    Motif{"🎊"}, Motif{"🥢"}, Motif{"🐼"}, Motif{"🍑"}, Motif{"🦚"},
    Craft::Knot, Ingot{}, Motif{"🥁"}, Motif{"🍚"}, Motif{"🍜"},
    Motif{"🌾"}, Craft::PalaceLantern, Motif{"🐟"}, Motif{"🐢"}, Coin{},
    Motif{"🌙"}, Motif{"🐐"}, Motif{"🐓"}, Motif{"🌺"}, Motif{"🍁"},
    Lucky{"福", Backing::RedDiamond}, Dragon{"🐉", -135, 1.3, false}, Dragon{"🐲", -95, 1.2, false},
    Lucky{"囍", Backing::GoldEdged}, Craft::Zongzi,
    Craft::Tangyuan, Craft::Ding, Craft::JadeDisc, Craft::PaperCut, Craft::FirecrackerString,
    Craft::SilkFan, Craft::SkyLantern, Dragon{"🐉", 110, 1.1, true}, Dragon{"🐲", -135, 1.3, true},
    Lucky{"春", Backing::RedSquare},
    Lucky{"龙", Backing::LacquerDisc}, Craft::Couplets, Craft::Shuttlecock, Motif{"🎇"}, Motif{"🦌"},
    Motif{"🦀"}, Dragon{"🐲", 170, 1.1, false}, Motif{"🧮"}, Craft::LongevityLock,
    Lucky{"财", Backing::JadeOctagon}, Dragon{"🐉", 0, 0.12, false},
}};

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

void DrawDragon(QPainter& painter, const QRectF& area, const Dragon& dragon)
{
    const QRect target(area.topLeft().toPoint(), area.size().toSize());
    QImage picture = EmojiPicture(QString::fromUtf8(dragon.emoji), target.size()).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            QColor colour = QColor::fromRgba(line[x]).toHsv();
            const int hue = colour.hsvHue() < 0 ? 0 : (colour.hsvHue() + dragon.turn + 360) % 360;
            const int saturation = qBound(0, qRound(colour.hsvSaturation() * dragon.saturation), 255);
            const int value = dragon.saturation < 0.5 ? colour.value() * 2 / 5 : colour.value();
            colour.setHsv(hue, saturation, value, colour.alpha());
            line[x] = colour.rgba();
        }
    }
    if (dragon.mirrored)
        picture = picture.mirrored(true, false);
    painter.drawImage(target.topLeft(), picture);
}

void DrawSteamer(QPainter& painter, const QRectF& area, const char* emoji, int scale)
{
    const qreal w = area.width() * 1.12;
    const QRectF basket(area.center().x() - w / 2, area.bottom() - area.height() * 0.34, w, area.height() * 0.36);
    QLinearGradient bamboo(basket.topLeft(), basket.bottomLeft());
    bamboo.setColorAt(0, QColor(236, 200, 130));
    bamboo.setColorAt(1, QColor(176, 126, 60));
    painter.setPen(QPen(QColor(120, 80, 30), 1.0 * scale));
    painter.setBrush(bamboo);
    painter.drawRoundedRect(basket, 3.0 * scale, 3.0 * scale);
    painter.setPen(QPen(QColor(140, 96, 40), 0.8 * scale));
    painter.drawLine(QPointF(basket.left(), basket.center().y()), QPointF(basket.right(), basket.center().y()));
    DrawEmoji(painter, area.adjusted(0, -area.height() * 0.1, 0, -area.height() * 0.22), QString::fromUtf8(emoji));
}

void DrawNightSky(QPainter& painter, const QRectF& area, const char* emoji, int scale)
{
    const qreal side = qMin(area.width(), area.height()) * 1.12;
    const QRectF sky(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    QRadialGradient night(sky.center(), side / 2);
    night.setColorAt(0, QColor(60, 80, 150));
    night.setColorAt(1, QColor(20, 26, 70));
    painter.setPen(QPen(QColor(12, 16, 50), 1.0 * scale));
    painter.setBrush(night);
    painter.drawEllipse(sky);
    DrawEmoji(painter, sky.adjusted(side * 0.12, side * 0.12, -side * 0.12, -side * 0.12), QString::fromUtf8(emoji));
}

void DrawMoonRabbit(QPainter& painter, const QRectF& area, const char* emoji, int scale)
{
    const qreal side = qMin(area.width(), area.height()) * 1.1;
    const QRectF moon(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    QRadialGradient gold(moon.center() - QPointF(side * 0.15, side * 0.15), side * 0.6);
    gold.setColorAt(0, QColor(255, 236, 150));
    gold.setColorAt(1, QColor(240, 170, 40));
    painter.setPen(QPen(QColor(190, 120, 20), 1.0 * scale));
    painter.setBrush(gold);
    painter.drawEllipse(moon);
    DrawEmoji(painter, moon.adjusted(side * 0.1, side * 0.1, -side * 0.1, -side * 0.1), QString::fromUtf8(emoji));
}

void DrawLucky(QPainter& painter, const QRectF& area, const Lucky& lucky, int scale)
{
    const QString character = QString::fromUtf8(lucky.character);
    if (lucky.backing == Backing::RedDiamond) {
        DrawDiamondPaper(painter, area, character, scale);
        return;
    }
    const qreal side = qMin(area.width(), area.height()) * 1.1;
    const QRectF box(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    RequireGlyphs(QStringLiteral("Noto Serif CJK SC"), character);
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setWeight(QFont::Black);
    if (lucky.backing == Backing::GoldEdged) {
        // Cut from red paper and pasted up bare, edged in gold.
        font.setPixelSize(100);
        QPainterPath path;
        path.addText(0, 0, font, character);
        const QRectF bounds = path.boundingRect();
        const qreal factor = qMin(area.width() * 1.08 / bounds.width(), area.height() * 0.96 / bounds.height());
        QTransform fit;
        fit.translate(area.center().x(), area.center().y());
        fit.scale(factor, factor);
        fit.translate(-bounds.center().x(), -bounds.center().y());
        path = fit.map(path);
        painter.setPen(QPen(QColor(240, 180, 40), 1.6 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(206, 16, 30));
        painter.drawPath(path);
        return;
    }
    QColor ground, ink, edge;
    QPainterPath shape;
    switch (lucky.backing) {
    case Backing::RedSquare:
        shape.addRoundedRect(box.adjusted(side * 0.04, side * 0.04, -side * 0.04, -side * 0.04), 2.0 * scale, 2.0 * scale);
        ground = QColor(214, 30, 34);
        ink = QColor(20, 16, 16);
        edge = QColor(255, 200, 70);
        break;
    case Backing::LacquerDisc:
        shape.addEllipse(box);
        ground = QColor(36, 30, 34);
        ink = QColor(255, 204, 70);
        edge = QColor(200, 30, 30);
        break;
    default: {
        QPolygonF octagon;
        for (int i = 0; i < 8; ++i) {
            const qreal angle = Pi / 8 + i * Pi / 4;
            octagon << box.center() + QPointF(std::cos(angle), std::sin(angle)) * side / 2;
        }
        shape.addPolygon(octagon);
        shape.closeSubpath();
        ground = QColor(40, 150, 100);
        ink = QColor(255, 230, 140);
        edge = QColor(20, 80, 50);
        break;
    }
    }
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0, ground.lighter(125));
    fill.setColorAt(1, ground.darker(115));
    painter.setPen(QPen(edge, 1.2 * scale));
    painter.setBrush(fill);
    painter.drawPath(shape);
    font.setPixelSize(qMax(1, qRound(side * 0.66)));
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, character);
}

} // namespace

void FestivalSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const Festive& subject = Subjects[kind - 1];
    if (const auto* motif = std::get_if<Motif>(&subject))
        DrawEmoji(painter, area, QString::fromUtf8(motif->emoji));
    else if (const auto* dragon = std::get_if<Dragon>(&subject))
        DrawDragon(painter, area, *dragon);
    else if (const auto* steamed = std::get_if<Steamed>(&subject))
        DrawSteamer(painter, area, steamed->emoji, scale);
    else if (const auto* night = std::get_if<NightSky>(&subject))
        DrawNightSky(painter, area, night->emoji, scale);
    else if (const auto* rabbit = std::get_if<MoonRabbit>(&subject))
        DrawMoonRabbit(painter, area, rabbit->emoji, scale);
    else if (const auto* lucky = std::get_if<Lucky>(&subject))
        DrawLucky(painter, area, *lucky, scale);
    else if (std::holds_alternative<Ingot>(subject))
        DrawIngot(painter, area, scale);
    else if (std::holds_alternative<Coin>(subject))
        DrawCoin(painter, area, scale);
    else
        DrawCraft(painter, area, std::get<Craft>(subject), scale);
}

} // namespace llk::assets
