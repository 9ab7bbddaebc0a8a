// What the window draws of a game: the TileSprites, the two markers, the pause picture and the
// cell geometry they are placed by, all in twips.
#pragma once

#include <cstdint>
#include <vector>

namespace llk {

constexpr int TwipsPerPixel = 15;       // at 96 dpi
constexpr int ClientWidthTwips = 14910; // 994 pixels
constexpr int ClientHeightTwips = 9840; // 656 pixels
constexpr int MarkerParkedTop = 20000;  // markers wait below the window until first placed
constexpr int MarkerDesignSize = 615;
constexpr int PausePictureTwips = 1920; // 128 pixels
constexpr int SpriteOrigin = -15;       // row 1 and column 1 start one pixel outside the client area

// What a TileSprite shows: the design-time template, a tile bitmap, or a LinkPiece.
enum class SpritePicture : std::uint8_t { Template, Tile, LinkPiece };

// One member of the Image1 picture array; member n shows Cell n.
struct TileSprite {
    bool visible = false;
    SpritePicture picture = SpritePicture::Template;
    int pictureNumber = 0; // bitmap number for Tile, Image2 member 1-6 for LinkPiece
    int left = 0;          // twips, relative to the client area
    int top = 0;
};

// Shape1 / Shape2: the blue outline of the selection and of a hint.
struct Marker {
    int left = 0;
    int top = MarkerParkedTop;
    int width = MarkerDesignSize;
    int height = MarkerDesignSize;
    bool visible = false;
    bool hiddenByPause = false; // shown again when the pause ends
};

struct Screen {
    int TwipsPerPixelX = TwipsPerPixel;
    int TwipsPerPixelY = TwipsPerPixel;
    std::vector<TileSprite> Sprites; // Image1; member 0 is the template
    int CellWidth = 0;
    int CellHeight = 0;
    int SpriteOriginX = SpriteOrigin;
    int SpriteOriginY = SpriteOrigin;
    Marker Shape1;
    Marker Shape2;
    bool PausePictureVisible = false;
    int PausePictureLeft = 6960;
    int PausePictureTop = 4200;
};

} // namespace llk
