#include "board/shuffle.h"

#include <algorithm>

#include "board/board.h"
#include "board/deal.h"
#include "board/random.h"

namespace llk {
namespace {

template <typename Visit> void ForEachOccupiedInnerCell(const Game& g, Visit visit)
{
    ForEachInnerCell(g, [&](int, int, int cell) {
        if (g.board.Cells[cell] != EmptyCell)
            visit(cell);
    });
}

bool SomeKindHasTwoTiles(const Game& g, int m)
{
    std::vector<int> kinds(g.board.InnerSlots.begin() + 1, g.board.InnerSlots.begin() + 1 + m);
    std::sort(kinds.begin(), kinds.end());
    return std::adjacent_find(kinds.begin(), kinds.end()) != kinds.end();
}

} // namespace

bool ShuffleBoard(Game& g, const PairTest& hasPair)
{
    if (g.counters.ShufflesLeft <= 0)
        return false;
    int m = 0;
    ForEachOccupiedInnerCell(g, [&](int cell) { g.board.InnerSlots[++m] = g.board.Cells[cell]; });
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
        ForEachOccupiedInnerCell(g, [&](int cell) { g.board.Cells[cell] = g.board.InnerSlots[g.DrawList[++k]]; });
        ResetHintState(g);
        SyncGrid(g);
        if (hasPair(g))
            break;
    }
    // The pictures change only once an arrangement is accepted, so the player sees just that one.
    int k = 0;
    ForEachOccupiedInnerCell(
        g, [&](int cell) { SetTilePicture(g, cell, g.board.InnerSlots[g.DrawList[++k]] + KindCodeBase); });
}

} // namespace llk
