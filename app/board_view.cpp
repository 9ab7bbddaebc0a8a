#include "app/board_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include "assets/artwork.h"
#include "assets/tiles/tile_images.h"

namespace llk::app {
namespace {

bool SameSprite(const TileSprite& a, const TileSprite& b)
{
    return a.visible == b.visible && a.picture == b.picture && a.pictureNumber == b.pictureNumber &&
           a.left == b.left && a.top == b.top;
}

bool SameSprites(const std::vector<TileSprite>& a, const std::vector<TileSprite>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameSprite);
}

constexpr qreal CornerRadiusPixels = 3;

QPixmap ToPixmap(const QImage& image, int scale)
{
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

} // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::SetBackground(const QImage& picture)
{
    // Drawn as it is: on X11 and offscreen a pixmap is an image too, so converting would only
    // copy the pixels (3 MB for the built-in picture, which otherwise stays in the program file).
    m_background = picture;
    update();
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect picture(QPoint(0, 0), m_background.deviceIndependentSize().toSize());
    // Black where a small picture leaves the client area uncovered.
    for (const QRect& uncovered : QRegion(event->rect()).subtracted(picture))
        painter.fillRect(uncovered, Qt::black);
    const QRect dirty = event->rect() & picture;
    if (!dirty.isEmpty())
        painter.drawImage(dirty.topLeft(), m_background, QRectF(QPointF(dirty.topLeft()) * m_background.devicePixelRatio(),
                                                                QSizeF(dirty.size()) * m_background.devicePixelRatio()));
}

ShapeControl::ShapeControl(const QString& name, const Look& look, QWidget* parent) : QWidget(parent), m_look(look)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const int pen = m_look.outline.isValid() ? m_look.outlinePixels : 0;
    // The outline lies inside the control's rectangle, as a marker frames its Cell.
    QRectF area = QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0);
    painter.setPen(pen > 0 ? QPen(m_look.outline, pen) : QPen(Qt::NoPen));
    painter.setBrush(m_look.fill.isValid() ? QBrush(m_look.fill) : QBrush(Qt::NoBrush));
    if (m_look.rounded) {
        // A countdown tick dirties a few columns at the time bar's end, but stroking the whole
        // antialiased outline costs most of the tick. Away from the corners every column of a
        // rounded rectangle looks the same, so the shape is cut short a corner's room beyond the
        // dirty columns: the pixels drawn are the same.
        const QRect dirty = event->rect();
        const qreal room = CornerRadiusPixels + pen + 2;
        if (dirty.left() - room > area.left())
            area.setLeft(dirty.left() - room);
        if (dirty.right() + 1 + room < area.right())
            area.setRight(dirty.right() + 1 + room);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(area, CornerRadiusPixels, CornerRadiusPixels);
    } else {
        painter.drawRect(area);
    }
}

SpriteLayer::SpriteLayer(const Game& game, QWidget* parent) : QWidget(parent), m_game(game)
{
    setObjectName(QStringLiteral("Image1"));
    setMouseTracking(true);
}

int SpriteLayer::PictureScale() const
{
    return devicePixelRatioF() > 1.4 ? 2 : 1;
}

const QPixmap& SpriteLayer::Picture(const TileSprite& sprite) const
{
    const int scale = PictureScale();
    if (m_picturesTheme != m_game.ThemeIndex) {
        m_pictures.clear();
        m_picturesTheme = m_game.ThemeIndex;
    }
    const quint32 key = (static_cast<quint32>(sprite.picture) << 24) |
                        (static_cast<quint32>(scale) << 16) | static_cast<quint32>(sprite.pictureNumber & 0xFFFF);
    auto found = m_pictures.find(key);
    if (found != m_pictures.end())
        return *found;
    QImage image;
    switch (sprite.picture) {
    case SpritePicture::Template:
        image = assets::Artwork(assets::Art::Template, scale);
        break;
    case SpritePicture::Tile:
        image = assets::TileImage(m_game.ThemeIndex, sprite.pictureNumber, scale);
        break;
    case SpritePicture::LinkPiece:
        image = assets::LinkPiece(sprite.pictureNumber, scale);
        break;
    }
    return *m_pictures.insert(key, ToPixmap(image, scale));
}

QRect SpriteLayer::SpriteRect(const TileSprite& sprite) const
{
    const QPixmap& picture = Picture(sprite);
    return QRect(QPoint(ToPixels(sprite.left), ToPixels(sprite.top)), picture.deviceIndependentSize().toSize());
}

void SpriteLayer::Refresh()
{
    if (m_drawnTheme == m_game.ThemeIndex && SameSprites(m_drawn, m_game.Sprites))
        return;
    m_drawn = m_game.Sprites;
    m_drawnTheme = m_game.ThemeIndex;
    m_drawnBounds = {};
    for (std::size_t n = 1; n < m_drawn.size(); ++n)
        if (m_drawn[n].visible)
            m_drawnBounds |= SpriteRect(m_drawn[n]);
    update();
    UpdateCursor(mapFromGlobal(QCursor::pos()));
}

int SpriteLayer::SpriteAt(QPoint point) const
{
    for (int n = static_cast<int>(m_game.Sprites.size()) - 1; n >= 1; --n) {
        const TileSprite& sprite = m_game.Sprites[static_cast<std::size_t>(n)];
        if (sprite.visible && SpriteRect(sprite).contains(point))
            return n;
    }
    return 0;
}

void SpriteLayer::paintEvent(QPaintEvent* event)
{
    const QRect dirty = event->rect();
    if (!dirty.intersects(m_drawnBounds))
        return;
    QPainter painter(this);
    for (std::size_t n = 1; n < m_game.Sprites.size(); ++n) {
        const TileSprite& sprite = m_game.Sprites[n];
        if (!sprite.visible)
            continue;
        const QRect area = SpriteRect(sprite);
        if (area.intersects(dirty))
            painter.drawPixmap(area.topLeft(), Picture(sprite));
    }
}

void SpriteLayer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int cell = SpriteAt(event->position().toPoint());
    m_lastPressed = cell;
    if (cell > 0)
        emit spritePressed(cell);
}

void SpriteLayer::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt turns a quick second press anywhere on this layer into a double-click; only a second
    // press on the same sprite is one, a press on another sprite is a click of its own.
    if (event->button() != Qt::LeftButton)
        return;
    const int cell = SpriteAt(event->position().toPoint());
    if (cell != m_lastPressed) {
        m_lastPressed = cell;
        if (cell > 0)
            emit spritePressed(cell);
    }
}

void SpriteLayer::mouseMoveEvent(QMouseEvent* event)
{
    UpdateCursor(event->position().toPoint());
}

void SpriteLayer::leaveEvent(QEvent*)
{
    UpdateCursor(QPoint(-1000, -1000));
}

void SpriteLayer::UpdateCursor(QPoint point)
{
    const bool overSprite = rect().contains(point) && SpriteAt(point) > 0;
    if (overSprite == m_handCursor)
        return;
    m_handCursor = overSprite;
    if (!overSprite) {
        unsetCursor();
        return;
    }
    if (m_hand.pixmap().isNull()) {
        const int scale = PictureScale();
        QPixmap picture = ToPixmap(assets::Artwork(assets::Art::Cursor, scale), scale);
        m_hand = QCursor(picture, assets::CursorHotSpot.x(), assets::CursorHotSpot.y());
    }
    setCursor(m_hand);
}

} // namespace llk::app
