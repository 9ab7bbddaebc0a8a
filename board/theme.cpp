#include "board/theme.h"

#include <array>
#include <cassert>

namespace llk {
namespace {

struct ThemeData {
    int firstBitmapId;
    int pictureCount;
    PixelSize tile;
};

// Themes 4 and 28 are each followed by one bitmap that no Theme shows, hence the gaps at 345 and 1184.
constexpr std::array<ThemeData, ThemeCount> Themes{{
    {101, 70, {40, 40}},  {171, 39, {31, 34}},  {210, 43, {38, 48}},  {253, 54, {50, 50}},  {307, 38, {50, 50}},
    {346, 63, {50, 50}},  {409, 48, {50, 50}},  {457, 97, {50, 50}},  {554, 40, {50, 50}},  {594, 42, {41, 49}},
    {636, 20, {32, 36}},  {656, 71, {36, 44}},  {727, 30, {36, 44}},  {757, 31, {48, 48}},  {788, 21, {52, 52}},
    {809, 24, {52, 50}},  {833, 36, {42, 46}},  {869, 21, {49, 59}},  {890, 21, {55, 55}},  {911, 21, {50, 60}},
    {932, 30, {48, 44}},  {962, 28, {45, 50}},  {990, 36, {36, 50}},  {1026, 21, {55, 55}}, {1047, 21, {48, 55}},
    {1068, 36, {39, 39}}, {1104, 22, {50, 50}}, {1126, 36, {38, 38}}, {1162, 22, {56, 58}}, {1185, 24, {56, 50}},
}};

const ThemeData& Theme(int theme)
{
    assert(IsTheme(theme));
    return Themes[static_cast<std::size_t>(theme)];
}

} // namespace

int FirstBitmapId(int theme) { return Theme(theme).firstBitmapId; }
int PictureCount(int theme) { return Theme(theme).pictureCount; }
PixelSize TilePixelSize(int theme) { return Theme(theme).tile; }

} // namespace llk
