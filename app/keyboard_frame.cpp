#include "app/keyboard_frame.h"

#include <QPainter>

#include <cstdlib>
#include <tuple>

#include "board/board.h"
#include "linking/link_search.h"

namespace llk::app {
namespace {

constexpr int MarkerOutlinePixels = 4; // the blue markers' outline, which the frame stays inside
constexpr int FramePenPixels = 3;

} // namespace

bool HoldsTile(const Game& g, int cell)
{
    return cell >= 1 && cell < static_cast<int>(g.board.Cells.size()) && g.board.Cells[cell] != EmptyCell;
}

int FirstTile(const Game& g)
{
    for (int cell = 1; cell < static_cast<int>(g.board.Cells.size()); ++cell)
        if (HoldsTile(g, cell))
            return cell;
    return 0;
}

int TileTowards(const Game& g, int from, Arrow arrow)
{
    if (from < 1 || from >= static_cast<int>(g.board.Cells.size()))
        return from;
    const int row = CellRow(g, from);
    const int col = CellCol(g, from);
    int best = from;
    std::tuple<int, int, int> bestKey{1 << 20, 0, 0};
    for (int cell = 1; cell < static_cast<int>(g.board.Cells.size()); ++cell) {
        if (!HoldsTile(g, cell) || cell == from)
            continue;
        const int dr = CellRow(g, cell) - row;
        const int dc = CellCol(g, cell) - col;
        int along = 0;
        int across = 0;
        switch (arrow) {
        case Arrow::Left: along = -dc, across = dr; break;
        case Arrow::Right: along = dc, across = dr; break;
        case Arrow::Up: along = -dr, across = dc; break;
        case Arrow::Down: along = dr, across = dc; break;
        }
        if (along <= 0)
            continue;
        // The nearest line first, then the nearest tile in it; reading order breaks a tie.
        const std::tuple<int, int, int> key{std::abs(across), along, cell};
        if (key < bestKey) {
            bestKey = key;
            best = cell;
        }
    }
    return best;
}

int NearestTile(const Game& g, int cell)
{
    if (HoldsTile(g, cell))
        return cell;
    if (cell < 1 || cell >= static_cast<int>(g.board.Cells.size()))
        return FirstTile(g);
    const int row = CellRow(g, cell);
    const int col = CellCol(g, cell);
    int best = 0;
    int bestDistance = 0;
    for (int other = 1; other < static_cast<int>(g.board.Cells.size()); ++other) {
        if (!HoldsTile(g, other))
            continue;
        const int dr = CellRow(g, other) - row;
        const int dc = CellCol(g, other) - col;
        const int distance = dr * dr + dc * dc;
        if (best == 0 || distance < bestDistance) {
            best = other;
            bestDistance = distance;
        }
    }
    return best;
}

FocusFrame::FocusFrame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal inset = MarkerOutlinePixels + FramePenPixels / 2.0;
    const QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, FramePenPixels, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(area);
    painter.setPen(QPen(QColor(0xFF, 0xFF, 0x00), FramePenPixels, Qt::DashLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawRect(area);
}

} // namespace llk::app
