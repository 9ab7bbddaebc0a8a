// The drawn pictures' names and the glyph helpers their drawing shares.
#include "assets/tiles/drawn.h"

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QTransform>

#include <cstdio>

namespace llk::assets {

namespace {

int& Missing()
{
    static int count = 0;
    return count;
}

void RequireGlyphs(const QFont& font, const QString& text)
{
    static QHash<QString, QRawFont> fonts;
    auto raw = fonts.find(font.family());
    if (raw == fonts.end())
        raw = fonts.insert(font.family(), QRawFont::fromFont(font));
    for (char32_t codePoint : text.toUcs4()) {
        if (!raw->supportsCharacter(codePoint)) {
            std::fprintf(stderr, "%s has no glyph for U+%04X\n", qPrintable(font.family()), unsigned(codePoint));
            ++Missing();
        }
    }
}

} // namespace

int MissingGlyphCount() { return Missing(); }

QStringList DrawnPictureNames(int theme)
{
    if (theme == 9)
        return MahjongNames();
    if (theme == 12 || theme == 22)
        return NumeralNames(theme);
    return {};
}

bool IsDrawnPicture(int theme, const QString& picture) { return DrawnPictureNames(theme).contains(picture); }

void DrawPicture(QPainter& painter, const QRectF& face, int theme, const QString& picture, int scale)
{
    painter.save();
    if (theme == 9)
        DrawMahjong(painter, face, picture, scale);
    else
        DrawNumeral(painter, face, theme, picture, scale);
    painter.restore();
}

QPainterPath CentredGlyphs(const QString& text, const QString& family, int weight, qreal pixelSize)
{
    QFont font(family);
    font.setWeight(QFont::Weight(weight));
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    RequireGlyphs(font, text);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.translated(-path.boundingRect().center());
}

QPainterPath FitInto(const QPainterPath& path, const QRectF& box)
{
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return path;
    const qreal factor = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(factor, factor);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

} // namespace llk::assets
