#include "board/board.h"

#include <cassert>

namespace llk {
namespace {

void HideAndEmpty(Game& g, int cell)
{
    g.screen.Sprites[cell].visible = false;
    g.board.Cells[cell] = EmptyCell;
}

} // namespace

std::optional<BoardSize> BoardSizeFor(int difficulty, int theme)
{
    const bool firstFour = theme >= 0 && theme <= 3;
    switch (difficulty) {
    case 0: return BoardSize{9, 14};
    case 1: return BoardSize{10, 16};
    case 2: return BoardSize{11, 18};
    case 3: return firstFour ? BoardSize{12, 20} : BoardSize{11, 18};
    case 4: return firstFour ? BoardSize{12, 16} : BoardSize{11, 16};
    default: return std::nullopt;
    }
}

void ResizeBoard(Game& g, int rows, int cols)
{
    assert(rows >= 3 && cols >= 3);
    g.board.RowCount = rows;
    g.board.ColCount = cols;
    g.board.Cells.assign(static_cast<std::size_t>(rows * cols + 1), EmptyCell);
    g.board.InnerSlots.assign(static_cast<std::size_t>((rows - 2) * (cols - 2) + 1), 0);
    g.board.CellGrid.assign(static_cast<std::size_t>((rows + 1) * (cols + 1)), EmptyCell);
    g.DrawList.clear();
    g.screen.Sprites.resize(1);
}

void ClearBorder(Game& g)
{
    const int cols = g.board.ColCount;
    const int last = CellCount(g);
    for (int cell = 1; cell <= cols; ++cell)
        HideAndEmpty(g, cell);
    for (int cell = cols * (g.board.RowCount - 1) + 1; cell <= last; ++cell)
        HideAndEmpty(g, cell);
    for (int cell = 1; cell <= last; cell += cols) {
        HideAndEmpty(g, cell);
        HideAndEmpty(g, cell + cols - 1);
    }
}

void ClearInner(Game& g)
{
    ForEachInnerCell(g, [&](int, int, int cell) { HideAndEmpty(g, cell); });
}

void ShowInner(Game& g)
{
    ForEachInnerCell(g, [&](int, int, int cell) { g.screen.Sprites[cell].visible = true; });
    ClearBorder(g);
}

void SyncGrid(Game& g)
{
    ForEachInnerCell(g, [&](int row, int col, int cell) { GridAt(g, row, col) = g.board.Cells[cell]; });
}

void SetTilePicture(Game& g, int cell, int code)
{
    TileSprite& sprite = g.screen.Sprites[cell];
    sprite.picture = SpritePicture::Tile;
    sprite.pictureNumber = code + FirstBitmapId(g.board.ThemeIndex) - (KindCodeBase + 1);
}

void PlaceTiles(Game& g, std::span<const int> cells)
{
    assert(static_cast<int>(cells.size()) == CellCount(g) + 1);
    for (int cell = 1; cell <= CellCount(g); ++cell) {
        const int kind = cells[static_cast<std::size_t>(cell)];
        g.board.Cells[cell] = kind;
        if (kind != EmptyCell)
            SetTilePicture(g, cell, KindCodeBase + kind);
        g.screen.Sprites[cell].visible = kind != EmptyCell;
    }
    SyncGrid(g);
}

} // namespace llk
