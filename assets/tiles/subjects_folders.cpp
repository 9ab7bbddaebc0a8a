// Themes 6 and 13: an emblem as the subject, with a folder behind it as its frame. Theme 6 has a
// classic glossy folder with its tab on the left and the emblem as a sticker on the front; Theme 13 a
// flat modern folder with its tab on the right and the emblem on the sheet it holds. Each folder takes
// the colour of its palette that stands furthest from its emblem's.
#include "assets/tiles/drawn_subjects.h"
#include "assets/tiles/emoji_sticker.h"
#include "assets/tiles/theme_art.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>
#include <span>
#include <vector>

namespace llk::assets {

namespace {

const char* const ClassicEmblems[] = {
    "📷", "🎵", "🎬", "📄", "🖼️", "⭐", "❤️", "🔒", "⚙️", "📦", "🗑️", "🌐", "📧", "🏠", "🎮", "📚",
    "💾", "🔍", "✏️", "📅", "⏰", "📌", "🔖", "💡", "🔔", "🧩", "🎨", "🛒", "💰", "📊", "🔑", "📎",
    "✂️", "🖨️", "💻", "📱", "🎧", "🎤", "📞", "📋", "🏆", "🚗", "✈️", "🍀", "🌙", "☀️", "🎁", "🔥",
};
static_assert(std::size(ClassicEmblems) == 48);

const char* const ModernEmblems[] = {
    "🎓", "🔧", "🔨", "🧪", "🧲", "🔬", "🔭", "🩺", "💊", "🧬", "🌍", "🗺️", "🧭", "⛅", "🌈", "💧",
    "⚡", "🎯", "🎹", "🎸", "📖", "📝", "🏖️", "🍔", "☕", "🐾", "🌸", "🌲", "🚀", "⚽", "💎",
};
static_assert(std::size(ModernEmblems) == 31);

// Manila, sky, leaf, rose, lilac, orange, brick and teal: the classic folder colours.
constexpr std::array<QRgb, 8> ClassicColours{0xf2c14e, 0x5aa9e6, 0x6cc070, 0xef7b8b,
                                             0xa98bdc, 0xf39c4a, 0xc9473d, 0x2bb3a3};
// Flat and deeper: blue, teal, coral, violet, green, amber, slate and raspberry.
constexpr std::array<QRgb, 8> ModernColours{0x3d7fd9, 0x16a394, 0xe4663f, 0x8a5bd6,
                                            0x43a047, 0xf0a800, 0x4a5a66, 0xd81b60};

double ColourDistance(const QColor& a, const QColor& b)
{
    const auto opponent = [](const QColor& c) {
        const double r = c.red(), g = c.green(), b = c.blue();
        return std::array<double, 3>{0.299 * r + 0.587 * g + 0.114 * b, r - g, (r + g) / 2 - b};
    };
    const auto x = opponent(a);
    const auto y = opponent(b);
    return std::hypot(x[0] - y[0], x[1] - y[1], x[2] - y[2]);
}

// The folder colour of every kind: the palette colour furthest from the emblem's own, never the same
// as the kind before it, so neighbours in the list differ too.
std::vector<QColor> FolderColours(std::span<const char* const> emblems, std::span<const QRgb> palette)
{
    std::vector<QColor> colours;
    int previous = -1;
    for (const char* emblem : emblems) {
        const QColor own = EmojiColour(QString::fromUtf8(emblem));
        int best = -1;
        double bestDistance = -1;
        for (int i = 0; i < int(palette.size()); ++i) {
            const double distance = ColourDistance(own, QColor(palette[i]));
            if (i != previous && distance > bestDistance) {
                best = i;
                bestDistance = distance;
            }
        }
        colours.emplace_back(palette[best]);
        previous = best;
    }
    return colours;
}

// The back of a folder with its tab on the left or on the right.
QPainterPath TabbedBack(const QRectF& body, qreal tabWidth, qreal tabHeight, qreal radius, bool tabOnRight)
{
    QPainterPath path;
    path.moveTo(body.left(), body.top() + radius);
    path.quadTo(body.left(), body.top() - tabHeight, body.left() + radius, body.top() - tabHeight);
    path.lineTo(body.left() + tabWidth - tabHeight * 0.6, body.top() - tabHeight);
    path.lineTo(body.left() + tabWidth, body.top());
    path.lineTo(body.right() - radius, body.top());
    path.quadTo(body.right(), body.top(), body.right(), body.top() + radius);
    path.lineTo(body.right(), body.bottom() - radius);
    path.quadTo(body.right(), body.bottom(), body.right() - radius, body.bottom());
    path.lineTo(body.left() + radius, body.bottom());
    path.quadTo(body.left(), body.bottom(), body.left(), body.bottom() - radius);
    path.closeSubpath();
    if (tabOnRight) {
        QTransform mirror;
        mirror.translate(body.center().x(), 0).scale(-1, 1).translate(-body.center().x(), 0);
        path = mirror.map(path);
    }
    return path;
}

QRectF Centred(const QPointF& centre, qreal side)
{
    return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

} // namespace

void FolderSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    static const std::vector<QColor> colours = FolderColours(ClassicEmblems, ClassicColours);
    const QColor colour = colours[kind - 1];
    const qreal width = area.width() * 1.16;
    const qreal height = area.height() * 0.84;
    const QRectF body(area.center().x() - width / 2, area.bottom() - height + area.height() * 0.06, width, height);
    const qreal radius = 2.5 * scale;

