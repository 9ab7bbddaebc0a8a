// Painters of the pictures of the Background folder: calm, mid-contrast scenes and patterns,
// each with a mood of its own, so that the menu offers real choices.
#include "backgrounds.h"

#include "landscape.h"
#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace llk::art {
namespace {

constexpr int Width = 1024;
constexpr int Height = 768;
constexpr QSize Size{Width, Height};

QImage GradientSky(const std::vector<SkyStop>& stops) { return PaintSky(stops, Size, 1); }

void Glow(QPainter& painter, QPointF centre, double radius, const QColor& colour)
{
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0.0, colour);
    QColor clear = colour;
    clear.setAlpha(0);
    glow.setColorAt(1.0, clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius, radius);
}

// Ink-wash mountains on warm paper, a pale vermilion sun and their reflection in a lake.
QImage Landscape()
{
    QImage sky = GradientSky({{0.0, QColor(0xE4, 0xDE, 0xCD)}, {0.6, QColor(0xEF, 0xEA, 0xDC)}});
    {
        QPainter painter(&sky);
        painter.setRenderHint(QPainter::Antialiasing);
        Glow(painter, QPointF(760, 190), 90, QColor(0xE8, 0x9A, 0x7A, 90));
        painter.setBrush(QColor(0xD9, 0x76, 0x5C, 190));
        painter.drawEllipse(QPointF(760, 190), 34, 34);
    }
    LandscapeStyle style;
    style.skyPicture = sky;
    style.mist = QColor(0xEC, 0xE7, 0xD8);
    style.mistDepth = 0.14;
    style.ridges = {
        {0.36, 0.16, 260.0, 5, QColor(0xA9, 0xAE, 0xA8), QColor(0xC9, 0xCA, 0xC0), 0.8, 1.0},
        {0.50, 0.13, 200.0, 9, QColor(0x7F, 0x89, 0x84), QColor(0xB0, 0xB4, 0xAA), 0.7, 0.95},
        {0.63, 0.09, 150.0, 13, QColor(0x4E, 0x5A, 0x55), QColor(0x8A, 0x92, 0x8A), 0.5, 0.85},
    };
    style.waterLine = 0.76;
    style.water = QColor(0xD8, 0xD6, 0xC8);
    style.texture = 0.08;
    return PaintLandscape(style, Size, 1);
}

// Open sea under a high summer sky: long, gentle swells towards the horizon.
QImage Sea()
{
    QImage image = GradientSky({{0.0, QColor(0x5E, 0x9C, 0xD2)},
                                {0.40, QColor(0xBF, 0xDD, 0xF0)},
                                {0.41, QColor(0x3A, 0x8A, 0xA8)},
                                {1.0, QColor(0x1E, 0x63, 0x82)}});
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            if (y < Height * 0.40) {
                const double cloud = SmoothStep(0.5, 0.78, Fbm(x / 220.0, y / 60.0, 5, 81));
                line[x] = Mix(QColor(line[x]), QColor(0xFA, 0xFC, 0xFF), cloud * 0.8).rgb();
            } else {
                // Swells flatten and crowd together towards the horizon.
                const double distance = (y - Height * 0.40) / (Height * 0.60);
                const double swell = Fbm(x / (40.0 + 260.0 * distance), y / (2.0 + 16.0 * distance), 4, 83);
                const double light = (swell - 0.5) * (0.3 + 0.2 * distance);
                line[x] = QColor(line[x]).lighter(100 + static_cast<int>(light * 90)).rgb();
            }
        }
    }
    // Two hazy islands far out on the horizon.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double horizon = Height * 0.40 + 0.5;
    const struct {
        double from, to, height;
        int seed;
    } islands[] = {{90.0, 420.0, 34.0, 141}, {700.0, 860.0, 18.0, 143}};
    for (const auto& island : islands) {
        QPainterPath shape;
        shape.moveTo(island.from, horizon);
        for (double x = island.from; x <= island.to; x += 2.0) {
            const double along = (x - island.from) / (island.to - island.from);
            const double hump = std::sin(along * std::numbers::pi);
            shape.lineTo(x, horizon - island.height * hump * (0.6 + 0.4 * Fbm(x / 40.0, 0.5, 4, island.seed)));
        }
        shape.lineTo(island.to, horizon);
        shape.closeSubpath();
        painter.setBrush(QColor(0x86, 0xA9, 0xC0, 200));
        painter.drawPath(shape);
    }
    return image;
}

