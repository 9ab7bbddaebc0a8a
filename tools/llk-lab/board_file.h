// Board files: the text form of a Board that llk-lab reads, row by row, and loads into a Game.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "board/game.h"

namespace llk::lab {

constexpr int MinBoardSide = 3;
using llk::MaxBoardSide;

// A Board as read: `cells` holds entries 1 to rows x cols by CellIndex; entry 0 is unused.
struct BoardPicture {
    int rows = 0;
    int cols = 0;
    std::vector<int> cells{0};
};

// What is wrong with a board, and on which line of its file.
struct BoardError {
    int line = 0;
    std::string what;
};

// Builds a BoardPicture from lines, so that a script can hold a board between its commands.
class BoardReader {
public:
    // Takes one line; empty lines and '#' lines are skipped.
    std::optional<BoardError> AddLine(std::string_view line, int lineNumber);
    // Checks that the rows read make a whole board; `lastLine` is the line it ended on.
    std::optional<BoardError> Finish(int lastLine);
    const BoardPicture& Board() const { return m_board; }

private:
    BoardPicture m_board;
    int m_lastRowLine = 0;
};

// A board file, or standard input for "-". The error is a whole message without the
// "llk-lab: " prefix: the file's name and, for a broken board, the line.
struct BoardFileResult {
    std::optional<BoardPicture> board;
    std::string error;
};
BoardFileResult ReadBoardFile(std::string_view path);

// Sizes the Game's Board to the picture, creates the sprites and lays the tiles out as a deal
// would, in Theme 0, whose pictures cover all seventy kinds.
void LoadBoard(Game& g, const BoardPicture& board);

// One row per line, Cells separated by one space: the form llk-lab prints a Board in.
std::string FormatBoard(const Game& g);

} // namespace llk::lab
