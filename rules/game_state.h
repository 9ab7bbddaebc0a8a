// The life of a game: running, paused, over; and the Settings switch the engine keeps.
#pragma once

#include "board/game.h"

namespace llk {

// Ends the game as won or lost: both timers off (a removal still due belongs to the ended game),
// the selection dropped. The Board is the caller's: a loss empties it, a win already is.
void EndGame(Game& g, GamePhase how);

// Applies the pause switch: the countdown off, every inner sprite and both markers hidden while
// paused; on resume the occupied inner Cells shown again, each marker as it was before the pause
// and, while a game runs, the countdown on. The pause picture is centred in the client area and
// shown while paused.
void gamePAUSE(Game& g);

// The Items menu's pause (F11 and Space): flips the switch and applies it.
void TogglePause(Game& g);

// Anything that showed tiles or markers during a pause (a shift, a deal, a hint) is hidden again
// until resume; the markers come back then.
void KeepBoardHiddenWhilePaused(Game& g);

// The Settings menu's sound-effects switch.
void SetSoundEffects(Game& g, bool on);

} // namespace llk
