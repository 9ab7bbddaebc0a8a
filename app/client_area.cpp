#include "app/client_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

#include "assets/artwork.h"
#include "assets/tiles/tile_images.h"

namespace llk::app {
namespace {

bool SameSprite(const TileSprite& a, const TileSprite& b)
{
    return a.visible == b.visible && a.picture == b.picture && a.pictureNumber == b.pictureNumber && a.left == b.left &&
           a.top == b.top;
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

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void ClientArea::SetBackground(const QImage& picture)
{
    // Drawn as it is: on X11 and offscreen a pixmap is an image too, so converting would only
    // copy the pixels (3 MB for the built-in picture, which otherwise stays in the program file).
    m_background = picture;
    update();
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect picture(QPoint(0, 0), m_background.deviceIndependentSize().toSize());
    // Black where a small picture leaves the client area uncovered.
    for (const QRect& uncovered : QRegion(event->rect()).subtracted(picture))
        painter.fillRect(uncovered, Qt::black);
    const QRect dirty = event->rect() & picture;
    if (!dirty.isEmpty())
        painter.drawImage(dirty.topLeft(), m_background,
                          QRectF(QPointF(dirty.topLeft()) * m_background.devicePixelRatio(),
                                 QSizeF(dirty.size()) * m_background.devicePixelRatio()));
}

ShapeControl::ShapeControl(const QString& name, const Look& look, QWidget* parent) : QWidget(parent), m_look(look)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A solid rectangle hides what lies under it: Qt then leaves it out of the repaints below.
    if (look.fill.isValid() && look.fill.alpha() == 255 && !look.rounded)
        setAttribute(Qt::WA_OpaquePaintEvent);
}

QRectF ShapeControl::Area(int width) const
{
    // The outline lies inside the control's rectangle, as a marker frames its Cell.
    const qreal inset = (m_look.outline.isValid() ? m_look.outlinePixels : 0) / 2.0;
    return QRectF(0, 0, width, height()).adjusted(inset, inset, -inset, -inset);
}

void ShapeControl::Draw(QPainter& painter, const QRectF& area) const
{
    const int pen = m_look.outline.isValid() ? m_look.outlinePixels : 0;
    painter.setPen(pen > 0 ? QPen(m_look.outline, pen) : QPen(Qt::NoPen));
    painter.setBrush(m_look.fill.isValid() ? QBrush(m_look.fill) : QBrush(Qt::NoBrush));
    if (m_look.rounded) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(area, CornerRadiusPixels, CornerRadiusPixels);
    } else {
        painter.drawRect(area);
    }
}

int ShapeControl::RoundedEndPixels() const
{
    // The corner, the outline and a pixel of antialiasing.
    return static_cast<int>(CornerRadiusPixels) + (m_look.outline.isValid() ? m_look.outlinePixels : 0) + 2;
}

void ShapeControl::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (!m_look.rounded) {
        Draw(painter, Area(width()));
        return;
    }
    // A countdown tick dirties a few columns at the time bar's end, and stroking an antialiased
    // outline, even cut short, cost most of the tick. The shape is drawn once, at the widest it has
    // been, and copied from that picture: away from the rounded ends every column of a rounded
    // rectangle looks the same, so a narrower shape is the picture's left part followed by the
    // picture's right end.
    const qreal ratio = devicePixelRatioF();
    const int end = RoundedEndPixels();
    if (ratio != std::floor(ratio)) { // columns fall between device pixels: drawn, cut short
        QRectF area = Area(width());
        const QRect dirty = event->rect();
        if (dirty.left() - end > area.left())
            area.setLeft(dirty.left() - end);
        if (dirty.right() + 1 + end < area.right())
            area.setRight(dirty.right() + 1 + end);
        Draw(painter, area);
        return;
    }
    // So narrow that its two ends overlap, the shape is drawn anew; it takes a few pixels.
    if (m_picture.isNull() || m_picture.devicePixelRatio() != ratio || m_pictureSize.height() != height() ||
        m_pictureSize.width() < width() || (width() < 2 * end && width() != m_pictureSize.width())) {
        m_pictureSize = size();
        m_picture = QImage((QSizeF(m_pictureSize) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        m_picture.setDevicePixelRatio(ratio);
        m_picture.fill(Qt::transparent);
        QPainter picture(&m_picture);
        Draw(picture, Area(m_pictureSize.width()));
    }
    const auto copy = [&](const QRect& target, int sourceLeft) {
        const QRect part = target & event->rect();
        if (!part.isEmpty())
            painter.drawImage(part.topLeft(), m_picture,
                              QRectF(QPointF(part.left() - target.left() + sourceLeft, part.top()) * ratio,
                                     QSizeF(part.size()) * ratio));
    };
    if (width() == m_pictureSize.width()) {
        copy(rect(), 0);
    } else {
        copy(QRect(0, 0, width() - end, height()), 0);
        copy(QRect(width() - end, 0, end, height()), m_pictureSize.width() - end);
    }
}

SpriteLayer::SpriteLayer(const Game& game, QWidget* parent) : QWidget(parent), m_game(game)
{
    setObjectName(QStringLiteral("Image1"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus); // the arrow keys and Return play on the board
}

void SpriteLayer::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() & ~Qt::KeypadModifier)
            break;
        emit keyPressed(event->key());
        return;
    default: break;
    }
    QWidget::keyPressEvent(event);
}

