// The thirty tile Themes: where their pictures start, how many there are, and their tile size.
#pragma once

namespace llk {

constexpr int ThemeCount = 30;

// A tile picture's size in pixels; it is also the pitch of the board's grid.
struct PixelSize {
    int width = 0;
    int height = 0;
};

inline bool IsTheme(int theme) { return theme >= 0 && theme < ThemeCount; }

// The bitmap number of TileKind 1; kind k shows bitmap FirstBitmapId + k - 1.
int FirstBitmapId(int theme);
// How many tile pictures the Theme has; kinds above it are folded before they reach the Board.
int PictureCount(int theme);
// The Theme's tile size in pixels at 96 dpi.
PixelSize TilePixelSize(int theme);

} // namespace llk
