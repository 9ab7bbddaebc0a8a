// The phase of a game: none started yet, running, or over and how it ended.
#pragma once

namespace llk {

// Lost is a board without a removable pair and no shuffle left. A new start from any phase runs.
enum class GamePhase { NoGame, Running, Won, Lost, TimeUp };

inline bool IsOver(GamePhase phase) { return phase != GamePhase::NoGame && phase != GamePhase::Running; }

} // namespace llk
