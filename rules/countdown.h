// The countdown: Timer2's tick that shortens the time bar, and the switch that starts it.
#pragma once

#include "board/game.h"

namespace llk {

constexpr int TimeBarTickTwips = 20;  // one second of the countdown
constexpr int TimeOutBelowTwips = 50; // the countdown ends the game below this width

// Switches the countdown on, unless the game is paused (resuming switches it on then) or no
// longer running.
void StartCountdown(Game& g);

// Timer2's tick, run only while the timer is on: one second off the time bar, or the game lost
// on time once the bar is shorter than TimeOutBelowTwips.
void Countdown(Game& g);

// The time bar in whole seconds, rounded down.
int RemainingSeconds(const Game& g);

} // namespace llk
