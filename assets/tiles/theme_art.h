// How a Theme's tiles are drawn: the colours of its tile body and the subject of each TileKind.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QRectF>
#include <QString>

#include <cstdio>

namespace llk::assets {

// The body every tile of a Theme shares: a face with a soft gradient and a highlight on its
// upper half, a coloured side at the bottom and right that gives the tile its thickness, and a
// rounded outline.
struct TileFace {
    QColor faceTop;
    QColor faceBottom;
    QColor side;
    QColor outline;
};

// Draws the subject of TileKind `kind` (1 to the Theme's picture count) centred in `area`, the
// face of the tile less its margins, in device pixels of the target picture; `scale` is 1 or 2.
using SubjectPainter = void (*)(QPainter& painter, const QRectF& area, int theme, int kind, int scale);

struct ThemeArt {
    TileFace face;
    SubjectPainter subject = nullptr;
};

// Themes 0-14 and 15-29 are drawn in two source files; both answer for their own range only.
ThemeArt ThemeArtLow(int theme);  // 0-14
ThemeArt ThemeArtHigh(int theme); // 15-29

inline ThemeArt ThemeArtFor(int theme) { return theme < 15 ? ThemeArtLow(theme) : ThemeArtHigh(theme); }

// How many characters asked of DrawEmoji or RequireGlyphs their font lacked; the generator refuses
// to finish with any, so no grey box or glyph borrowed from another font reaches a tile.
inline int& MissingGlyphCount()
{
    static int count = 0;
    return count;
}

// Counts each character of `text` that the font `family` lacks; joiners, variation selectors and
// skin tones are not drawn on their own and are let through.
inline void RequireGlyphs(const QString& family, const QString& text)
{
    static QHash<QString, QRawFont> fonts;
    auto font = fonts.find(family);
    if (font == fonts.end())
        font = fonts.insert(family, QRawFont::fromFont(QFont(family)));
    for (char32_t codePoint : text.toUcs4()) {
        const bool modifier = codePoint == ' ' || codePoint == 0x200D || codePoint == 0xFE0F ||
                              (codePoint >= 0x1F3FB && codePoint <= 0x1F3FF);
        if (!modifier && !font->supportsCharacter(codePoint)) {
            std::fprintf(stderr, "%s has no glyph for U+%04X\n", qPrintable(family), unsigned(codePoint));
            ++MissingGlyphCount();
        }
    }
}

// One colour emoji from Noto Color Emoji, about `area`'s height, centred: sharp when drawn
// straight at the target size.
inline void DrawEmoji(QPainter& painter, const QRectF& area, const QString& emoji)
{
    RequireGlyphs(QStringLiteral("Noto Color Emoji"), emoji);
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(qMax(1, qRound(qMin(area.width(), area.height()))));
    painter.save();
    painter.setFont(font);
    // Qt draws no text, colour glyphs included, with an empty pen.
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignCenter, emoji);
    painter.restore();
}

} // namespace llk::assets
