// The switches of a game: sound effects and pause from the menus, and the two game timers.
#pragma once

namespace llk {

struct Switches {
    bool SoundEffects = true; // mnyx
    bool Paused = false;      // mnpause
    bool Timer1On = false;
    bool Timer2On = false;
};

} // namespace llk
