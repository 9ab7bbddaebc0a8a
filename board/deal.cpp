#include "board/deal.h"

#include <array>
#include <cassert>

#include "board/board.h"
#include "board/random.h"

namespace llk {
namespace {

// How a Theme folds a KindCode beyond its pictures: shifting it down by `amount`, or wrapping it
// round them.
struct FoldRule {
    enum class Kind { Never, Subtract, Wrap } kind;
    int amount = 0;
};

constexpr FoldRule Never{FoldRule::Kind::Never};
constexpr FoldRule Wrap{FoldRule::Kind::Wrap};
constexpr FoldRule Subtract(int amount) { return {FoldRule::Kind::Subtract, amount}; }

// Themes 1, 4 and 5 shift by less than their picture count, so their folded kinds land mid-range.
constexpr std::array<FoldRule, ThemeCount> FoldRules{{
    Never,        Subtract(31), Subtract(43), Subtract(54), Subtract(37), Subtract(10), Subtract(48), Subtract(97),
    Subtract(40), Subtract(42), Wrap,         Subtract(71), Wrap,         Wrap,         Wrap,         Wrap,
    Wrap,         Wrap,         Wrap,         Wrap,         Wrap,         Wrap,         Wrap,         Wrap,
    Wrap,         Wrap,         Wrap,         Wrap,         Wrap,         Wrap,
}};

// Steps 5 to 7 of both deals: fold every slot into its Cell in reading order, set the pictures,
// show the tiles, clear the border and take the CellGrid snapshot.
void PlaceDealtSlots(Game& g)
{
    int slot = 0;
    for (int row = 2; row <= g.board.RowCount - 1; ++row) {
        for (int col = 2; col <= g.board.ColCount - 1; ++col) {
            ++slot;
            FoldKindCode(g, slot);
            const int code = g.board.InnerSlots[slot];
            const int cell = CellIndex(g, row, col);
            g.board.Cells[cell] = code - KindCodeBase;
            SetTilePicture(g, cell, code);
        }
    }
    ShowInner(g);
    SyncGrid(g);
}

} // namespace

int FoldCode(int theme, int code)
{
    assert(IsTheme(theme));
    const FoldRule& rule = FoldRules[static_cast<std::size_t>(theme)];
    const int pictures = PictureCount(theme);
    const bool beyond = code > KindCodeBase + pictures;
    switch (rule.kind) {
    case FoldRule::Kind::Never: return code;
    case FoldRule::Kind::Subtract: return beyond ? code - rule.amount : code;
    case FoldRule::Kind::Wrap: break;
    }
    return beyond ? (code - KindCodeBase) % pictures + KindCodeBase + 1 : code;
}

void FoldKindCode(Game& g, int slot)
{
    g.board.InnerSlots[slot] = FoldCode(g.board.ThemeIndex, g.board.InnerSlots[slot]);
}

void DealRegularBoard(Game& g, int kinds)
{
    ResetHintState(g);
    const int n = InnerCellCount(g);
    DrawSequence(g, n, n);
    for (int d = 1; d <= n - 1; d += 2) {
        const int code = KindCodeBase + RandomInt(g, kinds);
        g.board.InnerSlots[g.DrawList[d]] = code;
        g.board.InnerSlots[g.DrawList[d + 1]] = code;
    }
    PlaceDealtSlots(g);
}

void DealSpecialBoard(Game& g)
{
    ResetHintState(g);
    const int n = InnerCellCount(g);
    const int pairs = n / 2;
    DrawSequence(g, pairs, pairs);
    const std::vector<int> kindOrder = g.DrawList;
    DrawSequence(g, n, n);
    int i = 0;
    for (int d = 1; d <= n - 1; d += 2) {
        ++i;
        const int code = KindCodeBase + kindOrder[i];
        g.board.InnerSlots[g.DrawList[d]] = code;
        g.board.InnerSlots[g.DrawList[d + 1]] = code;
    }
    PlaceDealtSlots(g);
}

void ResetHintState(Game& g)
{
    ResetPairSearch(g);
    g.counters.LevelClearedFlag = false;
}

void ResetTimeAndScore(Game& g)
{
    g.counters.TimeBar = FullTimeBar;
    g.counters.Score = 0;
}

} // namespace llk
