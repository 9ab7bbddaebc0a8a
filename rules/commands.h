// The engine's entry points for a window or a tool, one per menu command, mouse press and timer
// tick, each declared beside the rules it runs:
//   StartGame                    rules/game_setup.h
//   ClickTile                    linking/selection.h   (the mouse press)
//   RemovalStep                  rules/level_end.h     (Timer1)
//   Countdown                    rules/countdown.h     (Timer2)
//   HintCommand, ShuffleCommand  rules/hint_and_shuffle.h
//   TogglePause, SetSoundEffects rules/game_state.h
//   Levelstr                     rules/messages.h      (the status line's level caption)
#pragma once

#include "board/difficulty.h"
#include "board/game.h"
#include "linking/selection.h"
#include "rules/countdown.h"
#include "rules/game_setup.h"
#include "rules/game_state.h"
#include "rules/hint_and_shuffle.h"
#include "rules/level_end.h"
#include "rules/messages.h"
