// A layered landscape painter: a sky gradient, mist-footed mountain ridges from far to near and
// an optional still water surface that mirrors them: the ink-wash 山水 of the Background folder.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

#include <vector>

namespace llk::art {

struct SkyStop {
    double at; // 0 at the top of the picture, 1 at the bottom
    QColor colour;
};

struct Ridge {
    double baseline;   // mean height of the crest, as a fraction of the picture height from the top
    double amplitude;  // how far the crest rises and falls, as a fraction of the height
    double wavelength; // width of one hill, in pixels of the scale-1 picture
    int seed;
    QColor crest;     // colour just under the crest
    QColor foot;      // colour where the ridge meets the mist or the bottom
    double sharpness; // 0 rolling hills .. 1 sharp peaks
    double mist;      // 0..1: how strongly the foot of the ridge dissolves into the mist
};

struct LandscapeStyle {
    std::vector<SkyStop> sky;
    QImage skyPicture;         // when set (at the target's device size), replaces the gradient
    std::vector<Ridge> ridges; // far to near
    QColor mist;
    double mistDepth = 0.12; // height of the mist band under each crest, fraction of the height
    double waterLine = 2.0;  // fraction of the height; > 1 for no water
    QColor water;            // tint of the water surface
    double texture = 0.05;   // strength of the painterly grain on the ridges
};

// Height of the ridge's crest above column `x`, in the units of `height` (the picture's height).
double CrestHeight(const Ridge& ridge, double x, double height);

QColor SkyColour(const std::vector<SkyStop>& sky, double at);

// The gradient of `sky` alone at `size` (scale-1 pixels), drawn at `scale`.
QImage PaintSky(const std::vector<SkyStop>& sky, QSize size, int scale);

// The landscape at `size` (scale-1 pixels) drawn at `scale` times that many device pixels.
QImage PaintLandscape(const LandscapeStyle& style, QSize size, int scale);

} // namespace llk::art
