// A layered landscape painter: sky, misty ridges and mirrored water, computed pixel by pixel.
#include "landscape.h"

#include "paint_kit.h"

namespace llk::art {

double CrestHeight(const Ridge& ridge, double x, double height)
{
    const double n = Fbm(x / ridge.wavelength, ridge.seed * 0.37, 6, ridge.seed);
    const double ridged = 1.0 - std::abs(2.0 * Fbm(x / ridge.wavelength * 0.7, 3.1, 5, ridge.seed + 7) - 1.0);
    const double shape = n + (ridged - n) * ridge.sharpness;
    return (ridge.baseline - ridge.amplitude * (shape - 0.5) * 2.0) * height;
}

QColor SkyColour(const std::vector<SkyStop>& sky, double at)
{
    if (at <= sky.front().at)
        return sky.front().colour;
    for (size_t i = 1; i < sky.size(); ++i)
        if (at <= sky[i].at)
            return Mix(sky[i - 1].colour, sky[i].colour, SmoothStep(sky[i - 1].at, sky[i].at, at));
    return sky.back().colour;
}

QImage PaintSky(const std::vector<SkyStop>& sky, QSize size, int scale)
{
    QImage image = NewImage(size.width() * scale, size.height() * scale);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb colour = SkyColour(sky, (y + 0.5) / image.height()).rgb();
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + image.width(), colour);
    }
    return image;
}

QImage PaintLandscape(const LandscapeStyle& style, QSize size, int scale)
{
    const int width = size.width() * scale;
    const int height = size.height() * scale;
    QImage image = NewImage(width, height);
    const double logicalHeight = size.height();
    const double waterY = style.waterLine * logicalHeight;

    // Crest heights per device column, computed once.
    std::vector<std::vector<double>> crests(style.ridges.size(), std::vector<double>(width));
    for (size_t r = 0; r < style.ridges.size(); ++r)
        for (int px = 0; px < width; ++px)
            crests[r][px] = CrestHeight(style.ridges[r], (px + 0.5) / scale, logicalHeight);

    // The land above the water: the colour at device pixel (px, y) with y in logical units.
    auto land = [&](int px, double y) {
        const double x = (px + 0.5) / scale;
        QColor colour = style.skyPicture.isNull()
                            ? SkyColour(style.sky, y / logicalHeight)
                            : QColor(style.skyPicture.pixel(px, std::clamp(static_cast<int>(y * scale), 0, height - 1)));
        for (size_t r = 0; r < style.ridges.size(); ++r) {
            const Ridge& ridge = style.ridges[r];
            const double crest = crests[r][px];
            const double coverage = Clamp01((y - crest) * scale + 0.5);
            if (coverage <= 0.0)
                continue;
            const double depth = Clamp01((y - crest) / std::max(1.0, logicalHeight - crest));
            QColor rock = Mix(ridge.crest, ridge.foot, depth);
            const double grain = Fbm(x / 31.0, y / 17.0, 3, ridge.seed + 99) - 0.5;
            rock = rock.lighter(100 + static_cast<int>(grain * style.texture * 200));
            // Mist lies in level banks in the valleys: it thickens below the ridge's mean height,
            // drifting a little from side to side, so high peaks stand clear above it.
            const double mean = ridge.baseline * logicalHeight;
            const double drift = 0.75 + 0.5 * Fbm(x / 280.0, y / 60.0, 3, ridge.seed + 5);
            const double bank = SmoothStep(mean - 0.03 * logicalHeight, mean + style.mistDepth * logicalHeight, y);
            rock = Mix(rock, style.mist, ridge.mist * Clamp01(bank * drift));
            colour = Mix(colour, rock, coverage);
        }
        return colour;
    };

    for (int py = 0; py < height; ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        const double y = (py + 0.5) / scale;
        for (int px = 0; px < width; ++px) {
            QColor colour;
            if (y < waterY) {
                colour = land(px, y);
            } else {
                // Still water: the land mirrored and faded, broken by long horizontal ripples,
                // with a pale band of mist along the shore.
                const double below = y - waterY;
                const double ripple = (Fbm(px / (90.0 * scale), y / 2.5, 3, 17) - 0.5) * (4.0 + below * 0.15);
                const int mirroredPx = std::clamp(px + static_cast<int>(ripple * scale), 0, width - 1);
                const double mirroredY = std::max(0.0, waterY - below * 1.02);
                const double glint = Fbm(px / (60.0 * scale), y / 1.6, 2, 23);
                colour = Mix(land(mirroredPx, mirroredY), style.water, 0.45 + 0.3 * Clamp01(below / 220.0));
                colour = Mix(colour, style.mist, 0.6 * (1.0 - SmoothStep(0.0, 0.035 * logicalHeight, below)));
                colour = colour.lighter(100 + static_cast<int>((glint - 0.5) * 10));
            }
            line[px] = colour.rgb();
        }
    }
    return image;
}

} // namespace llk::art
