#include "rules/game_state.h"

#include <cassert>

#include "board/board.h"
#include "linking/selection.h"
#include "rules/countdown.h"

namespace llk {
namespace {

// While paused the markers would show where the tiles are: they wait, flagged, for the resume.
void HideMarkersWhilePaused(Game& g)
{
    for (Marker* marker : {&g.screen.Shape1, &g.screen.Shape2})
        if (marker->visible) {
            marker->visible = false;
            marker->hiddenByPause = true;
        }
}

} // namespace

void EndGame(Game& g, GamePhase how)
{
    SetTimer(g, TimerId::Countdown, false);
    SetTimer(g, TimerId::Removal, false);
    assert(IsOver(how));
    g.phase = how;
    DropSelection(g);
    g.host->GameEnded(how);
}

void gamePAUSE(Game& g)
{
    g.screen.PausePictureLeft = (ClientWidthTwips - PausePictureTwips) / 2;
    g.screen.PausePictureTop = (ClientHeightTwips - PausePictureTwips) / 2;
    if (g.switches.Paused) {
        SetTimer(g, TimerId::Countdown, false);
        g.screen.PausePictureVisible = true;
        ForEachInnerCell(g, [&](int, int, int cell) { g.screen.Sprites[cell].visible = false; });
        HideMarkersWhilePaused(g);
    } else {
        StartCountdown(g);
        g.screen.PausePictureVisible = false;
        ForEachInnerCell(g, [&](int, int, int cell) {
            if (g.board.Cells[cell] != EmptyCell)
                g.screen.Sprites[cell].visible = true;
        });
        for (Marker* marker : {&g.screen.Shape1, &g.screen.Shape2})
            if (marker->hiddenByPause) {
                marker->visible = true;
                marker->hiddenByPause = false;
            }
    }
}

void KeepBoardHiddenWhilePaused(Game& g)
{
    if (!g.switches.Paused)
        return;
    ForEachInnerCell(g, [&](int, int, int cell) { g.screen.Sprites[cell].visible = false; });
    HideMarkersWhilePaused(g);
}

void TogglePause(Game& g)
{
    g.switches.Paused = !g.switches.Paused;
    gamePAUSE(g);
}

void SetSoundEffects(Game& g, bool on) { g.switches.SoundEffects = on; }

} // namespace llk