// A soft blur: the picture shrunk and grown back smoothly, twice.
QImage Soften(const QImage& image, int factor)
{
    QImage soft = image;
    for (int pass = 0; pass < 2; ++pass)
        soft = soft.scaled(image.size() / factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return soft;
}

// One slender leaf from `from`, pointing `angle` degrees clockwise from the positive x axis.
void Blade(QPainter& painter, QPointF from, double angle, double length, double width)
{
    painter.save();
    painter.translate(from);
    painter.rotate(angle);
    QPainterPath blade;
    blade.moveTo(0, 0);
    blade.cubicTo(length * 0.25, -width, length * 0.7, -width * 0.7, length, 0);
    blade.cubicTo(length * 0.7, width * 0.45, length * 0.25, width * 0.7, 0, 0);
    painter.drawPath(blade);
    painter.restore();
}

// A bamboo stalk from above the top to below the bottom, leaning by `lean` at the top, with nodes.
void Stalk(QPainter& painter, double x, double lean, double w, const QColor& colour, int seed)
{
    QLinearGradient shade(x - w / 2, 0, x + w / 2, 0);
    shade.setColorAt(0.0, colour.darker(125));
    shade.setColorAt(0.35, colour.lighter(122));
    shade.setColorAt(1.0, colour.darker(140));
    QPainterPath stalk;
    stalk.moveTo(x - w / 2 + lean, -10);
    stalk.lineTo(x + w / 2 + lean, -10);
    stalk.lineTo(x + w / 2, Height + 10);
    stalk.lineTo(x - w / 2, Height + 10);
    stalk.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(stalk);
    const double segment = 110.0 + 50.0 * Hash(seed, 4, 7);
    for (double y = Hash(seed, 5, 7) * segment; y < Height; y += segment) {
        const double cx = x + lean * (1.0 - y / Height);
        painter.setPen(QPen(colour.darker(160), std::max(1.0, w / 7.0)));
        painter.drawLine(QPointF(cx - w / 2, y), QPointF(cx + w / 2, y));
        painter.setPen(QPen(colour.lighter(135), std::max(1.0, w / 12.0)));
        painter.drawLine(QPointF(cx - w / 2, y + w / 5.0), QPointF(cx + w / 2, y + w / 5.0));
    }
}

// Deep in a bamboo grove: green light falling in from the upper left, a few stalks framing the
// sides and leaves hanging from above, the middle left open and hazy.
QImage Bamboo()
{
    QImage image = NewImage(Width, Height);
    const std::vector<SkyStop> depth = {
        {0.0, QColor(0x9C, 0xC2, 0x84)}, {0.55, QColor(0x6E, 0x9C, 0x5E)}, {1.0, QColor(0x46, 0x72, 0x42)}};
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            const double light = std::exp(-(std::pow(x - 240.0, 2) + std::pow(y - 60.0, 2)) / (2.0 * 420.0 * 420.0));
            const double haze = Fbm(x / 230.0, y / 170.0, 4, 201) - 0.5;
            // Shafts of light slanting down to the right, fading towards the ground.
            const double slant = (x * 0.8 - y * 0.55) / 64.0 + 2.5 * Fbm(x / 400.0, y / 400.0, 2, 203);
            const double shaft = std::pow(std::max(0.0, std::sin(slant)), 10.0) * (1.0 - y / double(Height)) * light;
            QColor colour = SkyColour(depth, y / double(Height));
            colour = Mix(colour, QColor(0xD4, 0xE6, 0xB0), 0.45 * light + 0.18 * haze);
            colour = Mix(colour, QColor(0xEE, 0xF6, 0xD0), 0.22 * shaft);
            line[x] = colour.rgb();
        }
    }
    // Far foliage out of focus along the top and down the sides, behind everything sharp.
    QImage far = NewImage(Width, Height);
    {
        QPainter leaves(&far);
        leaves.setRenderHint(QPainter::Antialiasing);
        leaves.setPen(Qt::NoPen);
        for (int i = 0; i < 70; ++i) {
            const double t = Hash(i, 1, 205);
            // Along the top edge, then down one side or the other.
            const QPointF twig =
                i % 3 == 0 ? QPointF(t * Width, 20.0 + 80.0 * Hash(i, 2, 205))
                           : QPointF(i % 3 == 1 ? 40.0 + 160.0 * Hash(i, 2, 205) : 984.0 - 160.0 * Hash(i, 2, 205),
                                     60.0 + 520.0 * t);
            leaves.setBrush(Mix(QColor(0x5E, 0x8C, 0x4E, 150), QColor(0x88, 0xB0, 0x6C, 150), Hash(i, 3, 205)));
            const int blades = 3 + static_cast<int>(Hash(i, 4, 205) * 3);
            const double side = Hash(i, 5, 205) < 0.5 ? -1.0 : 1.0;
            for (int b = 0; b < blades; ++b)
                Blade(leaves, twig, 90.0 - side * (10.0 + 60.0 * b / std::max(1, blades - 1)),
                      34.0 + 24.0 * Hash(i, 10 + b, 205), 5.0);
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(0, 0, Soften(far, 3));
    // Far stalks at the sides, pale in the haze, then near ones, dark and clear.
    const struct {
        double x, lean, width;
        QColor colour;
    } stalks[] = {
        {150.0, -14.0, 12.0, QColor(0x86, 0xAE, 0x70, 150)}, {205.0, 10.0, 9.0, QColor(0x8C, 0xB2, 0x76, 120)},
        {815.0, 12.0, 10.0, QColor(0x86, 0xAE, 0x70, 140)},  {870.0, -8.0, 13.0, QColor(0x80, 0xA8, 0x6A, 160)},
        {28.0, 18.0, 30.0, QColor(0x3F, 0x6B, 0x34)},        {92.0, -10.0, 22.0, QColor(0x4A, 0x78, 0x3C)},
        {930.0, -16.0, 26.0, QColor(0x45, 0x72, 0x38)},      {982.0, 8.0, 32.0, QColor(0x3A, 0x64, 0x30)},
    };
    int seed = 0;
    for (const auto& s : stalks)
        Stalk(painter, s.x, s.lean, s.width, s.colour, ++seed);
    // Leaves hanging in from the top corners and down the sides, on twigs of the near stalks.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 46; ++i) {
        const bool left = i % 2 == 0;
        const double along = Hash(i, 1, 211);
        const QPointF twig = left ? QPointF(20.0 + 360.0 * along * along, 30.0 + 90.0 * Hash(i, 2, 211))
                                  : QPointF(1000.0 - 380.0 * along * along, 30.0 + 90.0 * Hash(i, 2, 211));
        const double side = left ? 1.0 : -1.0;
        const int blades = 3 + static_cast<int>(Hash(i, 3, 211) * 3);
        const QColor green = Mix(QColor(0x2E, 0x58, 0x2A), QColor(0x5E, 0x8C, 0x46), Hash(i, 4, 211));
        painter.setBrush(green);
        for (int b = 0; b < blades; ++b) {
            const double length = 46.0 + 40.0 * Hash(i, 10 + b, 211);
            // Angle from straight down, fanning away from the stalk.
            const double fan = side * (10.0 + 60.0 * b / std::max(1, blades - 1));
            Blade(painter, twig, 90.0 - fan, length, 6.0 + 3.0 * Hash(i, 20 + b, 211));
        }
    }
    return image;
}

