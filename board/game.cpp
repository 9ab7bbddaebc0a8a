#include "board/game.h"

#include <chrono>

namespace llk {

double SystemTimeOfDay()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    return duration<double>(sinceMidnight).count();
}

void ResetPairSearch(Game& g)
{
    g.search.SearchCursor = 0;
    g.search.SearchKind = 0;
    g.search.CandidateList.clear();
    g.search.VisitedList.clear();
    g.search.ExcludedList.clear();
    g.search.FoundFirst = 0;
    g.search.FoundSecond = 0;
}

void SetTimer(Game& g, TimerId timer, bool on)
{
    (timer == TimerId::Removal ? g.switches.Timer1On : g.switches.Timer2On) = on;
    g.host->TimerSwitched(timer, on);
}

void PlaySound(Game& g, Sound sound)
{
    if (g.switches.SoundEffects)
        g.host->PlaySound(sound);
}

} // namespace llk
