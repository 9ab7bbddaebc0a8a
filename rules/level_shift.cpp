#include "rules/level_shift.h"

#include <array>
#include <cassert>
#include <initializer_list>

#include "board/board.h"
#include "linking/link_search.h"

namespace llk {
namespace {

constexpr ShiftPart PartOf(std::string_view text, char axis)
{
    const auto at = text.find(axis);
    if (at == std::string_view::npos || at + 1 >= text.size())
        return ShiftPart::All;
    if (text[at + 1] == '1')
        return ShiftPart::First;
    if (text[at + 1] == '2')
        return ShiftPart::Second;
    return ShiftPart::All;
}

constexpr ShiftDirection DirectionOf(std::string_view text)
{
    switch (text.back()) {
    case 'u': return ShiftDirection::Up;
    case 'd': return ShiftDirection::Down;
    case 'l': return ShiftDirection::Left;
    default: return ShiftDirection::Right;
    }
}

constexpr ScanBound R(int offset) { return {BoardLine::Rows, offset}; }
constexpr ScanBound C(int offset) { return {BoardLine::Cols, offset}; }
constexpr ScanBound N(int value) { return {BoardLine::Zero, value}; }
constexpr ScanBound Up(int offset) { return {BoardLine::SplitRowUp, offset}; }
constexpr ScanBound Down(int offset) { return {BoardLine::SplitRowDown, offset}; }
constexpr ScanBound Left(int offset) { return {BoardLine::SplitRowLeft, offset}; }
constexpr ScanBound Half(int offset) { return {BoardLine::HalfCol, offset}; }

constexpr ShiftCode Pass(std::string_view text, ScanBound rowFrom, ScanBound rowTo, ScanBound colFrom, ScanBound colTo)
{
    return {text, PartOf(text, 'x'), PartOf(text, 'y'), DirectionOf(text), rowFrom, rowTo, colFrom, colTo};
}

// The scan ranges hold exactly as the game has always played them, one row or column beyond the
// region included: "x2y1d" stops short of column HalfCol, "x2y2u" starts at it.
constexpr std::array Passes{
    Pass("xyd", R(-2), N(2), C(-1), N(2)),         Pass("x1d", Down(1), N(2), C(-1), N(2)),
    Pass("x2d", R(-2), Down(1), C(-1), N(2)),      Pass("y1d", R(-2), N(2), Half(0), N(2)),
    Pass("x1y1d", Down(1), N(2), Half(0), N(2)),   Pass("x1y2d", Down(1), N(2), C(-1), Half(1)),
    Pass("x2y1d", R(-2), Down(1), Half(-1), N(2)), Pass("x2y2d", R(-2), Down(1), C(-1), Half(1)),
    Pass("x1u", N(3), Up(1), N(2), C(-1)),         Pass("x2u", Up(1), R(-1), N(2), C(-1)),
    Pass("y2u", N(3), R(-1), Half(1), C(-1)),      Pass("x1y1u", N(3), Up(1), N(2), Half(0)),
    Pass("x1y2u", N(3), Up(1), Half(1), C(-1)),    Pass("x2y1u", Up(1), R(-1), N(2), Half(0)),
    Pass("x2y2u", Up(1), R(-1), Half(0), C(-1)),   Pass("xyl", N(2), R(-1), N(3), C(-1)),
    Pass("x1l", N(2), Left(1), N(3), C(-1)),       Pass("y1l", N(2), R(-1), N(3), Half(0)),
    Pass("y2l", N(2), R(-1), Half(0), C(-1)),      Pass("x1y1l", N(2), Left(1), N(3), Half(0)),
    Pass("x1y2l", N(2), Left(1), Half(0), C(-1)),  Pass("x2y1l", Left(1), R(-1), N(3), Half(0)),
    Pass("x2y2l", Left(1), R(-1), Half(0), C(-1)), Pass("x2r", Down(1), R(-1), C(-2), N(2)),
    Pass("y1r", N(2), R(-1), Half(1), N(2)),       Pass("y2r", N(2), R(-1), C(-2), Half(1)),
    Pass("x1y1r", N(2), Down(1), Half(1), N(2)),   Pass("x1y2r", N(2), Down(1), C(-2), Half(1)),
    Pass("x2y1r", Down(1), R(-1), Half(1), N(2)),  Pass("x2y2r", Down(1), R(-1), C(-2), Half(1)),
};

constexpr const ShiftCode* Find(std::string_view text)
{
    for (const ShiftCode& code : Passes)
        if (code.text == text)
            return &code;
    return nullptr;
}

constexpr const ShiftCode& Named(std::string_view text)
{
    const ShiftCode* code = Find(text);
    return code ? *code : throw "unknown shift code"; // a compile-time error in the level table
}

using LevelRule = std::array<const ShiftCode*, 8>;

constexpr LevelRule Rule(std::initializer_list<std::string_view> texts)
{
    LevelRule rule{};
    std::size_t i = 0;
    for (std::string_view text : texts)
        rule[i++] = &Named(text);
    return rule;
}

// One rule per level from FirstShiftingLevel to LastRegularLevel.
constexpr std::array<LevelRule, LastRegularLevel - FirstShiftingLevel + 1> LevelRules{
    Rule({"xyd"}),
    Rule({"xyl"}),
    Rule({"x1u", "x2d"}),
    Rule({"y1l", "y2r"}),
    Rule({"x1d", "x2u"}),
    Rule({"y1r", "y2l"}),
    Rule({"x1l", "x2r"}),
    Rule({"y1d", "y2u"}),
    Rule({"x1y1l", "x1y1u", "x1y2r", "x1y2u", "x2y1l", "x2y1d", "x2y2r", "x2y2d"}),
    Rule({"x1y1r", "x1y1d", "x1y2l", "x1y2d", "x2y1u", "x2y1r", "x2y2u", "x2y2l"}),
};

int Resolve(const Game& g, ScanBound bound)
{
    switch (bound.line) {
    case BoardLine::Zero: return bound.offset;
    case BoardLine::Rows: return g.board.RowCount + bound.offset;
    case BoardLine::Cols: return g.board.ColCount + bound.offset;
    case BoardLine::SplitRowUp: return SplitRowUp(g) + bound.offset;
    case BoardLine::SplitRowDown: return SplitRowDown(g) + bound.offset;
    case BoardLine::SplitRowLeft: return SplitRowLeft(g) + bound.offset;
    case BoardLine::HalfCol: return HalfCol(g) + bound.offset;
    }
    return bound.offset;
}

int Step(const Game& g, ShiftDirection direction)
{
    switch (direction) {
    case ShiftDirection::Up: return -g.board.ColCount;
    case ShiftDirection::Down: return g.board.ColCount;
    case ShiftDirection::Left: return -1;
    case ShiftDirection::Right: return 1;
    }
    return 0;
}

// Where a slide stops: the middle line for a part that moves towards the other part, the border
// otherwise. Nothing else stops a tile, and a vertical slide never looks at columns. A vertical
// stop compares the CellIndex with a limit, a horizontal one the column.
struct SlideStop {
    ShiftDirection direction;
    int step;
    int limit;

