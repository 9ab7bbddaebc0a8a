#include "linking/link_search.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <utility>

#include "board/board.h"
#include "linking/link_drawing.h"

namespace llk {
namespace {

struct Spot {
    int row;
    int col;
};

Spot SpotOf(const Game& g, int cell) { return {CellRow(g, cell), CellCol(g, cell)}; }

bool IsEmpty(const Game& g, int cell) { return g.board.Cells[cell] == EmptyCell; }

// --- The seven blocks of the two-corner search, one table row each. ---

// Which of the two tiles a block calls A; on a tie either naming gives the same result.
enum class TileA { Upper, Lower, Left, Right };

// The two Cells that must be empty before a block tries any line.
enum class PreTest {
    AboveBoth,
    BelowBoth,
    LeftOfBoth,
    RightOfBoth,
    OppositeSides, // left of one tile and right of the other, in either naming
    BelowAAboveB,
};

// Where the corners lie: both on row k, at the tiles' columns, or both on column k, in their rows.
enum class CornerLine { Row, Column };

// The last line k a block tries.
enum class LastLine { FirstRow, LastRow, FirstColumn, LastColumn, ColumnAfterB, RowBeforeB };

// A corner piece that depends on how the tiles lie: `ifLess` when A's row (for Compare::Rows)
// or column (Compare::Columns) is the smaller, else `otherwise`.
enum class Compare { Rows, Columns };
struct PiecePair {
    CornerKind ifLess;
    CornerKind otherwise;
};

struct Block {
    TileA a;
    PreTest preTest;
    CornerLine line;
    int step; // k starts one line beyond A, away from it or towards B
    LastLine last;
    Compare compare;
    PiecePair pieceA; // the corner on A's side
    PiecePair pieceB;
};

using enum CornerKind;
constexpr std::array<Block, 7> Blocks{{
    // over the top
    {TileA::Upper, PreTest::AboveBoth, CornerLine::Row, -1, LastLine::FirstRow, Compare::Columns, {RightDown, LeftDown}, {LeftDown, RightDown}},
    // under the bottom
    {TileA::Lower, PreTest::BelowBoth, CornerLine::Row, +1, LastLine::LastRow, Compare::Columns, {UpRight, UpLeft}, {UpLeft, UpRight}},
    // detour on the left
    {TileA::Left, PreTest::LeftOfBoth, CornerLine::Column, -1, LastLine::FirstColumn, Compare::Rows, {RightDown, UpRight}, {UpRight, RightDown}},
    // detour on the right
    {TileA::Right, PreTest::RightOfBoth, CornerLine::Column, +1, LastLine::LastColumn, Compare::Rows, {LeftDown, UpLeft}, {UpLeft, LeftDown}},
    // vertical middle leg between the tiles
    {TileA::Right, PreTest::OppositeSides, CornerLine::Column, -1, LastLine::ColumnAfterB, Compare::Rows, {RightDown, UpRight}, {UpLeft, LeftDown}},
    // horizontal middle leg, right tile higher
    {TileA::Right, PreTest::BelowAAboveB, CornerLine::Row, +1, LastLine::RowBeforeB, Compare::Rows, {UpLeft, UpLeft}, {RightDown, RightDown}},
    // horizontal middle leg, left tile higher
    {TileA::Left, PreTest::BelowAAboveB, CornerLine::Row, +1, LastLine::RowBeforeB, Compare::Rows, {UpRight, UpRight}, {LeftDown, LeftDown}},
}};

bool PIsA(TileA rule, Spot p, Spot q)
{
    switch (rule) {
    case TileA::Upper: return p.row <= q.row;
    case TileA::Lower: return p.row >= q.row;
    case TileA::Left: return p.col <= q.col;
    case TileA::Right: return p.col >= q.col;
    }
    return true;
}

// Neighbours of a tile always exist: tiles only occupy inner Cells.
bool PreTestHolds(const Game& g, PreTest test, int p, int q, int a, int b)
{
    const int up = -g.board.ColCount;
    const int down = g.board.ColCount;
    switch (test) {
    case PreTest::AboveBoth: return IsEmpty(g, p + up) && IsEmpty(g, q + up);
    case PreTest::BelowBoth: return IsEmpty(g, p + down) && IsEmpty(g, q + down);
    case PreTest::LeftOfBoth: return IsEmpty(g, p - 1) && IsEmpty(g, q - 1);
    case PreTest::RightOfBoth: return IsEmpty(g, p + 1) && IsEmpty(g, q + 1);
    case PreTest::OppositeSides:
        return (IsEmpty(g, p - 1) && IsEmpty(g, q + 1)) || (IsEmpty(g, p + 1) && IsEmpty(g, q - 1));
    case PreTest::BelowAAboveB: return IsEmpty(g, a + down) && IsEmpty(g, b + up);
    }
    return false;
}

int LastLineOf(const Game& g, LastLine last, Spot b)
{
    switch (last) {
    case LastLine::FirstRow:
    case LastLine::FirstColumn: return 1;
    case LastLine::LastRow: return g.board.RowCount;
    case LastLine::LastColumn: return g.board.ColCount;
    case LastLine::ColumnAfterB: return b.col + 1;
    case LastLine::RowBeforeB: return b.row - 1;
    }
    return 0;
}

CornerKind PieceFor(const PiecePair& pair, Compare compare, Spot a, Spot b)
{
    const bool less = compare == Compare::Rows ? a.row < b.row : a.col < b.col;
    return less ? pair.ifLess : pair.otherwise;
}

bool TryBlock(Game& g, const Block& block, int p, int q, bool draw)
{
    const bool pIsA = PIsA(block.a, SpotOf(g, p), SpotOf(g, q));
    const int a = pIsA ? p : q;
    const int b = pIsA ? q : p;
    if (!PreTestHolds(g, block.preTest, p, q, a, b))
        return false;

    const Spot sa = SpotOf(g, a);
    const Spot sb = SpotOf(g, b);
    const int first = (block.line == CornerLine::Row ? sa.row : sa.col) + block.step;
    const int last = LastLineOf(g, block.last, sb);
    for (int k = first; block.step < 0 ? k >= last : k <= last; k += block.step) {
        const Spot ca = block.line == CornerLine::Row ? Spot{k, sa.col} : Spot{sa.row, k};
        const Spot cb = block.line == CornerLine::Row ? Spot{k, sb.col} : Spot{sb.row, k};
        const bool found = StraightClear(g, ca.row, ca.col, sa.row, sa.col) &&
                           StraightClear(g, cb.row, cb.col, sb.row, sb.col) &&
                           StraightClear(g, ca.row, ca.col, cb.row, cb.col) && CellIsEmpty(g, ca.row, ca.col) &&
                           CellIsEmpty(g, cb.row, cb.col);
        if (!found)
            continue;
        if (draw) {
            DrawSegment(g, ca.row, ca.col, sa.row, sa.col);
            DrawSegment(g, cb.row, cb.col, sb.row, sb.col);
            DrawSegment(g, ca.row, ca.col, cb.row, cb.col);
            DrawCorner(g, ca.row, ca.col, PieceFor(block.pieceA, block.compare, sa, sb));
            DrawCorner(g, cb.row, cb.col, PieceFor(block.pieceB, block.compare, sa, sb));
        }
        return true;
    }
    return false;
}

// One corner at `corner`, reached straight from both tiles.
bool CornerLinks(const Game& g, Spot corner, Spot p, Spot q)
{
    return StraightClear(g, corner.row, corner.col, p.row, p.col) &&
           StraightClear(g, corner.row, corner.col, q.row, q.col) && CellIsEmpty(g, corner.row, corner.col);
}

void DrawOneTurn(Game& g, Spot corner, Spot p, Spot q, CornerKind kind)
{
    DrawCorner(g, corner.row, corner.col, kind);
    DrawSegment(g, corner.row, corner.col, p.row, p.col);
    DrawSegment(g, corner.row, corner.col, q.row, q.col);
}

} // namespace

bool CellIsEmpty(const Game& g, int row, int col) { return IsEmpty(g, CellIndex(g, row, col)); }

bool StraightClear(const Game& g, int r1, int c1, int r2, int c2)
{
    if (c1 == c2) {
        const int from = std::min(r1, r2) + 1;
        const int to = std::max(r1, r2);
        for (int row = from; row < to; ++row)
            if (!CellIsEmpty(g, row, c1))
                return false;
        return true;
    }
    if (r1 == r2) {
        const int from = CellIndex(g, r1, std::min(c1, c2)) + 1;
        const int to = CellIndex(g, r1, std::max(c1, c2));
        for (int cell = from; cell < to; ++cell)
            if (!IsEmpty(g, cell))
                return false;
        return true;
    }
    return false;
}

bool LinkTest(Game& g, int first, int second, bool draw)
{
    assert(first != second && g.board.Cells[first] != EmptyCell && g.board.Cells[second] != EmptyCell);
    const int apart = first - second;
    if (apart == 1 || apart == -1 || apart == g.board.ColCount || apart == -g.board.ColCount)
        return true;
    const Spot p = SpotOf(g, first);
    const Spot q = SpotOf(g, second);
    if (StraightClear(g, p.row, p.col, q.row, q.col)) {
        if (draw)
            DrawSegment(g, p.row, p.col, q.row, q.col);
        return true;
    }
    if (OneTurnLink(g, first, second, draw))
        return true;
    return TwoTurnLink(g, first, second, draw);
}

bool OneTurnLink(Game& g, int p, int q, bool draw)
{
    if (q < p)
        std::swap(p, q);
    const Spot sp = SpotOf(g, p);
    const Spot sq = SpotOf(g, q);
    const bool rightward = sp.col < sq.col;

    // Corner A lies on P's row above Q, corner B on Q's row below P. Each is tried when the
    // Cells its legs leave the tiles through are free; a blocked corner A does not hide corner B.
    const bool preTestA = (IsEmpty(g, p - 1) || IsEmpty(g, p + 1)) && IsEmpty(g, q - g.board.ColCount);
    const Spot cornerA{sp.row, sq.col};
    if (preTestA && CornerLinks(g, cornerA, sp, sq)) {
        if (draw)
            DrawOneTurn(g, cornerA, sp, sq, rightward ? CornerKind::LeftDown : CornerKind::RightDown);
        return true;
    }
    const bool preTestB = IsEmpty(g, p + g.board.ColCount) && (IsEmpty(g, q - 1) || IsEmpty(g, q + 1));
    const Spot cornerB{sq.row, sp.col};
    if (preTestB && CornerLinks(g, cornerB, sp, sq)) {
        if (draw)
            DrawOneTurn(g, cornerB, sp, sq, rightward ? CornerKind::UpRight : CornerKind::UpLeft);
        return true;
    }
    return false;
}

bool TwoTurnLink(Game& g, int p, int q, bool draw)
{
    for (const Block& block : Blocks)
        if (TryBlock(g, block, p, q, draw))
            return true;
    return false;
}

} // namespace llk
