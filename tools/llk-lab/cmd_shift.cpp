// llk-lab shift BOARD LEVEL: the movement rule of one level, applied once.
#include <iostream>
#include <string>

#include "rules/level_shift.h"
#include "tools/llk-lab/board_file.h"
#include "tools/llk-lab/commands.h"

namespace llk::lab {

int RunShift(Args args)
{
    if (args.size() != 2)
        return Fail("shift: expected BOARD LEVEL");
    const std::optional<int> level = ParseInt(args[1]);
    if (!level)
        return Fail("shift: " + Quote(args[1]) + " is not a level number");
    const BoardFileResult file = ReadBoardFile(args[0]);
    if (!file.board)
        return Fail(file.error);
    if (file.board->cols % 2 != 0)
        return Fail("shift: the board has " + std::to_string(file.board->cols) +
                    " columns; the level shifts need an even number");
    Game g;
    LoadBoard(g, *file.board);
    ShiftBoard(g, *level);
    std::cout << FormatBoard(g);
    return 0;
}

} // namespace llk::lab
