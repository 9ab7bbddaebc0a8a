// Themes 6 and 13: folders drawn by code, each carrying an emblem of its own.
#include "assets/tiles/drawn_subjects.h"
#include "assets/tiles/theme_art.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>

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

// Manila, sky, leaf, rose, lilac, orange: the colour follows the emblem, not the other way round.
constexpr std::array<QRgb, 6> ClassicColours{0xf2c14e, 0x5aa9e6, 0x6cc070, 0xef7b8b, 0xa98bdc, 0xf39c4a};
constexpr std::array<QRgb, 5> ModernColours{0x3d7fd9, 0x2bb3a3, 0xe4663f, 0x8a5bd6, 0x4caf50};

QPainterPath TabbedBack(const QRectF& body, qreal tabWidth, qreal tabHeight, qreal radius)
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
    return path;
}

} // namespace

void FolderSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const QColor colour(ClassicColours[(kind - 1) % ClassicColours.size()]);
    const qreal width = area.width() * 1.12;
    const qreal height = area.height() * 0.86;
    const QRectF body(area.center().x() - width / 2, area.bottom() - height + area.height() * 0.04, width, height);
    const qreal radius = 2.0 * scale;

    painter.setPen(QPen(colour.darker(170), 1.0 * scale));
    painter.setBrush(colour.darker(118));
    painter.drawPath(TabbedBack(body, width * 0.42, height * 0.16, radius));

    // A sheet of paper peeking out of the folder.
    painter.setBrush(QColor(252, 252, 248));
    painter.setPen(QPen(QColor(170, 170, 160), 0.8 * scale));
    painter.drawRect(body.adjusted(width * 0.1, height * 0.08, -width * 0.1, -height * 0.3));

    const QRectF front = body.adjusted(0, height * 0.22, 0, 0);
    QLinearGradient fill(front.topLeft(), front.bottomLeft());
    fill.setColorAt(0, colour.lighter(125));
    fill.setColorAt(1, colour);
    painter.setPen(QPen(colour.darker(170), 1.0 * scale));
    painter.setBrush(fill);
    painter.drawRoundedRect(front, radius, radius);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1.0 * scale));
    painter.drawLine(front.topLeft() + QPointF(radius, 1.0 * scale), front.topRight() + QPointF(-radius, 1.0 * scale));

    const qreal emblem = front.height() * 0.92;
    DrawEmoji(painter, QRectF(front.center().x() - emblem / 2, front.center().y() - emblem / 2, emblem, emblem),
              QString::fromUtf8(ClassicEmblems[kind - 1]));
}

void ModernFolderSubject(QPainter& painter, const QRectF& area, int, int kind, int scale)
{
    const QColor colour(ModernColours[(kind - 1) % ModernColours.size()]);
    const qreal width = area.width() * 1.1;
    const qreal height = area.height() * 0.9;
    const QRectF back(area.center().x() - width / 2, area.bottom() - height + area.height() * 0.05, width, height);
    const qreal radius = 2.5 * scale;

    painter.setPen(QPen(colour.darker(160), 1.0 * scale));
    painter.setBrush(colour.darker(125));
    painter.drawPath(TabbedBack(back, width * 0.36, height * 0.13, radius));

    painter.setBrush(QColor(255, 255, 255));
    painter.setPen(QPen(QColor(180, 186, 196), 0.8 * scale));
    painter.drawRect(back.adjusted(width * 0.08, height * 0.06, -width * 0.14, -height * 0.4));
    painter.setBrush(QColor(240, 244, 250));
    painter.drawRect(back.adjusted(width * 0.16, height * 0.02, -width * 0.06, -height * 0.44));

    // The front flap leans forward: a trapezoid, wider at the bottom, seen in perspective.
    const qreal top = back.top() + height * 0.3;
    QPolygonF flap;
    flap << QPointF(back.left() + width * 0.12, top) << QPointF(back.right() + width * 0.02, top)
         << QPointF(back.right() - width * 0.02, back.bottom()) << QPointF(back.left() - width * 0.02, back.bottom());
    QLinearGradient fill(QPointF(0, top), QPointF(0, back.bottom()));
    fill.setColorAt(0, colour.lighter(150));
    fill.setColorAt(1, colour);
    painter.setPen(QPen(colour.darker(170), 1.0 * scale));
    painter.setBrush(fill);
    painter.drawPolygon(flap);

    const qreal emblem = (back.bottom() - top) * 0.9;
    const QPointF centre((back.left() + back.right()) / 2 + width * 0.04, (top + back.bottom()) / 2);
    DrawEmoji(painter, QRectF(centre.x() - emblem / 2, centre.y() - emblem / 2, emblem, emblem),
              QString::fromUtf8(ModernEmblems[kind - 1]));
}

} // namespace llk::assets
