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
    g.SearchCursor = 0;
    g.SearchKind = 0;
    g.CandidateList.clear();
    g.VisitedList.clear();
    g.ExcludedList.clear();
    g.FoundFirst = 0;
    g.FoundSecond = 0;
}

void SetTimer(Game& g, TimerId timer, bool on)
{
    (timer == TimerId::Removal ? g.Timer1On : g.Timer2On) = on;
    g.host->TimerSwitched(timer, on);
}

void PlaySound(Game& g, Sound sound)
{
    if (g.SoundEffects)
        g.host->PlaySound(sound);
}

} // namespace llk
