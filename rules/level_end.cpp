#include "rules/level_end.h"

#include <algorithm>

#include "board/board.h"
#include "board/deal.h"
#include "board/shuffle.h"
#include "linking/board_view.h"
#include "linking/link_drawing.h"
#include "linking/selection.h"
#include "rules/countdown.h"
#include "rules/game_state.h"
#include "rules/level_shift.h"
#include "rules/messages.h"
#include "rules/pair_search.h"

namespace llk {
namespace {

void LevelCleared(Game& g)
{
    g.counters.LevelClearedFlag = true;
    g.counters.KindCount += KindCountStep;
    if (g.counters.Level > LastRegularLevel) {
        g.host->ShowMessage(AllClearedText, Icon::Information);
        EndGame(g, GamePhase::Won);
        return;
    }
    const int hints = g.counters.HintsLeft;
    const int shuffles = g.counters.ShufflesLeft;
    const int seconds = RemainingSeconds(g);
    g.host->ShowMessage(BonusText(hints, shuffles, seconds), Icon::Information);
    g.counters.Score += hints * HintBonus + shuffles * ShuffleBonus + seconds * SecondBonus;
    g.counters.TimeBar = FullTimeBar;
    StartCountdown(g);
    ++g.counters.Level;
    g.counters.ShufflesLeft += ShufflesPerLevel;
    g.counters.HintsLeft += HintsPerLevel;

    if (g.counters.Level == LastRegularLevel + 1) {
        ResizeBoard(g, SpecialLevelSize.rows, SpecialLevelSize.cols);
        CreateSprites(g);
        DealSpecialBoard(g);
    } else {
        // Tiles never exceed kind 70, even when a test has set the kind count beyond play.
        DealRegularBoard(g, std::min(g.counters.KindCount, MaxTileKind));
    }
    DropSelection(g);
}

void NoRemovablePair(Game& g)
{
    if (g.counters.ShufflesLeft != 0) {
        g.host->ShowMessage(AutoShuffleText, Icon::Information);
        ++g.counters.AutoShuffles;
        ResetHintState(g);
        ShuffleBoard(g, FindPairLimited);
        --g.counters.ShufflesLeft;
        StartCountdown(g);
        DropSelection(g);
        return;
    }
    g.host->ShowMessage(NoPairGameOverText, Icon::Information);
    ClearBorder(g);
    ClearInner(g);
    EndGame(g, GamePhase::Lost);
}

} // namespace

void RemovePair(Game& g, int a, int b)
{
    for (const int cell : {a, b}) {
        g.screen.Sprites[cell].visible = false;
        g.board.Cells[cell] = EmptyCell;
    }
}

void CheckLevelEnd(Game& g, bool showHint)
{
    switch (FindPair(g, showHint).result) {
    case SearchResult::PairFound: return;
    case SearchResult::BoardEmpty: LevelCleared(g); return;
    case SearchResult::NoRemovablePair: NoRemovablePair(g); return;
    }
}

void RemovalStep(Game& g)
{
    EraseLinkPath(g);
    RemovePair(g, g.selection.formFirstClick, g.selection.formLastClick);
    ShiftBoard(g, g.counters.Level);
    ResetPairSearch(g);
    EraseLinkPath(g);
    CheckLevelEnd(g, false);
    g.counters.Score += RemovalScore;
    PlaySound(g, g.counters.LevelClearedFlag ? Sound::Cleared : Sound::Remove);
    SetTimer(g, TimerId::Removal, false);
    DropStaleSelection(g);
    KeepBoardHiddenWhilePaused(g);
}

} // namespace llk
