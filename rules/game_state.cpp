#include "rules/game_state.h"

#include "board/board.h"
#include "linking/selection.h"
#include "rules/commands.h"

namespace llk {
namespace {

template <typename Visit>
void ForEachInnerCell(const Game& g, Visit visit)
{
    for (int row = 2; row <= g.RowCount - 1; ++row)
        for (int col = 2; col <= g.ColCount - 1; ++col)
            visit(CellIndex(g, row, col));
}

// While paused the markers would show where the tiles are: they wait, flagged, for the resume.
void HideMarkersWhilePaused(Game& g)
{
    for (Marker* marker : {&g.Shape1, &g.Shape2})
        if (marker->visible) {
            marker->visible = false;
            marker->hiddenByPause = true;
        }
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
        HideMarkersWhilePaused(g);
    } else {
        StartCountdown(g);
        g.PausePictureVisible = false;
        ForEachInnerCell(g, [&](int cell) {
            if (g.Cells[cell] != EmptyCell)
                g.Sprites[cell].visible = true;
        });
        for (Marker* marker : {&g.Shape1, &g.Shape2})
            if (marker->hiddenByPause) {
                marker->visible = true;
                marker->hiddenByPause = false;
            }
    }
}

void KeepBoardHiddenWhilePaused(Game& g)
{
    if (!g.Paused)
        return;
    ForEachInnerCell(g, [&](int cell) { g.Sprites[cell].visible = false; });
    HideMarkersWhilePaused(g);
}

void TogglePause(Game& g)
{
    g.Paused = !g.Paused;
    gamePAUSE(g);
}

void SetSoundEffects(Game& g, bool on) { g.SoundEffects = on; }

} // namespace llk