    painter.setPen(QPen(colour.darker(175), 1.0 * scale));
    painter.setBrush(colour.darker(122));
    painter.drawPath(TabbedBack(body, width * 0.4, height * 0.15, radius, false));

    const QRectF front = body.adjusted(0, height * 0.2, 0, 0);
    QLinearGradient fill(front.topLeft(), front.bottomLeft());
    fill.setColorAt(0, colour.lighter(122));
    fill.setColorAt(1, colour.darker(105));
    painter.setPen(QPen(colour.darker(175), 1.0 * scale));
    painter.setBrush(fill);
    painter.drawRoundedRect(front, radius, radius);
    painter.setPen(QPen(QColor(255, 255, 255, 140), 1.0 * scale));
    painter.drawLine(front.topLeft() + QPointF(radius, 1.0 * scale), front.topRight() + QPointF(-radius, 1.0 * scale));

    // The emblem stands over the whole front, a white-edged sticker.
    DrawEmojiSticker(painter, Centred(area.center() + QPointF(0, area.height() * 0.06), area.height() * 0.86),
                     QString::fromUtf8(ClassicEmblems[kind - 1]), QColor(255, 255, 255), 1.5 * scale);
}

void ModernFolderSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    static const std::vector<QColor> colours = FolderColours(ModernEmblems, ModernColours);
    const QColor colour = colours[kind - 1];
    const qreal width = area.width() * 1.18;
    const qreal height = area.height() * 0.9;
    const QRectF back(area.center().x() - width / 2, area.bottom() - height + area.height() * 0.08, width, height);

    // A flat folder: its back and tab in one colour, a sheet standing in it, a low front lip.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(TabbedBack(back, width * 0.46, height * 0.14, 3.0 * scale, true));
    const QRectF sheet = back.adjusted(width * 0.07, -height * 0.02, -width * 0.07, -height * 0.12);
    painter.setBrush(QColor(255, 255, 255));
    painter.setPen(QPen(colour.darker(140), 0.8 * scale));
    painter.drawRoundedRect(sheet, 1.5 * scale, 1.5 * scale);
    const QRectF lip(back.left(), back.bottom() - height * 0.2, back.width(), height * 0.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.darker(118));
    painter.drawRoundedRect(lip, 2.0 * scale, 2.0 * scale);

    DrawEmoji(painter, Centred(QPointF(area.center().x(), sheet.center().y() + area.height() * 0.02), area.height() * 0.8),
              QString::fromUtf8(ModernEmblems[kind - 1]).remove(QChar(0xfe0f)));
}

} // namespace llk::assets
