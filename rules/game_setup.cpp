#include "rules/game_setup.h"

#include "board/board.h"
#include "board/deal.h"
#include "board/difficulty.h"
#include "linking/board_view.h"
#include "linking/selection.h"
#include "rules/countdown.h"
#include "rules/game_state.h"

namespace llk {

void gameLoadData(Game& g)
{
    g.counters.ShufflesLeft = StartShuffles;
    g.counters.HintsLeft = StartHints;
    g.counters.Level = 1;
    g.counters.KindCount = StartKindCount;
    g.counters.AutoShuffles = 0;
    StartCountdown(g);
}

bool StartGame(Game& g, int theme, int difficulty)
{
    if (!IsTheme(theme))
        return false;
    g.board.ThemeIndex = theme;
    const auto size = BoardSizeFor(difficulty, theme);
    if (!size)
        return false;
    g.board.DifficultyIndex = difficulty;

    // A new game replaces the old one entirely: a removal still due for the old Board would
    // empty two Cells of the new one, and a pause or a selection would outlive the game.
    SetTimer(g, TimerId::Removal, false);
    SetTimer(g, TimerId::Countdown, false);
    g.switches.Paused = false;
    g.screen.PausePictureVisible = false;
    DropSelection(g);
    g.phase = GamePhase::Running;

    ResizeBoard(g, size->rows, size->cols);
    CreateSprites(g);
    const bool special = difficulty == static_cast<int>(Difficulty::Special);
    if (special)
        DealSpecialBoard(g);
    else
        DealRegularBoard(g, StartKindCount);
    ResetTimeAndScore(g);
    gameLoadData(g);
    if (special) {
        g.counters.ShufflesLeft = SpecialShuffles;
        g.counters.Level = SpecialLevel;
        g.counters.HintsLeft = SpecialHints;
        StartCountdown(g);
    }
    return true;
}

void LoadBoard(Game& g, std::span<const int> cells)
{
    SetTimer(g, TimerId::Removal, false);
    PlaceTiles(g, cells);
    ResetHintState(g);
    DropSelection(g);
    KeepBoardHiddenWhilePaused(g);
}

} // namespace llk
