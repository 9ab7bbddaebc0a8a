// llk-lab link BOARD A B: the link search between two Cells with drawing on, and the path drawn.
#include <iostream>
#include <string>

#include "board/board.h"
#include "linking/link_search.h"
#include "tools/llk-lab/board_file.h"
#include "tools/llk-lab/commands.h"

namespace llk::lab {
namespace {

// Why `cell` cannot be an end of a link on this board, or nothing when it can.
std::optional<std::string> CellProblem(const Game& g, int cell)
{
    const std::string name = "cell " + std::to_string(cell);
    if (cell < 1 || cell > CellCount(g))
        return name + " is outside the board (1 to " + std::to_string(CellCount(g)) + ")";
    if (IsBorderCell(g, CellRow(g, cell), CellCol(g, cell)))
        return name + " is on the border";
    if (g.board.Cells[cell] == EmptyCell)
        return name + " holds no tile";
    return std::nullopt;
}

} // namespace

int RunLink(Args args)
{
    if (args.size() != 3)
        return Fail("link: expected BOARD A B");
    const std::optional<int> first = ParseInt(args[1]);
    const std::optional<int> second = ParseInt(args[2]);
    if (!first || !second)
        return Fail("link: " + Quote(first ? args[2] : args[1]) + " is not a cell number");

    const BoardFileResult file = ReadBoardFile(args[0]);
    if (!file.board)
        return Fail(file.error);
    Game g;
    LoadBoard(g, *file.board);
    for (const int cell : {*first, *second})
        if (auto problem = CellProblem(g, cell))
            return Fail("link: " + *problem);
    if (*first == *second)
        return Fail("link: A and B must be two different cells");

    const bool linked = LinkTest(g, *first, *second, true);
    std::string out = linked ? "true\n" : "false\n";
    for (int cell = 1; linked && cell <= CellCount(g); ++cell) {
        const TileSprite& sprite = g.screen.Sprites[cell];
        if (sprite.visible && sprite.picture == SpritePicture::LinkPiece)
            out += std::to_string(cell) + ' ' + std::to_string(sprite.pictureNumber) + '\n';
    }
    std::cout << out;
    return 0;
}

} // namespace llk::lab
