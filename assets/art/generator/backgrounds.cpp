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

QImage GradientSky(const std::vector<SkyStop>& stops)
{
    return PaintSky(stops, Size, 1);
}

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

// A bamboo grove in soft green light: far stalks pale in the haze, near ones clear.
QImage Bamboo()
{
    QImage image = GradientSky({{0.0, QColor(0xD9, 0xE8, 0xC4)}, {0.5, QColor(0xB9, 0xD2, 0x9E)}, {1.0, QColor(0x86, 0xA8, 0x6A)}});
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    struct Depth {
        int count;
        double width;
        QColor stalk;
        int seed;
    };
    const Depth depths[] = {
        {26, 9.0, QColor(0x9E, 0xBF, 0x86, 120), 3},
        {16, 15.0, QColor(0x7A, 0xA2, 0x5E, 170), 5},
        {9, 24.0, QColor(0x4F, 0x7D, 0x3C, 220), 7},
    };
    for (const Depth& depth : depths) {
        for (int i = 0; i < depth.count; ++i) {
            const double x = Hash(i, 1, depth.seed) * Width;
            const double lean = (Hash(i, 2, depth.seed) - 0.5) * 40.0;
            const double w = depth.width * (0.8 + 0.4 * Hash(i, 3, depth.seed));
            QLinearGradient shade(x - w / 2, 0, x + w / 2, 0);
            shade.setColorAt(0.0, depth.stalk.darker(115));
            shade.setColorAt(0.4, depth.stalk.lighter(118));
            shade.setColorAt(1.0, depth.stalk.darker(125));
            QPainterPath stalk;
            stalk.moveTo(x - w / 2 + lean, -10);
            stalk.lineTo(x + w / 2 + lean, -10);
            stalk.lineTo(x + w / 2, Height + 10);
            stalk.lineTo(x - w / 2, Height + 10);
            stalk.closeSubpath();
            painter.setPen(Qt::NoPen);
            painter.setBrush(shade);
            painter.drawPath(stalk);
            // Nodes: a light ring every segment.
            const double segment = 90.0 + 60.0 * Hash(i, 4, depth.seed);
            for (double y = Hash(i, 5, depth.seed) * segment; y < Height; y += segment) {
                const double cx = x + lean * (1.0 - y / Height);
                painter.setPen(QPen(depth.stalk.darker(140), std::max(1.0, w / 8.0)));
                painter.drawLine(QPointF(cx - w / 2, y), QPointF(cx + w / 2, y));
                painter.setPen(QPen(depth.stalk.lighter(130), std::max(1.0, w / 12.0)));
                painter.drawLine(QPointF(cx - w / 2, y + w / 6.0), QPointF(cx + w / 2, y + w / 6.0));
            }
            // Leaves: a twig from some of the nodes, with a drooping fan of slender blades at its end.
            for (int twig = 0; twig < 3; ++twig) {
                const double ty = (0.08 + 0.7 * Hash(i, 10 + twig, depth.seed)) * Height;
                const double side = Hash(i, 20 + twig, depth.seed) < 0.5 ? -1.0 : 1.0;
                const QPointF from(x + lean * (1.0 - ty / Height), ty);
                const QPointF to = from + QPointF(side * w * 1.8, -w * 1.1);
                painter.setPen(QPen(depth.stalk.darker(110), std::max(1.0, w / 9.0)));
                painter.drawLine(from, to);
                painter.setPen(Qt::NoPen);
                painter.setBrush(depth.stalk.darker(104));
                const int blades = 3 + static_cast<int>(Hash(i, 30 + twig, depth.seed) * 3);
                for (int b = 0; b < blades; ++b) {
                    const double length = w * (2.4 + 1.2 * Hash(i, 40 + twig * 8 + b, depth.seed));
                    // Angle from straight down, fanning out to the twig's side.
                    const double angle = side * (15.0 + 70.0 * b / std::max(1, blades - 1));
                    painter.save();
                    painter.translate(to);
                    painter.rotate(90.0 - angle);
                    QPainterPath blade;
                    blade.moveTo(0, 0);
                    blade.cubicTo(length * 0.3, -length * 0.11, length * 0.7, -length * 0.08, length, 0);
                    blade.cubicTo(length * 0.7, length * 0.06, length * 0.3, length * 0.1, 0, 0);
                    painter.drawPath(blade);
                    painter.restore();
                }
            }
        }
        // Haze between the layers.
        painter.fillRect(QRectF(0, 0, Width, Height), QColor(0xDD, 0xEB, 0xCC, 40));
    }
    return image;
}

