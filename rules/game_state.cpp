#include "rules/game_state.h"

#include "board/board.h"
#include "linking/selection.h"

namespace llk {
namespace {

template <typename Visit>
void ForEachInnerCell(const Game& g, Visit visit)
{
    for (int row = 2; row <= g.RowCount - 1; ++row)
        for (int col = 2; col <= g.ColCount - 1; ++col)
            visit(CellIndex(g, row, col));
}

} // namespace

void StartCountdown(Game& g)
{
    if (g.Paused || !g.GameRunning)
        return;
    SetTimer(g, TimerId::Countdown, true);
}

void EndGame(Game& g, GameOutcome outcome)
{
    SetTimer(g, TimerId::Countdown, false);
    SetTimer(g, TimerId::Removal, false);
    g.Outcome = outcome;
    g.GameRunning = false;
    DropSelection(g);
    g.host->GameEnded(outcome);
}

void gamePAUSE(Game& g)
{
    g.PausePictureLeft = (ClientWidthTwips - PausePictureTwips) / 2;
    g.PausePictureTop = (ClientHeightTwips - PausePictureTwips) / 2;
    if (g.Paused) {
        SetTimer(g, TimerId::Countdown, false);
        g.PausePictureVisible = true;
        ForEachInnerCell(g, [&](int cell) { g.Sprites[cell].visible = false; });
    } else {
        StartCountdown(g);
        g.PausePictureVisible = false;
        ForEachInnerCell(g, [&](int cell) {
            if (g.Cells[cell] != EmptyCell)
                g.Sprites[cell].visible = true;
        });
    }
}

void KeepTilesHiddenWhilePaused(Game& g)
{
    if (g.Paused)
        ForEachInnerCell(g, [&](int cell) { g.Sprites[cell].visible = false; });
}

} // namespace llk
