// Builds Games from pictures of their Board, and pictures of what a Game shows, for tests.
#pragma once

#include <algorithm>
#include <cassert>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "board/game.h"
#include "linking/board_view.h"

namespace llk::test {

// One Cell of a row picture: '.' or '0' empty, '1' to '9' a tile of that kind.
inline int CellFromChar(char c)
{
    assert(c == '.' || (c >= '0' && c <= '9'));
    return c == '.' ? EmptyCell : c - '0';
}

// Each string is one row, border included. A row is one character per Cell, or, when it
// contains spaces, Cells written as numbers separated by spaces (for kinds above 9).
// The Game is in Theme `theme` with its sprites laid out and the tiles shown, as after a deal.
template <typename Rows> Game MakeBoardFrom(const Rows& rows, int theme)
{
    std::vector<int> cells{0};
    int cols = 0;
    for (const std::string_view row : rows) {
        const std::size_t before = cells.size();
        if (row.find(' ') == std::string_view::npos) {
            for (const char c : row)
                cells.push_back(CellFromChar(c));
        } else {
            std::size_t pos = 0;
            while (pos < row.size()) {
                const std::size_t end = std::min(row.find(' ', pos), row.size());
                if (end > pos)
                    cells.push_back(std::stoi(std::string(row.substr(pos, end - pos))));
                pos = end + 1;
            }
        }
        const int width = static_cast<int>(cells.size() - before);
        assert(cols == 0 || width == cols);
        cols = width;
    }
    Game g;
    g.board.ThemeIndex = theme;
    ResizeBoard(g, static_cast<int>(rows.size()), cols);
    CreateSprites(g);
    PlaceTiles(g, cells);
    return g;
}

inline Game MakeBoard(std::initializer_list<std::string_view> rows, int theme = 0)
{
    return MakeBoardFrom(rows, theme);
}

inline Game MakeBoard(const std::vector<std::string>& rows, int theme = 0) { return MakeBoardFrom(rows, theme); }

// The character a LinkPiece shows in ShowPicture: straight pieces as '-' and '|', corners as
// the pipe letters 'F' (right and down), 'L' (up and right), '7' (left and down), 'J' (up and left).
inline char PieceChar(int member)
{
    constexpr std::string_view Pieces = "?-|FL7J";
    return member >= 1 && member <= 6 ? Pieces[static_cast<std::size_t>(member)] : '?';
}

// What the board shows: visible LinkPieces by PieceChar, other Cells as MakeBoard reads them
// ('#' for a tile above kind 9). A tile whose sprite is hidden shows as 'h'.
inline std::vector<std::string> ShowPicture(const Game& g)
{
    std::vector<std::string> picture;
    for (int row = 1; row <= g.board.RowCount; ++row) {
        std::string line;
        for (int col = 1; col <= g.board.ColCount; ++col) {
            const int cell = CellIndex(g, row, col);
            const TileSprite& sprite = g.screen.Sprites[static_cast<std::size_t>(cell)];
            const int kind = g.board.Cells[static_cast<std::size_t>(cell)];
            if (sprite.visible && sprite.picture == SpritePicture::LinkPiece)
                line += PieceChar(sprite.pictureNumber);
            else if (kind == EmptyCell)
                line += '.';
            else if (!sprite.visible)
                line += 'h';
            else
                line += kind <= 9 ? static_cast<char>('0' + kind) : '#';
        }
        picture.push_back(line);
    }
    return picture;
}

inline std::vector<std::string> Picture(std::initializer_list<std::string_view> rows)
{
    return {rows.begin(), rows.end()};
}

} // namespace llk::test