// A clear night: a faint band of the Milky Way, many small stars and dark hills.
QImage StarrySky()
{
    QImage sky = GradientSky({{0.0, QColor(0x0C, 0x14, 0x30)}, {0.5, QColor(0x1D, 0x2C, 0x58)}, {0.75, QColor(0x3A, 0x48, 0x78)}});
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(sky.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            // The band runs diagonally; noise breaks it into clouds of light.
            const double across = (x * 0.55 - y + 180.0) / 170.0;
            const double band = std::exp(-across * across) * Fbm(x / 140.0, y / 140.0, 5, 41);
            QColor colour = Mix(QColor(line[x]), QColor(0xB8, 0xC4, 0xE8), band * 0.45);
            line[x] = colour.rgb();
        }
    }
    {
        QPainter painter(&sky);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 700; ++i) {
            const QPointF at(Hash(i, 1, 77) * Width, Hash(i, 2, 77) * Height * 0.75);
            const double brightness = std::pow(Hash(i, 3, 77), 3.0);
            const double radius = 0.5 + brightness * 1.4;
            if (brightness > 0.6)
                Glow(painter, at, radius * 4.0, QColor(0xD8, 0xE4, 0xFF, 60));
            painter.setBrush(QColor(255, 250, 235, 110 + static_cast<int>(brightness * 145)));
            painter.drawEllipse(at, radius, radius);
        }
        Glow(painter, QPointF(180, 140), 70, QColor(0xFF, 0xF4, 0xD8, 60));
        painter.setBrush(QColor(0xFB, 0xF3, 0xDC));
        painter.drawEllipse(QPointF(180, 140), 24, 24);
    }
    LandscapeStyle style;
    style.skyPicture = sky;
    style.mist = QColor(0x2A, 0x36, 0x60);
    style.mistDepth = 0.10;
    style.ridges = {
        {0.74, 0.07, 240.0, 51, QColor(0x1E, 0x28, 0x4A), QColor(0x26, 0x31, 0x56), 0.3, 0.6},
        {0.86, 0.06, 180.0, 53, QColor(0x0F, 0x16, 0x2E), QColor(0x14, 0x1C, 0x36), 0.2, 0.3},
    };
    style.texture = 0.02;
    return PaintLandscape(style, Size, 1);
}

// An evening sky glowing from gold to rose over dusky hills and a calm sea.
QImage Sunset()
{
    QImage sky = GradientSky({{0.0, QColor(0x3E, 0x34, 0x66)}, {0.28, QColor(0x8E, 0x5A, 0x82)},
                              {0.48, QColor(0xD9, 0x8A, 0x78)}, {0.62, QColor(0xF2, 0xC0, 0x86)}});
    for (int y = 0; y < Height * 0.6; ++y) {
        auto* line = reinterpret_cast<QRgb*>(sky.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            const double cloud = SmoothStep(0.55, 0.8, Fbm(x / 260.0, y / 28.0, 5, 61));
            line[x] = Mix(QColor(line[x]), QColor(0xF6, 0xB8, 0xA0), cloud * 0.55).rgb();
        }
    }
    {
        QPainter painter(&sky);
        painter.setRenderHint(QPainter::Antialiasing);
        Glow(painter, QPointF(620, 440), 220, QColor(0xFF, 0xD8, 0x9A, 120));
        painter.setBrush(QColor(0xFF, 0xE4, 0xB0));
        painter.drawEllipse(QPointF(620, 440), 40, 40);
    }
    LandscapeStyle style;
    style.skyPicture = sky;
    style.mist = QColor(0xC0, 0x84, 0x88);
    style.mistDepth = 0.08;
    style.ridges = {
        {0.55, 0.06, 260.0, 71, QColor(0x8A, 0x5E, 0x7E), QColor(0xA8, 0x74, 0x86), 0.4, 0.8},
        {0.60, 0.05, 180.0, 73, QColor(0x5A, 0x3E, 0x62), QColor(0x70, 0x4E, 0x70), 0.5, 0.5},
    };
    style.waterLine = 0.62;
    style.water = QColor(0x4A, 0x3A, 0x66);
    style.texture = 0.03;
    return PaintLandscape(style, Size, 1);
}

