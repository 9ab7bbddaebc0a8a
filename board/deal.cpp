#include "board/deal.h"

#include <array>
#include <cassert>

#include "board/board.h"
#include "board/random.h"

namespace llk {
namespace {

// How a Theme folds a KindCode above `above`: wrapping round its pictures, or shifting down.
struct FoldRule {
    enum class Kind { Never, Subtract, Wrap } kind;
    int above;
    int amount; // the amount subtracted, or the number of pictures wrapped round
};

constexpr FoldRule Never{FoldRule::Kind::Never, 0, 0};
constexpr FoldRule Subtract(int above, int amount) { return {FoldRule::Kind::Subtract, above, amount}; }
constexpr FoldRule Wrap(int pictures) { return {FoldRule::Kind::Wrap, KindCodeBase + pictures, pictures}; }

// Themes 1, 4 and 5 shift by less than their picture count, so their folded kinds land mid-range.
constexpr std::array<FoldRule, ThemeCount> FoldRules{{
    Never,              Subtract(139, 31), Subtract(143, 43), Subtract(154, 54), Subtract(138, 37),
    Subtract(163, 10),  Subtract(148, 48), Subtract(197, 97), Subtract(140, 40), Subtract(142, 42),
    Wrap(20),           Subtract(171, 71), Wrap(30),          Wrap(31),          Wrap(21),
    Wrap(24),           Wrap(36),          Wrap(21),          Wrap(21),          Wrap(21),
    Wrap(30),           Wrap(28),          Wrap(36),          Wrap(21),          Wrap(21),
    Wrap(36),           Wrap(22),          Wrap(36),          Wrap(22),          Wrap(24),
}};

// Steps 5 to 7 of both deals: fold every slot into its Cell in reading order, set the pictures,
// show the tiles, clear the border and take the CellGrid snapshot.
void PlaceDealtSlots(Game& g)
{
    int slot = 0;
    for (int row = 2; row <= g.RowCount - 1; ++row) {
        for (int col = 2; col <= g.ColCount - 1; ++col) {
            ++slot;
            FoldKindCode(g, slot);
            const int code = g.InnerSlots[slot];
            const int cell = CellIndex(g, row, col);
            g.Cells[cell] = code - KindCodeBase;
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
    if (rule.kind == FoldRule::Kind::Never || code <= rule.above)
        return code;
    if (rule.kind == FoldRule::Kind::Subtract)
        return code - rule.amount;
    return (code - KindCodeBase) % rule.amount + KindCodeBase + 1;
}

void FoldKindCode(Game& g, int slot)
{
    g.InnerSlots[slot] = FoldCode(g.ThemeIndex, g.InnerSlots[slot]);
}

void DealRegularBoard(Game& g, int kinds)
{
    ResetHintState(g);
    const int n = InnerCellCount(g);
    DrawSequence(g, n, n);
    for (int d = 1; d <= n - 1; d += 2) {
        const int code = KindCodeBase + RandomInt(g, kinds);
        g.InnerSlots[g.DrawList[d]] = code;
        g.InnerSlots[g.DrawList[d + 1]] = code;
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
        g.InnerSlots[g.DrawList[d]] = code;
        g.InnerSlots[g.DrawList[d + 1]] = code;
    }
    PlaceDealtSlots(g);
}

void ResetHintState(Game& g)
{
    ResetPairSearch(g);
    g.LevelClearedFlag = false;
}

void ResetTimeAndScore(Game& g)
{
    g.TimeBar = FullTimeBar;
    g.Score = 0;
}

} // namespace llk
