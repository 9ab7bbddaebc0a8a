// Emoji drawn as pictures of their own: cut out like stickers, or measured for their colour.
#pragma once

#include "assets/tiles/theme_art.h"

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QtMath>

#include <cmath>
#include <numbers>

namespace llk::assets {

// The emoji drawn alone, centred in a transparent picture of `size` pixels.
inline QImage EmojiPicture(const QString& emoji, QSize size)
{
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    // The font shapes every emoji without U+FE0F; Qt would hand the selector to another font.
    DrawEmoji(painter, QRectF(QPointF(0, 0), QSizeF(size)), QString(emoji).remove(QChar(0xfe0f)));
    return picture;
}

// The mean colour of the emoji's visible pixels.
inline QColor EmojiColour(const QString& emoji)
{
    const QImage picture = EmojiPicture(emoji, QSize(32, 32)).convertToFormat(QImage::Format_ARGB32);
    double red = 0, green = 0, blue = 0, weight = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            const double a = qAlpha(p) / 255.0;
            red += qRed(p) * a;
            green += qGreen(p) * a;
            blue += qBlue(p) * a;
            weight += a;
        }
    }
    if (weight <= 0)
        return Qt::gray;
    return QColor(qRound(red / weight), qRound(green / weight), qRound(blue / weight));
}

// The emoji in `box` with a border of `border` device pixels in `edge` following its outline, and a
// soft shadow below: it reads on any ground.
inline void DrawEmojiSticker(QPainter& painter, const QRectF& box, const QString& emoji, QColor edge, qreal border)
{
    // Whole pixels throughout, so the glyph stays as sharp as when drawn straight onto the tile.
    const QRect target(box.topLeft().toPoint(), box.size().toSize());
    const int pad = qCeil(border * 2) + 1;
    const QPoint origin = target.topLeft() - QPoint(pad, pad);
    QImage glyph(target.size() + QSize(2 * pad, 2 * pad), QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    {
        QPainter glyphPainter(&glyph);
        glyphPainter.drawImage(QPoint(pad, pad), EmojiPicture(emoji, target.size()));
    }
    auto tinted = [&](QColor colour) {
        QImage silhouette = glyph;
        QPainter tint(&silhouette);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(silhouette.rect(), colour);
        return silhouette;
    };
    const QImage shadow = tinted(QColor(30, 20, 10, 60));
    const QImage outline = tinted(edge);
    constexpr int Directions = 16;
    for (const auto& [image, offset] : {std::pair{&shadow, QPointF(0.4, 0.9) * border}, std::pair{&outline, QPointF()}}) {
        for (int i = 0; i < Directions; ++i) {
            const qreal angle = 2 * std::numbers::pi * i / Directions;
            painter.drawImage(QPointF(origin) + offset + QPointF(std::cos(angle), std::sin(angle)) * border, *image);
        }
    }
    painter.drawImage(origin, glyph);
}

} // namespace llk::assets
