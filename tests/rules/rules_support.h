// Helpers for the rules' tests: Boards of any size built cell by cell, and what they hold.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "board/board.h"
#include "linking/board_view.h"
#include "rules/commands.h"
#include "rules/game_setup.h"
#include "rules/pair_search.h"
#include "tests/support/board_builder.h"

namespace llk::test {

// An empty Board of rows x cols in Theme 0, sprites laid out, as a test starts one.
inline Game EmptyBoard(int rows, int cols)
{
    Game g;
    ResizeBoard(g, rows, cols);
    CreateSprites(g);
    std::vector<int> cells(static_cast<std::size_t>(rows * cols + 1), EmptyCell);
    PlaceTiles(g, cells);
    return g;
}

// A Board whose inner Cells are all tiles, numbered so that no two neighbours share a kind:
// kind = 1 + (index mod 60), which stays below 70.
inline Game FullBoard(int rows, int cols)
{
    Game g = EmptyBoard(rows, cols);
    std::vector<int> cells(g.board.Cells);
    for (int row = 2; row < rows; ++row)
        for (int col = 2; col < cols; ++col)
            cells[CellIndex(g, row, col)] = 1 + CellIndex(g, row, col) % 60;
    PlaceTiles(g, cells);
    return g;
}

// How many tiles of each kind the inner area holds.
inline std::map<int, int> KindCounts(const Game& g)
{
    std::map<int, int> counts;
    for (int cell = 1; cell <= CellCount(g); ++cell)
        if (g.board.Cells[cell] != EmptyCell)
            ++counts[g.board.Cells[cell]];
    return counts;
}

inline int TileCount(const Game& g)
{
    return static_cast<int>(
        std::count_if(g.board.Cells.begin() + 1, g.board.Cells.end(), [](int k) { return k != EmptyCell; }));
}

// A game started from the menu with a clock that stands still, so the deal repeats.
inline Game StartedGame(int theme, int difficulty, Host* host = nullptr)
{
    Game g;
    g.clock = [] { return 4321.0; };
    if (host)
        g.host = host;
    StartGame(g, theme, difficulty);
    return g;
}

// Replaces every Cell of the running game's Board by a picture of the same size, as the
// llk-lab "board" command does.
inline void LoadRows(Game& g, std::initializer_list<std::string_view> rows)
{
    const Game picture = MakeBoard(rows);
    assert(picture.board.RowCount == g.board.RowCount && picture.board.ColCount == g.board.ColCount);
    LoadBoard(g, picture.board.Cells);
}

// The running Board empty but for two neighbouring tiles of kind 1 at (2, 2) and (2, 3).
inline void LoadLastPair(Game& g)
{
    std::vector<int> cells(g.board.Cells.size(), EmptyCell);
    cells[CellIndex(g, 2, 2)] = 1;
    cells[CellIndex(g, 2, 3)] = 1;
    LoadBoard(g, cells);
}

// Links the last pair that LoadLastPair left and runs the removal tick.
inline void RemoveLastPair(Game& g)
{
    ClickTile(g, CellIndex(g, 2, 2));
    ClickTile(g, CellIndex(g, 2, 3));
    RemovalStep(g);
}

} // namespace llk::test
