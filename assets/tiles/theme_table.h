// The thirty Themes' bitmap ranges and tile sizes, and where each picture sits in a Theme's atlas.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <array>

namespace llk::assets {

constexpr int ThemeCount = 30;

struct ThemeEntry {
    int firstBitmapId;
    int pictureCount;
    int width;
    int height;
};

constexpr std::array<ThemeEntry, ThemeCount> ThemeTable{{
    {101, 70, 40, 40},  {171, 39, 31, 34},  {210, 43, 38, 48},  {253, 54, 50, 50},
    {307, 38, 50, 50},  {346, 63, 50, 50},  {409, 48, 50, 50},  {457, 97, 50, 50},
    {554, 40, 50, 50},  {594, 42, 41, 49},  {636, 20, 32, 36},  {656, 71, 36, 44},
    {727, 30, 36, 44},  {757, 31, 48, 48},  {788, 21, 52, 52},  {809, 24, 52, 50},
    {833, 36, 42, 46},  {869, 21, 49, 59},  {890, 21, 55, 55},  {911, 21, 50, 60},
    {932, 30, 48, 44},  {962, 28, 45, 50},  {990, 36, 36, 50},  {1026, 21, 55, 55},
    {1047, 21, 48, 55}, {1068, 36, 39, 39}, {1104, 22, 50, 50}, {1126, 36, 38, 38},
    {1162, 22, 56, 58}, {1185, 24, 56, 50},
}};

constexpr bool IsTheme(int theme) { return theme >= 0 && theme < ThemeCount; }
constexpr int FirstBitmapId(int theme) { return ThemeTable[theme].firstBitmapId; }
constexpr int PictureCount(int theme) { return ThemeTable[theme].pictureCount; }
inline QSize ThemeTileSize(int theme) { return {ThemeTable[theme].width, ThemeTable[theme].height}; }

// A Theme's pictures at one scale are stored as one PNG, kinds laid out row by row.
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