// Open sea under a high summer sky: long, gentle swells towards the horizon.
QImage Sea()
{
    QImage image = GradientSky({{0.0, QColor(0x5E, 0x9C, 0xD2)}, {0.40, QColor(0xBF, 0xDD, 0xF0)},
                                {0.41, QColor(0x3A, 0x8A, 0xA8)}, {1.0, QColor(0x1E, 0x63, 0x82)}});
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

// Snow-covered hills under a pale winter sky, dark pines rooted on the middle ridge, falling flakes.
QImage SnowField()
{
    LandscapeStyle style;
    style.sky = {{0.0, QColor(0x8F, 0xA8, 0xC4)}, {0.55, QColor(0xD6, 0xE0, 0xEA)}};
    style.mist = QColor(0xE0, 0xE7, 0xEF);
    style.mistDepth = 0.10;
    const Ridge far{0.40, 0.10, 280.0, 91, QColor(0xB0, 0xBF, 0xD0), QColor(0xCF, 0xD9, 0xE5), 0.7, 0.8};
    const Ridge middle{0.56, 0.06, 300.0, 93, QColor(0xEA, 0xEF, 0xF5), QColor(0xCC, 0xD7, 0xE4), 0.2, 0.15};
    const Ridge near{0.78, 0.05, 380.0, 95, QColor(0xF6, 0xF8, 0xFB), QColor(0xD8, 0xE1, 0xEC), 0.1, 0.0};
    style.ridges = {far, middle};
    style.texture = 0.02;
    QImage image = PaintLandscape(style, Size, 1);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    // Pines stand on the middle ridge, the farther (smaller) ones paler.
    for (int i = 0; i < 26; ++i) {
        const double x = Hash(i, 1, 97) * Width;
        const double size = Hash(i, 3, 97);
        const double h = 36.0 + 60.0 * size;
        const double baseY = CrestHeight(middle, x, Height) + 4.0 + 10.0 * size;
        const QColor needles = Mix(QColor(0x7C, 0x90, 0x98), QColor(0x2E, 0x4A, 0x46), size);
        painter.setBrush(needles.darker(130));
        painter.drawRect(QRectF(x - h * 0.03, baseY - h * 0.2, h * 0.06, h * 0.2));
        for (int tier = 0; tier < 4; ++tier) {
            const double top = baseY - h + tier * h * 0.19;
            const double half = h * (0.12 + 0.065 * tier);
            QPainterPath layer;
            layer.moveTo(x, top);
            layer.quadTo(x + half * 0.5, top + h * 0.2, x + half, top + h * 0.3);
            layer.lineTo(x - half, top + h * 0.3);
            layer.quadTo(x - half * 0.5, top + h * 0.2, x, top);
            painter.setBrush(needles);
            painter.drawPath(layer);
            // Snow resting on the upper side of each tier.
            QPainterPath snow;
            snow.moveTo(x, top + 1.0);
            snow.quadTo(x + half * 0.45, top + h * 0.16, x + half * 0.8, top + h * 0.24);
            snow.quadTo(x, top + h * 0.16, x - half * 0.7, top + h * 0.22);
            snow.quadTo(x - half * 0.4, top + h * 0.12, x, top + 1.0);
            painter.setBrush(QColor(0xF4, 0xF7, 0xFB, 220));
            painter.drawPath(snow);
        }
    }

    // The near slope in front of the trees, drawn as its own soft drift.
    QPainterPath drift;
    drift.moveTo(0, Height);
    for (int x = 0; x <= Width; x += 4)
        drift.lineTo(x, CrestHeight(near, x, Height));
    drift.lineTo(Width, Height);
    drift.closeSubpath();
    QLinearGradient snowShade(0, Height * 0.72, 0, Height);
    snowShade.setColorAt(0.0, QColor(0xF7, 0xF9, 0xFC));
    snowShade.setColorAt(1.0, QColor(0xD5, 0xDF, 0xEA));
    painter.setBrush(snowShade);
    painter.drawPath(drift);

    for (int i = 0; i < 260; ++i) {
        const QPointF at(Hash(i, 1, 99) * Width, Hash(i, 2, 99) * Height);
        const double r = 0.8 + 2.0 * Hash(i, 3, 99);
        painter.setBrush(QColor(255, 255, 255, 150));
        painter.drawEllipse(at, r, r);
    }
    return image;
}

// A lattice window of light wood in front of warm paper lit from behind: a quiet, even pattern.
QImage LatticeWindow()
{
    QImage image = NewImage(Width, Height);
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            // Paper lit from the upper left, with its fibres.
            const double light = 1.0 - std::hypot(x - Width * 0.35, y - Height * 0.3) / (Width * 1.1);
            const double fibre = Fbm(x / 6.0, y / 40.0, 2, 121) - 0.5;
            QColor paper = Mix(QColor(0xD4, 0xBC, 0x92), QColor(0xF3, 0xE7, 0xCC), light);
            line[x] = paper.lighter(100 + static_cast<int>(fibre * 8)).rgb();
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    constexpr double Cell = 128.0;
    const QColor wood(0x8C, 0x63, 0x40, 150);
    const QColor woodLight(0xFF, 0xF4, 0xDC, 90);
    auto stroke = [&](const QPainterPath& path, double width) {
        // Each bar: a darker body with a thin lit edge, like a carved wooden slat.
        painter.strokePath(path, QPen(wood, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.strokePath(path.translated(-width * 0.25, -width * 0.25), QPen(woodLight, 1.0));
    };
    for (double y = -Cell / 2; y < Height + Cell; y += Cell) {
        for (double x = -Cell / 2; x < Width + Cell; x += Cell) {
            // A square frame with a turned square inside, joined to it at the corners.
            QPainterPath frame;
            frame.addRect(QRectF(x, y, Cell, Cell));
            stroke(frame, 5.0);
            const QPointF c(x + Cell / 2, y + Cell / 2);
            const double r = Cell * 0.28;
            QPainterPath inner;
            inner.moveTo(c + QPointF(0, -r));
            inner.lineTo(c + QPointF(r, 0));
            inner.lineTo(c + QPointF(0, r));
            inner.lineTo(c + QPointF(-r, 0));
            inner.closeSubpath();
            for (const QPointF corner : {QPointF(-1, -1), QPointF(1, -1), QPointF(1, 1), QPointF(-1, 1)}) {
                inner.moveTo(c + corner * (Cell / 2));
                inner.lineTo(c + corner * (r / 2));
            }
            stroke(inner, 3.5);
        }
    }
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
// ivory tiles and the pale link pieces need a mid-to-deep tone behind them to stand out, and a
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
    {"山水", Landscape, QColor(175, 165, 150)},      {"竹林", Bamboo, QColor(150, 160, 140)},
    {"星空", StarrySky, QColor(255, 255, 255)}, {"晚霞", Sunset, QColor(215, 205, 215)},
    {"碧海", Sea, QColor(170, 170, 180)},            {"雪原", SnowField, QColor(140, 150, 175)},
    {"花窗", LatticeWindow, QColor(170, 148, 122)},  {"青瓷", Celadon, QColor(160, 180, 168)},
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
