// Subjects of Themes 0-14 that are drawn by code rather than taken from an emoji font.
#pragma once

#include "assets/tiles/theme_art.h"

#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QRectF>

namespace llk::assets {

void GamePieceSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);    // 1
void CrystalSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);      // 5
void FolderSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);       // 6
void ButtonSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);       // 7
void MahjongSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);      // 9
void FestivalSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);     // 11
void NumberSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale);       // 12
void ModernFolderSubject(QPainter& painter, const QRectF& area, int theme, int kind, int scale); // 13

// Counts each character of `text` that the font `family` lacks, as DrawEmoji does for emoji: Qt
// would otherwise borrow it from whatever font a machine happens to have.
inline void RequireGlyphs(const QString& family, const QString& text)
{
    static QHash<QString, QRawFont> fonts;
    auto font = fonts.find(family);
    if (font == fonts.end())
        font = fonts.insert(family, QRawFont::fromFont(QFont(family)));
    for (char32_t codePoint : text.toUcs4()) {
        if (codePoint != ' ' && !font->supportsCharacter(codePoint)) {
            std::fprintf(stderr, "%s has no glyph for U+%04X\n", qPrintable(family), unsigned(codePoint));
            ++MissingEmojiCount();
        }
    }
}

} // namespace llk::assets
