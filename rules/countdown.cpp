#include "rules/countdown.h"

#include <cmath>

#include "board/board.h"
#include "rules/game_state.h"
#include "rules/messages.h"

namespace llk {

void StartCountdown(Game& g)
{
    if (g.switches.Paused || !GameRunning(g))
        return;
    SetTimer(g, TimerId::Countdown, true);
}

void Countdown(Game& g)
{
    if (g.counters.TimeBar < TimeOutBelowTwips) {
        g.host->ShowMessage(TimeUpText, Icon::Error);
        ClearBorder(g);
        ClearInner(g);
        EndGame(g, GamePhase::TimeUp);
        return;
    }
    g.counters.TimeBar -= TimeBarTickTwips;
}

int RemainingSeconds(const Game& g) { return static_cast<int>(std::floor(g.counters.TimeBar / TimeBarTickTwips)); }

} // namespace llk
