#include "rules/hint_and_shuffle.h"

#include "board/shuffle.h"
#include "linking/selection.h"
#include "rules/game_state.h"
#include "rules/level_end.h"
#include "rules/pair_search.h"

namespace llk {

// Hint and Shuffle do nothing once a game is over (the emptied Board would pass for a cleared
// level) and while a linked pair waits for its removal tick (the search skips the pair's Cells,
// and a shuffle would put other kinds under them).
void HintCommand(Game& g)
{
    if (!GameRunning(g) || g.switches.Timer1On || g.counters.HintsLeft < 1)
        return;
    CheckLevelEnd(g, true);
    --g.counters.HintsLeft;
    KeepBoardHiddenWhilePaused(g);
}

void ShuffleCommand(Game& g)
{
    if (!GameRunning(g) || g.switches.Timer1On || g.counters.ShufflesLeft < 1)
        return;
    if (!ShuffleBoard(g, FindPairLimited))
        return;
    --g.counters.ShufflesLeft;
    DropSelection(g);
}

} // namespace llk
