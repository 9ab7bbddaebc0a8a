#include "tools/llk-lab/board_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "board/board.h"
#include "linking/board_view.h"
#include "tools/llk-lab/commands.h"

namespace llk::lab {
namespace {

// No valid board comes near this: 30 rows of 30 two-digit Cells plus comments.
constexpr std::size_t MaxFileBytes = 1 << 20;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> SplitTokens(std::string_view line)
{
    std::vector<std::string_view> tokens;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && IsBlank(line[pos]))
            ++pos;
        const std::size_t start = pos;
        while (pos < line.size() && !IsBlank(line[pos]))
            ++pos;
        if (pos > start)
            tokens.push_back(line.substr(start, pos - start));
    }
    return tokens;
}

// "0", or a kind from 1 to 70 written without leading zeros.
std::optional<int> ParseCell(std::string_view token)
{
    if (token.empty() || token.size() > 2 || (token.size() == 2 && token[0] == '0'))
        return std::nullopt;
    int value = 0;
    for (const char c : token) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > MaxTileKind)
        return std::nullopt;
    return value;
}

BoardError ErrorAt(int line, std::string what) { return {line, std::move(what)}; }

std::string BorderMessage(int row, int col, int kind)
{
    return "border cell at row " + std::to_string(row) + ", column " + std::to_string(col) + " holds " +
           std::to_string(kind) + "; the border must be 0";
}

} // namespace

std::optional<BoardError> BoardReader::AddLine(std::string_view line, int lineNumber)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const std::vector<std::string_view> tokens = SplitTokens(line);
    if (tokens.empty() || tokens.front().front() == '#')
        return std::nullopt;

    if (m_board.rows == MaxBoardSide)
        return ErrorAt(lineNumber, "more than " + std::to_string(MaxBoardSide) + " rows");
    const int cols = static_cast<int>(tokens.size());
    if (m_board.rows > 0 && cols != m_board.cols)
        return ErrorAt(lineNumber,
                       "row has " + std::to_string(cols) + " cells, the rows above have " + std::to_string(m_board.cols));
    if (cols < MinBoardSide || cols > MaxBoardSide)
        return ErrorAt(lineNumber, "row has " + std::to_string(cols) + " cells; a board has " +
                                       std::to_string(MinBoardSide) + " to " + std::to_string(MaxBoardSide) + " columns");

    const int row = m_board.rows + 1;
    for (int col = 1; col <= cols; ++col) {
        const std::string_view token = tokens[static_cast<std::size_t>(col - 1)];
        const std::optional<int> kind = ParseCell(token);
        if (!kind)
            return ErrorAt(lineNumber, Quote(token) + " is not a cell (0 for empty, 1 to 70 for a tile)");
        const bool border = row == 1 || col == 1 || col == cols;
        if (border && *kind != EmptyCell)
            return ErrorAt(lineNumber, BorderMessage(row, col, *kind));
        m_board.cells.push_back(*kind);
    }
    m_board.rows = row;
    m_board.cols = cols;
    m_lastRowLine = lineNumber;
    return std::nullopt;
}

std::optional<BoardError> BoardReader::Finish(int lastLine)
{
    if (m_board.rows < MinBoardSide)
        return ErrorAt(std::max(lastLine, 1), "the board ends after " + std::to_string(m_board.rows) +
                                                  " rows; it needs at least " + std::to_string(MinBoardSide));
    const int bottomStart = (m_board.rows - 1) * m_board.cols;
    for (int col = 1; col <= m_board.cols; ++col) {
        const int kind = m_board.cells[static_cast<std::size_t>(bottomStart + col)];
        if (kind != EmptyCell)
            return ErrorAt(m_lastRowLine, BorderMessage(m_board.rows, col, kind));
    }
    return std::nullopt;
}

BoardFileResult ReadBoardFile(std::string_view path)
{
    const std::string name = path == "-" ? std::string("standard input") : Quote(path);
    std::string text;
    if (path == "-") {
        text.resize(MaxFileBytes + 1);
        std::cin.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(std::cin.gcount()));
    } else {
        std::error_code error;
        const std::filesystem::path file{std::string(path)};
        if (std::filesystem::is_directory(file, error))
            return {std::nullopt, "cannot read board " + name + ": it is a folder"};
        std::ifstream in(file, std::ios::binary);
        if (!in)
            return {std::nullopt, "cannot open board file " + name + ": " + std::strerror(errno)};
        text.resize(MaxFileBytes + 1);
        in.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(in.gcount()));
        if (in.bad())
            return {std::nullopt, "cannot read board file " + name};
    }
    if (text.size() > MaxFileBytes)
        return {std::nullopt, "board " + name + " is larger than 1 MiB; no board is that big"};

    BoardReader reader;
    int lineNumber = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        ++lineNumber;
        if (auto error = reader.AddLine(std::string_view(text).substr(pos, end - pos), lineNumber))
            return {std::nullopt, name + ": line " + std::to_string(error->line) + ": " + error->what};
        pos = end + 1;
    }
    if (auto error = reader.Finish(lineNumber))
        return {std::nullopt, name + ": line " + std::to_string(error->line) + ": " + error->what};
    return {reader.Board(), {}};
}

void LoadBoard(Game& g, const BoardPicture& board)
{
    g.board.ThemeIndex = 0;
    ResizeBoard(g, board.rows, board.cols);
    CreateSprites(g);
    PlaceTiles(g, board.cells);
}

std::string FormatBoard(const Game& g)
{
    std::ostringstream out;
    for (int row = 1; row <= g.board.RowCount; ++row) {
        for (int col = 1; col <= g.board.ColCount; ++col)
            out << (col > 1 ? " " : "") << g.board.Cells[CellIndex(g, row, col)];
        out << '\n';
    }
    return out.str();
}

} // namespace llk::lab
