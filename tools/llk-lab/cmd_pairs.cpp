// llk-lab pairs BOARD: a fresh pair search, as right after a removal.
#include <iostream>

#include "rules/pair_search.h"
#include "tools/llk-lab/board_file.h"
#include "tools/llk-lab/commands.h"

namespace llk::lab {

int RunPairs(Args args)
{
    if (args.size() != 1)
        return Fail("pairs: expected BOARD");
    const BoardFileResult file = ReadBoardFile(args[0]);
    if (!file.board)
        return Fail(file.error);
    Game g;
    LoadBoard(g, *file.board);
    ResetPairSearch(g);
    const PairSearchOutcome found = FindPair(g, false);
    switch (found.result) {
    case SearchResult::PairFound: std::cout << "pair " << found.pair.first << ' ' << found.pair.second << '\n'; break;
    case SearchResult::BoardEmpty: std::cout << "empty\n"; break;
    case SearchResult::NoRemovablePair: std::cout << "dead\n"; break;
    }
    return 0;
}

} // namespace llk::lab