    SlideStop(const Game& g, const ShiftCode& code) : direction(code.direction), step(Step(g, code.direction))
    {
        switch (direction) {
        case ShiftDirection::Up: // p < MidIndex, or p in row 1
            limit = code.rows == ShiftPart::Second ? MidIndex(g) : g.board.ColCount;
            break;
        case ShiftDirection::Down: // p > MidIndex, or p in row R
            limit = code.rows == ShiftPart::First ? MidIndex(g) : (g.board.RowCount - 1) * g.board.ColCount;
            break;
        case ShiftDirection::Left: // col(p) <= HalfCol, or p in column 1
            limit = code.cols == ShiftPart::Second ? HalfCol(g) : 1;
            break;
        case ShiftDirection::Right: // col(p) > HalfCol, or p in column C
            limit = code.cols == ShiftPart::First ? HalfCol(g) : g.board.ColCount - 1;
            break;
        }
    }

    bool Beyond(int p, int col) const
    {
        switch (direction) {
        case ShiftDirection::Up: return p < limit;
        case ShiftDirection::Down: return p > limit;
        case ShiftDirection::Left: return col <= limit;
        case ShiftDirection::Right: return col > limit;
        }
        return true;
    }

    // SlideTarget for the empty Cell p in column col.
    int Target(const Game& g, int p, int col) const
    {
        const int colStep = direction == ShiftDirection::Left ? -1 : direction == ShiftDirection::Right ? 1 : 0;
        for (;;) {
            if (Beyond(p, col))
                return p - step;
            if (g.board.Cells[p + step] != EmptyCell)
                return p;
            p += step;
            col += colStep;
        }
    }
};

// One pass. Scanning from the line nearest the direction of travel, every tile slides as far as
// it can, so each line of the range ends packed with its tiles in their old order. An empty Cell
// next to an empty Cell is "moved" as well, which can leave a visible sprite on an empty Cell;
// the removal step hides those right after the shift.
void RunPass(Game& g, const ShiftCode& code)
{
    const SlideStop stop(g, code);
    const int step = stop.step;
    const int colShift = step == 1 ? 1 : step == -1 ? -1 : 0;
    // Rows run bottom-up only for a downward pass, columns right to left for downward and
    // rightward passes. On a small Board a range that runs the other way scans nothing and Cells
    // outside the inner area are skipped; the game's own Boards never need either rule.
    const int rowStep = code.direction == ShiftDirection::Down ? -1 : 1;
    const int colStep = code.direction == ShiftDirection::Down || code.direction == ShiftDirection::Right ? -1 : 1;
    const int rowFrom = Resolve(g, code.rowFrom);
    const int rowTo = Resolve(g, code.rowTo);
    const int colFrom = Resolve(g, code.colFrom);
    const int colTo = Resolve(g, code.colTo);
    for (int row = rowFrom; (row - rowTo) * rowStep <= 0; row += rowStep) {
        for (int col = colFrom; (col - colTo) * colStep <= 0; col += colStep) {
            if (row < 2 || row > g.board.RowCount - 1 || col < 2 || col > g.board.ColCount - 1)
                continue;
            const int t = CellIndex(g, row, col);
            const int n = t + step;
            if (g.board.Cells[n] == EmptyCell) {
                const int v = stop.Target(g, n, col + colShift);
                if (v != t && g.board.Cells[t] != EmptyCell)
                    g.host->TileMoved(t, v);
                g.board.Cells[v] = g.board.Cells[t];
                TileSprite& target = g.screen.Sprites[v];
                const TileSprite& source = g.screen.Sprites[t];
                target.picture = source.picture;
                target.pictureNumber = source.pictureNumber;
                target.visible = true;
                if (v != t)
                    g.board.Cells[t] = EmptyCell;
            }
            if (g.board.Cells[t] == EmptyCell) {
                TileSprite& sprite = g.screen.Sprites[t];
                // A cleared picture: the blank the sprite had when it was created.
                sprite.picture = SpritePicture::Template;
                sprite.pictureNumber = 0;
                sprite.visible = false;
            }
        }
    }
}

} // namespace

int SplitRowUp(const Game& g)
{
    const int r = g.board.RowCount;
    return r % 2 != 0 ? (r - 1) / 2 : r / 2 - 1;
}

int SplitRowDown(const Game& g)
{
    const int r = g.board.RowCount;
    if (r % 2 == 0)
        return r / 2;
    const int lower = r / 2; // r / 2 is a half: round it to the even neighbour
    return lower % 2 == 0 ? lower : lower + 1;
}

int SplitRowLeft(const Game& g)
{
    const int r = g.board.RowCount;
    return r % 2 != 0 ? SplitRowDown(g) : r / 2 - 1;
}

const ShiftCode& ShiftCodeNamed(std::string_view text)
{
    const ShiftCode* code = Find(text);
    assert(code && "no level uses this shift code");
    return *code;
}

int SlideTarget(const Game& g, int p, const ShiftCode& code) { return SlideStop(g, code).Target(g, p, CellCol(g, p)); }

void ShiftBoard(Game& g, int level)
{
    if (level < FirstShiftingLevel || level > LastRegularLevel)
        return;
    for (const ShiftCode* code : LevelRules[static_cast<std::size_t>(level - FirstShiftingLevel)]) {
        if (!code)
            break;
        RunPass(g, *code);
    }
    SyncGrid(g);
}

} // namespace llk
