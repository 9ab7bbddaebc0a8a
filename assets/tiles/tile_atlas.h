// Where each tile picture sits in its Theme's atlas, the PNG that holds a Theme at one scale.
#pragma once

#include "board/theme.h"

#include <QRect>
#include <QSize>
#include <QString>

namespace llk::assets {

inline QSize ThemeTileSize(int theme)
{
    const PixelSize tile = TilePixelSize(theme);
    return {tile.width, tile.height};
}

// Kinds are laid out row by row, ten to a row.
constexpr int AtlasColumns = 10;

inline QSize AtlasSize(int theme, int scale)
{
    const QSize tile = ThemeTileSize(theme) * scale;
    const int rows = (PictureCount(theme) + AtlasColumns - 1) / AtlasColumns;
    return {tile.width() * qMin(AtlasColumns, PictureCount(theme)), tile.height() * rows};
}

inline QRect AtlasCell(int theme, int kind, int scale)
{
    const QSize tile = ThemeTileSize(theme) * scale;
    const int slot = kind - 1;
    return {QPoint((slot % AtlasColumns) * tile.width(), (slot / AtlasColumns) * tile.height()), tile};
}

inline QString AtlasFileName(int theme, int scale)
{
    return QStringLiteral("theme-%1%2.png").arg(theme, 2, 10, QLatin1Char('0')).arg(scale == 2 ? "@2x" : "");
}

} // namespace llk::assets
