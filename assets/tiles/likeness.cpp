// Likeness prints: coarse colour and finer lightness grids over the middle of a tile's face.
#include "assets/tiles/likeness.h"

#include <QPainter>
#include <QtGlobal>

#include <cmath>
#include <limits>

namespace llk::assets {

namespace {

constexpr int ColourCells = 6;
constexpr int ShapeCells = 12;
// How much the finer lightness grid counts against the colour grid.
constexpr double ShapeWeight = 0.3;

// The middle of the face: the side at the bottom and right and the face's margins are left out.
QRect Middle(const QImage& picture)
{
    const int left = qRound(picture.width() * 0.1);
    const int top = qRound(picture.height() * 0.1);
    const int right = qRound(picture.width() * 0.86);
    const int bottom = qRound(picture.height() * 0.86);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

struct Opponent {
    double lightness = 0;
    double redGreen = 0;
    double yellowBlue = 0;
};

// The mean colour of each cell of an n x n grid over `area`; cells split the area as evenly as
// whole pixels allow.
std::vector<Opponent> Grid(const QImage& pixels, const QRect& area, int cells)
{
    std::vector<Opponent> grid;
    grid.reserve(cells * cells);
    for (int row = 0; row < cells; ++row) {
        const int y0 = area.top() + area.height() * row / cells;
        const int y1 = qMax(y0 + 1, area.top() + area.height() * (row + 1) / cells);
        for (int column = 0; column < cells; ++column) {
            const int x0 = area.left() + area.width() * column / cells;
            const int x1 = qMax(x0 + 1, area.left() + area.width() * (column + 1) / cells);
            double red = 0, green = 0, blue = 0;
            for (int y = y0; y < y1; ++y) {
                const QRgb* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
                for (int x = x0; x < x1; ++x) {
                    red += qRed(line[x]);
                    green += qGreen(line[x]);
                    blue += qBlue(line[x]);
                }
            }
            const double count = double(y1 - y0) * (x1 - x0);
            red /= count;
            green /= count;
            blue /= count;
            // Colour differences count half as much as differences of light and dark.
            grid.push_back(
                {0.299 * red + 0.587 * green + 0.114 * blue, (red - green) * 0.5, ((red + green) / 2 - blue) * 0.5});
        }
    }
    return grid;
}

double RootMeanSquare(const std::vector<float>& a, const std::vector<float>& b, int valuesPerCell)
{
    Q_ASSERT(a.size() == b.size() && !a.empty());
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        const double d = double(a[i]) - b[i];
        sum += d * d;
    }
    return std::sqrt(sum / (double(a.size()) / valuesPerCell));
}

} // namespace

LikenessPrint MakeLikenessPrint(const QImage& picture)
{
    LikenessPrint print;
    if (picture.isNull())
        return print;
    // Pictures are compared as they look on the board: over the face, whose colour is near white.
    QImage pixels(picture.size(), QImage::Format_RGB32);
    pixels.fill(Qt::white);
    {
        QPainter painter(&pixels);
        painter.drawImage(0, 0, picture);
    }
    const QRect area = Middle(pixels);
    for (const Opponent& cell : Grid(pixels, area, ColourCells)) {
        print.colour.push_back(float(cell.lightness));
        print.colour.push_back(float(cell.redGreen));
        print.colour.push_back(float(cell.yellowBlue));
    }
    for (const Opponent& cell : Grid(pixels, area, ShapeCells))
        print.shape.push_back(float(cell.lightness));
    return print;
}

double LikenessDistance(const LikenessPrint& a, const LikenessPrint& b)
{
    const double colour = RootMeanSquare(a.colour, b.colour, 3);
    const double shape = RootMeanSquare(a.shape, b.shape, 1);
    return std::sqrt((colour * colour + ShapeWeight * shape * shape) / (1 + ShapeWeight));
}

ClosestPair FindClosestPair(const std::vector<QImage>& pictures)
{
    std::vector<LikenessPrint> prints;
    prints.reserve(pictures.size());
    for (const QImage& picture : pictures)
        prints.push_back(MakeLikenessPrint(picture));
    ClosestPair closest{0, 0, std::numeric_limits<double>::infinity()};
    for (size_t i = 0; i < prints.size(); ++i) {
        for (size_t j = i + 1; j < prints.size(); ++j) {
            const double distance = LikenessDistance(prints[i], prints[j]);
            if (distance < closest.distance)
                closest = {int(i) + 1, int(j) + 1, distance};
        }
    }
    return closest;
}

} // namespace llk::assets
