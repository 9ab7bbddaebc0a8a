// The whole state of one game, in named parts: the Board, the screen, counters, switches,
// the selection and the pair search.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "board/board_data.h"
#include "board/counters.h"
#include "board/game_phase.h"
#include "board/host.h"
#include "board/pair_search_state.h"
#include "board/screen.h"
#include "board/selection_state.h"
#include "board/switches.h"

namespace llk {

// The time of day in seconds since midnight, as the random generator re-seeds from it.
using TimeOfDay = std::function<double()>;
double SystemTimeOfDay();

// The generator that every draw re-seeds from the time of day; re-seeding mixes the time into
// the state, so draws within one clock value still differ.
struct RandomState {
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
};

// Every part of the state of one game; the window and the tools reach the parts by name.
struct Game {
    Host* host = &nullHost;
    TimeOfDay clock = SystemTimeOfDay;
    RandomState random;
    std::vector<int> DrawList; // the sampler's last draw, from entry 1; entry 0 unused

    Board board;
    Screen screen;
    Counters counters;
    Switches switches;
    GamePhase phase = GamePhase::NoGame;
    Selection selection;
    PairSearchState search;

    static inline NullHost nullHost;
};

// Cell numbering: (row - 1) * ColCount + col, rows and columns from 1.
inline int CellIndex(const Game& g, int row, int col) { return (row - 1) * g.board.ColCount + col; }

inline bool GameRunning(const Game& g) { return g.phase == GamePhase::Running; }
inline bool GameOver(const Game& g) { return IsOver(g.phase); }

// Empties the pair search's state: the next search starts afresh at the first inner Cell.
void ResetPairSearch(Game& g);

// Switches a timer and tells the host, which runs the real one.
void SetTimer(Game& g, TimerId timer, bool on);
// Plays a sound through the host while the sound-effects switch is on.
void PlaySound(Game& g, Sound sound);

} // namespace llk
