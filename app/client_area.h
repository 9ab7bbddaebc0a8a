// The client area: the background picture, the header's shapes and the layer of tile sprites.
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <vector>

#include "board/game.h"

class QPainter;

namespace llk::app {

// Twips to logical pixels; positions of the border row are negative, so round towards minus infinity.
constexpr int ToPixels(int twips)
{
    return twips >= 0 ? twips / TwipsPerPixel : -((-twips + TwipsPerPixel - 1) / TwipsPerPixel);
}

// Where Cell `cell`'s sprite sits in the client area, in logical pixels: one cell pitch square.
inline QRect CellArea(const Game& g, int cell)
{
    const int row = (cell - 1) / g.board.ColCount + 1;
    const int col = (cell - 1) % g.board.ColCount + 1;
    return QRect(ToPixels((col - 1) * g.screen.CellWidth + g.screen.SpriteOriginX),
                 ToPixels((row - 1) * g.screen.CellHeight + g.screen.SpriteOriginY),
                 qRound(g.screen.CellWidth / double(TwipsPerPixel)), qRound(g.screen.CellHeight / double(TwipsPerPixel)));
}

// The client area itself, drawing the background picture from its top-left corner, clipped.
class ClientArea final : public QWidget {
public:
    explicit ClientArea(QWidget* parent);
    void SetBackground(const QImage& picture);
    const QImage& Background() const { return m_background; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_background;
};

// A rectangle or rounded rectangle of the header, or a marker's outline. Mouse presses pass through.
class ShapeControl final : public QWidget {
public:
    struct Look {
        QColor fill;    // invalid: transparent
        QColor outline; // invalid: none
        int outlinePixels = 1;
        bool rounded = false;
    };
    ShapeControl(const QString& name, const Look& look, QWidget* parent);

    // Columns at each end of a rounded shape that differ from the straight ones between them.
    int RoundedEndPixels() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF Area(int width) const; // the shape's rectangle at `width`
    void Draw(QPainter& painter, const QRectF& area) const;

    Look m_look;
    QImage m_picture; // a rounded shape as drawn at m_pictureSize, the widest it has been
    QSize m_pictureSize;
};

// The Image1 picture array: every visible TileSprite drawn unscaled at its Cell's top-left, later
// Cells above earlier ones. Covers the whole client area above the header and below the markers.
class SpriteLayer final : public QWidget {
    Q_OBJECT

public:
    SpriteLayer(const Game& game, QWidget* parent);

    // Repaints when the sprites differ from the ones drawn last.
    void Refresh();
    // The topmost visible sprite under `point`, 0 for none.
    int SpriteAt(QPoint point) const;

signals:
    void spritePressed(int cell);
    void pressed();           // any mouse press on the board
    void keyPressed(int key); // an arrow key, Return or Enter

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const QPixmap& Picture(const TileSprite& sprite) const;
    QRect SpriteRect(const TileSprite& sprite) const;
    int PictureScale() const;
    void UpdateCursor(QPoint point);

    const Game& m_game;
    std::vector<TileSprite> m_drawn;
    QRect m_drawnBounds; // of the visible sprites, so a repaint of the header can skip them
    int m_drawnTheme = -1;
    mutable QHash<quint32, QPixmap> m_pictures; // by kind, number and scale; tiles of one Theme only
    mutable int m_picturesTheme = -1;
    int m_lastPressed = 0;
    bool m_handCursor = false;
    QCursor m_hand;
};

} // namespace llk::app