int SpriteLayer::PictureScale() const { return assets::ScaleForRatio(devicePixelRatioF()); }

const QPixmap& SpriteLayer::Picture(const TileSprite& sprite) const
{
    const int scale = PictureScale();
    if (m_picturesTheme != m_game.board.ThemeIndex) {
        m_pictures.clear();
        m_picturesTheme = m_game.board.ThemeIndex;
    }
    const quint32 key = (static_cast<quint32>(sprite.picture) << 24) | (static_cast<quint32>(scale) << 16) |
                        static_cast<quint32>(sprite.pictureNumber & 0xFFFF);
    auto found = m_pictures.find(key);
    if (found != m_pictures.end())
        return *found;
    QImage image;
    switch (sprite.picture) {
    case SpritePicture::Template: image = assets::Artwork(assets::Art::Template, scale); break;
    case SpritePicture::Tile: image = assets::TileImage(m_game.board.ThemeIndex, sprite.pictureNumber, scale); break;
    case SpritePicture::LinkPiece: image = assets::LinkPiece(sprite.pictureNumber, scale); break;
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
    if (m_drawnTheme == m_game.board.ThemeIndex && SameSprites(m_drawn, m_game.screen.Sprites))
        return;
    m_drawn = m_game.screen.Sprites;
    m_drawnTheme = m_game.board.ThemeIndex;
    m_drawnBounds = {};
    for (std::size_t n = 1; n < m_drawn.size(); ++n)
        if (m_drawn[n].visible)
            m_drawnBounds |= SpriteRect(m_drawn[n]);
    update();
    UpdateCursor(mapFromGlobal(QCursor::pos()));
}

int SpriteLayer::SpriteAt(QPoint point) const
{
    for (int n = static_cast<int>(m_game.screen.Sprites.size()) - 1; n >= 1; --n) {
        const TileSprite& sprite = m_game.screen.Sprites[static_cast<std::size_t>(n)];
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
    for (std::size_t n = 1; n < m_game.screen.Sprites.size(); ++n) {
        const TileSprite& sprite = m_game.screen.Sprites[n];
        if (!sprite.visible)
            continue;
        const QRect area = SpriteRect(sprite);
        if (area.intersects(dirty))
            painter.drawPixmap(area.topLeft(), Picture(sprite));
    }
}

void SpriteLayer::mousePressEvent(QMouseEvent* event)
{
    emit pressed();
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

void SpriteLayer::mouseMoveEvent(QMouseEvent* event) { UpdateCursor(event->position().toPoint()); }

void SpriteLayer::leaveEvent(QEvent*) { UpdateCursor(QPoint(-1000, -1000)); }

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
