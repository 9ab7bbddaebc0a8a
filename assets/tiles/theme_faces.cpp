// The tile body's colours of each Theme: pale faces that every picture shows on, each Theme with
// an edge colour of its own.
#include "assets/tiles/theme_art.h"

#include "board/theme.h"

#include <array>

namespace llk::assets {

namespace {

// Face top, face bottom, side, outline.
constexpr std::array<std::array<QRgb, 4>, 30> FaceColours{{
    {0xfffcf3, 0xf1e8d6, 0xc9a77a, 0x7a5a36}, // 0 pets: warm ivory, caramel edge
    {0xfdfbff, 0xe9e4f4, 0x8a78c8, 0x433878}, // 1 game pieces: violet edge
    {0xfffdf6, 0xeef0e4, 0x7fae8c, 0x3f6650}, // 2 kitchen: sage edge
    {0xfffbf0, 0xfbe9d0, 0xef9a6a, 0x9a4f2a}, // 3 children and toys: peach edge
    {0xfdfdfb, 0xe8ebee, 0x8d9aab, 0x465364}, // 4 signs: slate edge
    {0xf9fbff, 0xe3e9f4, 0x6d8fc7, 0x2f4a7a}, // 5 crystals: steel blue edge
    {0xfffdf5, 0xf1ebd9, 0xd4ad5c, 0x7d6125}, // 6 folders: gold edge
    {0xfbfbfb, 0xe6e6e6, 0x8f8f97, 0x4a4a52}, // 7 round buttons: silver edge
    {0xfffaf7, 0xf4e6e2, 0xc98a9a, 0x7a4552}, // 8 clothes: rose edge
    {0xfdfdf8, 0xeeeee4, 0x4f9a7c, 0x2c5e4a}, // 9 mahjong: jade edge
    {0xfbf8ff, 0xe8e0f6, 0x7b5aa6, 0x3c2a5e}, // 10 magic: deep purple edge
    {0xfffaf0, 0xf6e6c8, 0xc4463a, 0x7a2218}, // 11 dragon and festival: lacquer red edge
    {0xfffdf8, 0xf2ece0, 0x4fa3c9, 0x235b75}, // 12 numerals: sky edge
    {0xfbfcf8, 0xe7ecdf, 0x8aa35a, 0x4b5e28}, // 13 folders, second style: olive edge
    {0xfffbf6, 0xf8e8ee, 0xd65d9e, 0x7e2a58}, // 14 cartoon characters: magenta edge
    {0xfff8f0, 0xf2e2d2, 0xb8456e, 0x6e2140}, // 15 film stars: plum edge
    {0xfafcff, 0xe6ecf3, 0x5a7896, 0x2c3e52}, // 16 computers: slate blue edge
    {0xfffbea, 0xf4e7c0, 0xdc8f2e, 0x7e4d0e}, // 17 cartoon theatre: amber edge
    {0xf8f8f6, 0xe6e4e0, 0xa8262e, 0x4e1014}, // 18 fighting heroes: crimson edge
    {0xf7fff4, 0xdcefd8, 0x3f8f42, 0x1d5320}, // 19 ball games: grass edge
    {0xf8f6ff, 0xe4dff2, 0x5b40a0, 0x281a58}, // 20 street fighters: indigo edge
    {0xfff7f9, 0xf6dde4, 0xe07c9a, 0x8c3656}, // 21 cute animals: pink edge
    {0xffffff, 0xeaf0f8, 0x49a0e2, 0x1d5a8e}, // 22 happy numbers: blue edge
    {0xfaf4e6, 0xeadcc0, 0x6e4a2a, 0x36220f}, // 23 wuxia heroes: walnut edge
    {0xfaf3e2, 0xecdcb8, 0x8a5a2a, 0x482c10}, // 24 board-game players: teak edge
    {0xfbfff0, 0xe4efc4, 0x86a23a, 0x465a12}, // 25 pocket creatures: moss edge
    {0xf2faff, 0xd9ebf7, 0x2f6ed0, 0x15346e}, // 26 game stars: royal blue edge
    {0xfffcf6, 0xf5ebdc, 0x7c4a2c, 0x40231a}, // 27 desserts: chocolate edge
    {0xfffdf4, 0xf0ead6, 0x5b9e4d, 0x2c5a22}, // 28 fruit: leaf edge
    {0xf4f5ff, 0xdfe2f6, 0x3d418e, 0x1b1d50}, // 29 star legends: night blue edge
}};

// Inks far enough apart in hue that two silhouettes side by side never share one.
constexpr std::array<QRgb, 9> Inks{0x1f3a93, 0xa01c2c, 0x1b6e3a, 0x6a1b8e, 0x8a4a12,
                                   0x0f6a78, 0x2b2b33, 0xa0226a, 0x4a5a12};

} // namespace

TileFace ThemeFace(int theme)
{
    if (!IsTheme(theme))
        return {};
    const auto& c = FaceColours[theme];
    return {QColor(c[0]), QColor(c[1]), QColor(c[2]), QColor(c[3])};
}

QColor SilhouetteInk(int kind) { return QColor(Inks[size_t(kind > 0 ? kind - 1 : 0) % Inks.size()]); }

} // namespace llk::assets