// A clear night over a lake shore: the stars drawn into arcs round the pole by a long exposure,
// and an old pine on a rock at the water's edge.
QImage StarTrails()
{
    QImage image = NewImage(Width, Height);
    const std::vector<SkyStop> night = {{0.0, QColor(0x0A, 0x10, 0x2C)},
                                        {0.55, QColor(0x1A, 0x28, 0x52)},
                                        {0.85, QColor(0x34, 0x3C, 0x6C)},
                                        {1.0, QColor(0x40, 0x44, 0x70)}};
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            const double veil = Fbm(x / 260.0, y / 200.0, 4, 221) - 0.5;
            line[x] = Mix(SkyColour(night, y / double(Height)), QColor(0x50, 0x5C, 0x90), 0.2 * veil + 0.05).rgb();
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF pole(770.0, 90.0);
    constexpr double Span = 22.0; // degrees of turn during the exposure
    for (int i = 0; i < 1500; ++i) {
        const double radius = 12.0 + std::pow(Hash(i, 1, 223), 0.8) * 1250.0;
        const double start = Hash(i, 2, 223) * 360.0;
        const double brightness = std::pow(Hash(i, 3, 223), 2.6);
        QColor colour = Mix(QColor(0xA8, 0xC0, 0xFF), QColor(0xFF, 0xE2, 0xB8), Hash(i, 4, 223));
        colour.setAlpha(40 + static_cast<int>(brightness * 170));
        painter.setPen(QPen(colour, 0.5 + brightness * 1.3, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(pole.x() - radius, pole.y() - radius, radius * 2, radius * 2),
                        static_cast<int>(start * 16), static_cast<int>(Span * 16));
    }
    painter.setPen(Qt::NoPen);
    Glow(painter, pole, 10.0, QColor(0xE8, 0xEE, 0xFF, 140));
    painter.setBrush(QColor(0xF4, 0xF6, 0xFF));
    painter.drawEllipse(pole, 1.6, 1.6);

    // The shore and the rock, then the pine: a bent trunk with flat, wind-swept layers of needles.
    const QColor ink(0x08, 0x0C, 0x20);
    QPainterPath shore;
    shore.moveTo(0, Height);
    for (int x = 0; x <= Width; x += 4)
        shore.lineTo(x, 636.0 + 6.0 * std::sin(x / 90.0) + 4.0 * std::sin(x / 37.0 + 1.0) -
                            60.0 * SmoothStep(760.0, 900.0, x));
    shore.lineTo(Width, Height);
    shore.closeSubpath();
    painter.setBrush(ink);
    painter.drawPath(shore);
    QPainterPath trunk;
    trunk.moveTo(905, 600);
    trunk.cubicTo(896, 560, 934, 530, 914, 490);
    trunk.cubicTo(902, 462, 874, 450, 840, 436);
    painter.strokePath(trunk, QPen(ink, 12.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath bough;
    bough.moveTo(914, 496);
    bough.quadTo(935, 500, 952, 508);
    bough.moveTo(906, 520);
    bough.quadTo(890, 522, 872, 522);
    bough.moveTo(880, 452);
    bough.quadTo(890, 466, 896, 474);
    painter.strokePath(bough, QPen(ink, 5.0, Qt::SolidLine, Qt::RoundCap));
    // Layers of needles: each a flat cloud of overlapping lobes, spreading away from the wind.
    const struct {
        double x, y, w, h;
    } layers[] = {{836, 430, 150, 24}, {770, 452, 70, 16}, {896, 474, 110, 20}, {952, 508, 78, 16}, {872, 522, 50, 12}};
    for (const auto& layer : layers) {
        QPainterPath cloud;
        cloud.setFillRule(Qt::WindingFill);
        for (int lobe = 0; lobe < 5; ++lobe) {
            const double along = (lobe - 2) / 2.0;
            cloud.addEllipse(QPointF(layer.x + along * layer.w * 0.36, layer.y - (1.0 - along * along) * layer.h * 0.35),
                             layer.w * 0.24, layer.h * 0.5);
        }
        painter.drawPath(cloud);
    }
    return image;
}

// Evening glow over a wide river: streaks of cloud lit rose and gold from below, the sun going
// down on the far shore, its path glittering on the water, birds flying home and reeds in front.
QImage Sunset()
{
    QImage image = NewImage(Width, Height);
    constexpr double Horizon = 540.0;
    const QPointF sun(300.0, Horizon);
    const std::vector<SkyStop> sky = {{0.0, QColor(0x2C, 0x28, 0x58)},
                                      {0.45, QColor(0x74, 0x46, 0x7A)},
                                      {0.78, QColor(0xBC, 0x64, 0x6C)},
                                      {1.0, QColor(0xE4, 0x94, 0x6C)}};
    auto skyAt = [&](double x, double y) {
        const double t = y / Horizon;
        QColor colour = SkyColour(sky, t);
        const double streak = SmoothStep(0.5, 0.74, Fbm(x / 420.0 + y / 800.0, y / 15.0, 5, 231));
        const double band = SmoothStep(0.08, 0.3, t) * (1.0 - SmoothStep(0.75, 0.95, t));
        const QColor cloud = Mix(QColor(0x4A, 0x30, 0x62), QColor(0xF2, 0xAC, 0x84), std::pow(t, 1.3));
        colour = Mix(colour, cloud, streak * band * 0.8);
        const double d = std::hypot(x - sun.x(), (y - sun.y()) * 1.6);
        return Mix(colour, QColor(0xFF, 0xD0, 0x98), 0.55 * std::exp(-d * d / (2.0 * 150.0 * 150.0)));
    };
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            QColor colour;
            if (y < Horizon) {
                colour = skyAt(x, y);
            } else {
                const double below = y - Horizon;
                const double ripple = (Fbm(x / 80.0, y / 2.0, 3, 233) - 0.5) * (3.0 + below * 0.2);
                colour = Mix(skyAt(x + ripple, std::max(0.0, Horizon - below * 1.4 - 2.0)), QColor(0x32, 0x26, 0x52), 0.45);
                // The sun's path: short flashes on the ripples, widening towards the near shore.
                const double across = std::abs(x - sun.x()) / (18.0 + below * 0.9);
                const double flash = SmoothStep(0.62, 0.8, Fbm(x / 9.0, y / 1.3, 2, 235)) * std::exp(-across * across);
                colour = Mix(colour, QColor(0xFF, 0xD8, 0xA0), 0.8 * flash);
            }
            line[x] = colour.rgb();
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // The far shore, a low dark line with a few trees, and the half-set sun above it.
    painter.setBrush(QColor(0xFF, 0xE4, 0xB8));
    painter.drawEllipse(sun + QPointF(0.0, 4.0), 30.0, 30.0);
    const QColor dusk(0x2A, 0x1E, 0x40);
    QPainterPath shore;
    shore.moveTo(0, Horizon + 3);
    for (int x = 0; x <= Width; x += 3) {
        const double trees =
            9.0 * SmoothStep(0.55, 0.9, Fbm(x / 14.0, 0.5, 3, 237)) * (0.4 + 0.6 * Fbm(x / 120.0, 2.5, 2, 239));
        shore.lineTo(x, Horizon - 2.0 - trees);
    }
    shore.lineTo(Width, Horizon + 3);
    shore.closeSubpath();
    painter.setBrush(dusk);
    painter.drawPath(shore);
    // Birds flying home: small open wings.
    painter.setPen(QPen(QColor(0x24, 0x18, 0x34), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 9; ++i) {
        const QPointF at(640.0 + 200.0 * Hash(i, 1, 241) + i * 8.0, 120.0 + 90.0 * Hash(i, 2, 241));
        const double span = 5.0 + 5.0 * Hash(i, 3, 241);
        QPainterPath wings;
        wings.moveTo(at + QPointF(-span, -span * 0.35));
        wings.quadTo(at + QPointF(-span * 0.4, -span * 0.5), at);
        wings.quadTo(at + QPointF(span * 0.4, -span * 0.5), at + QPointF(span, -span * 0.35));
        painter.drawPath(wings);
    }
    // Reeds at the near bank, left and right, bending a little with seed heads.
    for (int i = 0; i < 40; ++i) {
        const bool left = i < 14;
        const double x = left ? 8.0 + 90.0 * Hash(i, 1, 243) : 860.0 + 160.0 * Hash(i, 1, 243);
        const double top = 520.0 + 100.0 * Hash(i, 2, 243);
        const double bend = (Hash(i, 3, 243) - 0.3) * 30.0;
        QPainterPath reed;
        reed.moveTo(x, Height);
        reed.quadTo(x, (top + Height) / 2, x + bend, top);
        painter.setPen(QPen(QColor(0x1E, 0x14, 0x2C), 1.6 + Hash(i, 4, 243)));
        painter.drawPath(reed);
        if (Hash(i, 5, 243) < 0.5) {
            painter.save();
            painter.translate(x + bend, top);
            painter.rotate(bend * 0.8);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x30, 0x20, 0x38));
            painter.drawEllipse(QRectF(-2.5, -16.0, 5.0, 18.0));
            painter.restore();
        }
    }
    return image;
}

// Height of a soft snow drift above column `x`: a few long swells, no sharp peaks.
double DriftTop(double x, double base, int seed)
{
    return base + 14.0 * std::sin(x / 170.0 + seed) + 8.0 * std::sin(x / 71.0 + seed * 2.3) +
           4.0 * std::sin(x / 29.0 + seed * 0.7);
}

// A snowfield at dusk: rose light along the horizon, drifts in blue shade with a few glints, a
// cabin with a lit window far off, birches at the sides and snow falling.
QImage SnowField()
{
    QImage image = NewImage(Width, Height);
    const std::vector<SkyStop> sky = {{0.0, QColor(0x26, 0x32, 0x5E)},
                                      {0.55, QColor(0x58, 0x66, 0x9C)},
                                      {0.85, QColor(0xA8, 0x90, 0xB0)},
                                      {1.0, QColor(0xCC, 0x9E, 0xA4)}};
    const struct {
        double base;
        QColor crest, foot;
    } drifts[] = {
        {330.0, QColor(0xB8, 0xA8, 0xC8), QColor(0x80, 0x88, 0xB4)},
        {430.0, QColor(0xA8, 0xA6, 0xCC), QColor(0x6E, 0x7C, 0xB0)},
        {560.0, QColor(0x9C, 0xA2, 0xCC), QColor(0x60, 0x70, 0xA8)},
    };
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            QColor colour = SkyColour(sky, y / drifts[0].base);
            for (int d = 0; d < 3; ++d) {
                const double top = DriftTop(x, drifts[d].base, d * 5 + 3);
                const double coverage = Clamp01(y - top + 0.5);
                if (coverage <= 0.0)
                    continue;
                const double into = y - top;
                QColor snow = Mix(drifts[d].crest, drifts[d].foot, SmoothStep(0.0, 110.0, into));
                snow = snow.lighter(100 + static_cast<int>((Fbm(x / 40.0, y / 12.0, 3, 251 + d) - 0.5) * 8));
                // A thin lit rim along the crest, where the low sun still reaches.
                snow = Mix(snow, QColor(0xE6, 0xC8, 0xD0), 0.5 * (1.0 - SmoothStep(0.0, 3.0, into)));
                colour = Mix(colour, snow, coverage);
            }
            if (y > drifts[1].base && Hash(x, y, 253) > 0.9994)
                colour = QColor(0xF4, 0xF4, 0xFF);
            line[x] = colour.rgb();
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // A grove of small firs on the far drift, hazy blue.
    for (int i = 0; i < 34; ++i) {
        const double x = (i < 20 ? 120.0 + 230.0 * Hash(i, 1, 255) : 560.0 + 150.0 * Hash(i, 1, 255));
        const double h = 14.0 + 22.0 * Hash(i, 2, 255);
        const double foot = DriftTop(x, drifts[0].base, 3) + 4.0;
        QPainterPath fir;
        fir.moveTo(x, foot - h);
        fir.lineTo(x + h * 0.22, foot);
        fir.lineTo(x - h * 0.22, foot);
        fir.closeSubpath();
        painter.setBrush(QColor(0x3C, 0x46, 0x76));
        painter.drawPath(fir);
    }
    // The cabin, its roof under snow and its window lit.
    const double cabinFoot = DriftTop(760.0, drifts[0].base, 3) + 3.0;
    painter.setBrush(QColor(0x32, 0x2C, 0x4A));
    painter.drawRect(QRectF(748.0, cabinFoot - 14.0, 26.0, 14.0));
    QPainterPath roof;
    roof.moveTo(744.0, cabinFoot - 13.0);
    roof.lineTo(761.0, cabinFoot - 25.0);
    roof.lineTo(778.0, cabinFoot - 13.0);
    roof.closeSubpath();
    painter.setBrush(QColor(0xD8, 0xD0, 0xE4));
    painter.drawPath(roof);
    Glow(painter, QPointF(756.0, cabinFoot - 8.0), 16.0, QColor(0xFF, 0xC0, 0x60, 120));
    painter.setBrush(QColor(0xFF, 0xD0, 0x78));
    painter.drawRect(QRectF(753.0, cabinFoot - 11.0, 6.0, 5.0));

    // Birches at the sides: pale bark in blue shade, with dark marks.
    const struct {
        double x, w, lean;
    } birches[] = {{34.0, 17.0, 6.0}, {84.0, 11.0, -4.0}, {930.0, 13.0, 5.0}, {975.0, 19.0, -7.0}};
    int seed = 0;
    for (const auto& b : birches) {
        ++seed;
        QLinearGradient bark(b.x - b.w / 2, 0, b.x + b.w / 2, 0);
        bark.setColorAt(0.0, QColor(0xB4, 0xB6, 0xD0));
        bark.setColorAt(0.4, QColor(0xD0, 0xD0, 0xE0));
        bark.setColorAt(1.0, QColor(0x78, 0x80, 0xA8));
        QPainterPath trunk;
        trunk.moveTo(b.x - b.w / 2 + b.lean, -10);
        trunk.lineTo(b.x + b.w / 2 + b.lean, -10);
        trunk.lineTo(b.x + b.w / 2, Height);
        trunk.lineTo(b.x - b.w / 2, Height);
        trunk.closeSubpath();
        painter.setBrush(bark);
        painter.drawPath(trunk);
        painter.setBrush(QColor(0x2A, 0x28, 0x3C));
        for (int m = 0; m < 26; ++m) {
            const double y = Hash(seed, m, 257) * Height;
            const double cx = b.x + b.lean * (1.0 - y / Height);
            const double from = (Hash(seed, m + 40, 257) - 0.5) * b.w;
            painter.drawRoundedRect(QRectF(cx + from - b.w * 0.25, y, b.w * (0.2 + 0.3 * Hash(seed, m + 80, 257)), 2.5),
                                    1.0, 1.0);
        }
    }
    // Falling snow, the nearer flakes larger and softer.
    for (int i = 0; i < 240; ++i) {
        const QPointF at(Hash(i, 1, 259) * Width, Hash(i, 2, 259) * Height);
        const double r = 0.8 + 2.2 * std::pow(Hash(i, 3, 259), 2.0);
        painter.setBrush(QColor(0xF0, 0xF2, 0xFF, 110 + static_cast<int>(60 * Hash(i, 4, 259))));
        painter.drawEllipse(at, r, r);
    }
    return image;
}

// A branch of plum from `from` heading `angle` degrees, forking as it thins, blossoms at its tips.
void PlumBranch(QPainter& painter, QPointF from, double angle, double length, double width, int depth, int seed,
                const QColor& wood, const QColor& blossom)
{
    QPointF at = from;
    double heading = angle;
    const int steps = 6;
    QPainterPath limb;
    limb.moveTo(at);
    for (int s = 0; s < steps; ++s) {
        heading += (Hash(seed, s, 261) - 0.5) * 40.0;
        const double rad = heading * std::numbers::pi / 180.0;
        at += QPointF(std::cos(rad), std::sin(rad)) * (length / steps);
        limb.lineTo(at);
        if (depth > 0 && s % 2 == 1)
            PlumBranch(painter, at, heading + (Hash(seed, s + 9, 261) < 0.5 ? -40.0 : 40.0), length * 0.5, width * 0.55,
                       depth - 1, seed * 7 + s, wood, blossom);
        if (depth == 0 || s == steps - 1) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(blossom);
            const double r = 4.0 + 3.0 * Hash(seed, s + 20, 261);
            for (int p = 0; p < 5; ++p) {
                const double petal = (p * 72.0 + 30.0 * Hash(seed, s, 263)) * std::numbers::pi / 180.0;
                painter.drawEllipse(at + QPointF(std::cos(petal), std::sin(petal)) * r * 0.7 + QPointF(6, -4) * (s % 3 - 1),
                                    r * 0.6, r * 0.6);
            }
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.strokePath(limb, QPen(wood, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A paper window in cool moonlight, the blurred shadow of a plum tree thrown on it, a red
// lacquer frame with a key-fret border round the edge, and a sprig of blossom in front.
QImage PaperWindow()
{
    QImage shadow(Width, Height, QImage::Format_Grayscale8);
    shadow.fill(0);
    {
        QPainter painter(&shadow);
        painter.setRenderHint(QPainter::Antialiasing);
        PlumBranch(painter, QPointF(1040, 60), 160.0, 520.0, 20.0, 2, 3, Qt::white, Qt::white);
        PlumBranch(painter, QPointF(-20, 700), -35.0, 460.0, 18.0, 2, 5, Qt::white, Qt::white);
    }
    shadow = Soften(shadow, 4);
    QImage image = NewImage(Width, Height);
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* cast = shadow.constScanLine(y);
        for (int x = 0; x < Width; ++x) {
            const double light = 1.0 - SmoothStep(0.0, 1.0, std::hypot((x - 520.0) / 720.0, (y - 330.0) / 520.0));
            const double fibre = Fbm(x / 5.0, y / 36.0, 2, 265) - 0.5;
            QColor paper = Mix(QColor(0x3A, 0x56, 0x5C), QColor(0x86, 0xA8, 0xA4), light);
            paper = paper.lighter(100 + static_cast<int>(fibre * 9));
            paper = Mix(paper, QColor(0x2C, 0x40, 0x4A), 0.45 * cast[x] / 255.0);
            line[x] = paper.rgb();
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The frame follows the part of the picture the window shows: below the header, inside 994 x 656.
    const QRectF shown(0.0, 41.0, 994.0, 615.0);
    constexpr double Band = 22.0;
    QPainterPath frame;
    frame.addRect(QRectF(-10, -10, Width + 20, Height + 20));
    frame.addRect(shown.adjusted(Band, Band, -Band, -Band));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5E, 0x16, 0x16));
    painter.drawPath(frame);
    const QColor gold(0xC0, 0x94, 0x50);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(gold, 1.5));
    painter.drawRect(shown.adjusted(Band - 3, Band - 3, -Band + 3, -Band + 3));
    painter.drawRect(shown.adjusted(3, 3, -3, -3));
    // The key fret: one hooked square every step along each side of the band.
    painter.setPen(QPen(QColor(0xA8, 0x70, 0x40), 1.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    auto fret = [&](QPointF c) {
        QPainterPath hook;
        hook.moveTo(c + QPointF(-5, 5));
        hook.lineTo(c + QPointF(-5, -5));
        hook.lineTo(c + QPointF(5, -5));
        hook.lineTo(c + QPointF(5, 5));
        hook.lineTo(c + QPointF(-1, 5));
        hook.lineTo(c + QPointF(-1, -1));
        hook.lineTo(c + QPointF(2, -1));
        painter.drawPath(hook);
    };
    constexpr double Step = 16.0;
    const double mid = Band / 2.0;
    for (double x = shown.left() + mid; x < shown.right() - mid + 1; x += Step) {
        fret(QPointF(x, shown.top() + mid));
        fret(QPointF(x, shown.bottom() - mid));
    }
    for (double y = shown.top() + mid + Step; y < shown.bottom() - mid - Step + 1; y += Step) {
        fret(QPointF(shown.left() + mid, y));
        fret(QPointF(shown.right() - mid, y));
    }
    // A real sprig in front of the paper in the upper right corner.
    painter.save();
    painter.setClipRect(shown.adjusted(Band, Band, -Band, -Band));
    PlumBranch(painter, QPointF(1000, 50), 150.0, 190.0, 6.0, 1, 11, QColor(0x3A, 0x22, 0x1C), QColor(0xF0, 0xB4, 0xBC));
    painter.restore();
    return image;
}

// Distance from (x, y) to the nearest crack of a crackle pattern of cells about `cell` wide.
double CrackDistance(double x, double y, double cell, int seed)
{
    const double fx = x / cell;
    const double fy = y / cell;
    const int cx = static_cast<int>(std::floor(fx));
    const int cy = static_cast<int>(std::floor(fy));
    double nearest = 9.0;
    double second = 9.0;
    for (int j = -1; j <= 1; ++j) {
        for (int i = -1; i <= 1; ++i) {
            const double sx = cx + i + Hash(cx + i, cy + j, seed);
            const double sy = cy + j + Hash(cx + i, cy + j, seed + 1);
            const double d = std::hypot(fx - sx, fy - sy);
            if (d < nearest) {
                second = nearest;
                nearest = d;
            } else if (d < second) {
                second = d;
            }
        }
    }
    return (second - nearest) * cell;
}

// Celadon glaze with its crackle: wandering cracks at two scales in a cool, quiet green.
QImage Celadon()
{
    QImage image = NewImage(Width, Height);
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            // Warping the plane bends the straight cell borders into wandering cracks.
            const double wx = x + 26.0 * (Fbm(x / 90.0, y / 90.0, 3, 131) - 0.5);
            const double wy = y + 26.0 * (Fbm(x / 90.0 + 7.0, y / 90.0, 3, 133) - 0.5);
            const double coarse = 1.0 - SmoothStep(0.4, 1.8, CrackDistance(wx, wy, 110.0, 111));
            const double fine = 1.0 - SmoothStep(0.2, 1.1, CrackDistance(wx * 1.1, wy * 1.1, 42.0, 115));
            const double glaze = Fbm(x / 300.0, y / 300.0, 4, 117);
            QColor colour = Mix(QColor(0x93, 0xB9, 0xA2), QColor(0xB8, 0xD3, 0xBE), glaze);
            colour = Mix(colour, QColor(0x6E, 0x8E, 0x7C), fine * 0.22);
            colour = Mix(colour, QColor(0x52, 0x74, 0x62), coarse * 0.5);
            line[x] = colour.rgb();
        }
    }
    return image;
}

// Deepens a picture by multiplying it with `glaze`, as a coloured glaze over a print would: the
// ivory tiles need a mid-to-deep tone behind them to stand out, and a
// multiply keeps every line and hue of the scene.
void Glaze(QImage& image, QColor glaze)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgb(qRed(p) * glaze.red() / 255, qGreen(p) * glaze.green() / 255, qBlue(p) * glaze.blue() / 255);
        }
    }
}

struct Painter {
    const char* name;
    QImage (*paint)();
    QColor glaze;
};

const Painter Painters[] = {
    {"山水", Landscape, QColor(175, 165, 150)},   {"竹林", Bamboo, QColor(185, 195, 175)},
    {"星空", StarTrails, QColor(255, 255, 255)},  {"晚霞", Sunset, QColor(240, 232, 240)},
    {"碧海", Sea, QColor(170, 170, 180)},         {"雪原", SnowField, QColor(180, 185, 210)},
    {"花窗", PaperWindow, QColor(235, 235, 235)}, {"青瓷", Celadon, QColor(160, 180, 168)},
};

} // namespace

QStringList BackgroundNames()
{
    QStringList names;
    for (const Painter& painter : Painters)
        names << QString::fromUtf8(painter.name);
    return names;
}

QImage PaintBackground(const QString& name)
{
    for (const Painter& painter : Painters) {
        if (name == QString::fromUtf8(painter.name)) {
            QImage image = painter.paint().convertToFormat(QImage::Format_RGB32);
            Glaze(image, painter.glaze);
            return image;
        }
    }
    return {};
}

} // namespace llk::art
