// The switches of a game: sound effects and pause from the menus, and the two game timers.
#pragma once

#include "board/host.h"

namespace llk {

struct Switches {
    bool SoundEffects = true; // mnyx
    bool Music = true;        // mnmusic: the window plays music while a game runs and this is on
    bool Paused = false;      // mnpause
    bool Timer1On = false;
    bool Timer2On = false;
    bool GameRunning = false;
    GameOutcome Outcome = GameOutcome::None;
};

} // namespace llk
