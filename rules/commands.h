// The engine's entry points for a window or a tool: one per menu command, mouse press and timer tick.
#pragma once

#include <string>

#include "board/difficulty.h"
#include "board/game.h"
#include "linking/selection.h" // ClickTile, the mouse press

namespace llk {

// The Game-menu start of a Theme (0-29) and Difficulty (0-4). Returns false, after setting
// ThemeIndex only, for a difficulty outside 0-4, and changes nothing for a theme outside 0-29.
bool StartGame(Game& g, int theme, int difficulty);

// Timer1 and Timer2 ticks. The caller runs them only while the timer is on.
void RemovalStep(Game& g);
void Countdown(Game& g);

// The Items menu: F5, F6 and F11 (and Space).
void HintCommand(Game& g);
void ShuffleCommand(Game& g);
void TogglePause(Game& g);

// The Settings menu's switches.
void SetSoundEffects(Game& g, bool on);

// The level caption of the status line, empty outside 1-12.
std::string Levelstr(int level);

} // namespace llk
