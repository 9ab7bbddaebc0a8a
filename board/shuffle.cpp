#include "board/shuffle.h"

#include <algorithm>

#include "board/board.h"
#include "board/deal.h"
#include "board/random.h"

namespace llk {
namespace {

template <typename Visit>
void ForEachOccupiedInnerCell(const Game& g, Visit visit)
{
    for (int row = 2; row <= g.RowCount - 1; ++row)
        for (int col = 2; col <= g.ColCount - 1; ++col)
            if (const int cell = CellIndex(g, row, col); g.Cells[cell] != EmptyCell)
                visit(cell);
}

bool SomeKindHasTwoTiles(const Game& g, int m)
{
    std::vector<int> kinds(g.InnerSlots.begin() + 1, g.InnerSlots.begin() + 1 + m);
    std::sort(kinds.begin(), kinds.end());
    return std::adjacent_find(kinds.begin(), kinds.end()) != kinds.end();
}

} // namespace

bool ShuffleBoard(Game& g, const PairTest& hasPair)
{
    if (g.ShufflesLeft <= 0)
        return false;
    int m = 0;
    ForEachOccupiedInnerCell(g, [&](int cell) { g.InnerSlots[++m] = g.Cells[cell]; });
    if (!SomeKindHasTwoTiles(g, m))
        return false;
    RedistributeKinds(g, m, hasPair);
    return true;
}

void RedistributeKinds(Game& g, int m, const PairTest& hasPair)
{
    for (;;) {
        DrawSequence(g, m, m);
        int k = 0;
        ForEachOccupiedInnerCell(g, [&](int cell) { g.Cells[cell] = g.InnerSlots[g.DrawList[++k]]; });
        ResetHintState(g);
        SyncGrid(g);
        if (hasPair(g))
            break;
    }
    // The pictures change only once an arrangement is accepted, so the player sees just that one.
    int k = 0;
    ForEachOccupiedInnerCell(g, [&](int cell) {
        SetTilePicture(g, cell, g.InnerSlots[g.DrawList[++k]] + KindCodeBase);
    });
}

} // namespace llk
