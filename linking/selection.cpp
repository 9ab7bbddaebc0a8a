#include "linking/selection.h"

#include <algorithm>

#include "board/board.h"
#include "linking/board_view.h"
#include "linking/link_search.h"

namespace llk {
namespace {

constexpr int LinkedPairTwips = 80; // four seconds of the time bar

bool CanBePressed(const Game& g, int cell)
{
    return cell >= 1 && cell <= CellCount(g) && g.Sprites.size() > static_cast<std::size_t>(cell) &&
           g.Sprites[cell].visible && g.Cells[cell] != EmptyCell;
}

} // namespace

void ClickTile(Game& g, int cell)
{
    // The removal tick takes whichever pair formFirstClick and formLastClick hold when it comes:
    // a second link before it would leave the first pair, already paid for, on the Board.
    if (g.Timer1On || !CanBePressed(g, cell))
        return;
    ++g.SelectionState;
    ComputeCellMetrics(g);
    const int row = CellRow(g, cell);
    const int col = CellCol(g, cell);
    PlaceMarker(g, g.Shape1, row, col);
    g.Shape2.width = g.CellWidth;
    g.Shape2.height = g.CellHeight;

    if (g.SelectionState == 1) {
        g.Shape1.visible = true;
        g.Shape2.visible = false;
    } else if (g.SelectionState == 2) {
        const int kind = GridAt(g, row, col);
        if (kind != g.SelectedKind || cell == g.SelectedCell) {
            g.SelectionState = 1;
        } else {
            g.Shape1.visible = false;
            g.Shape2.visible = false;
            if (LinkTest(g, g.SelectedCell, cell, true)) {
                g.formFirstClick = g.SelectedCell;
                g.formLastClick = cell;
                RecordRemoval(g, g.SelectedCell, cell);
                SetTimer(g, TimerId::Removal, true);
            }
            g.SelectedKind = 0;
            g.SelectionState = 0;
        }
    }
    PlaySound(g, Sound::Click);
    // Recorded even after a link, when nothing stays selected: the next click starts from state 0
    // and overwrites it.
    g.SelectedKind = GridAt(g, row, col);
    g.SelectedCell = cell;
}

void RecordRemoval(Game& g, int first, int second)
{
    g.TimeBar = std::min<double>(g.TimeBar + LinkedPairTwips, FullTimeBar);
    g.CandidateList.Remove(first);
    g.CandidateList.Remove(second);
    g.ExcludedList.Remove(first);
    g.ExcludedList.Remove(second);
    g.VisitedList.Append(first);
    g.VisitedList.Append(second);
}

void DropSelection(Game& g)
{
    g.SelectionState = 0;
    g.SelectedKind = 0;
    g.SelectedCell = 0;
    for (Marker* marker : {&g.Shape1, &g.Shape2}) {
        marker->visible = false;
        marker->hiddenByPause = false;
    }
}

void DropStaleSelection(Game& g)
{
    if (g.SelectionState != 1)
        return;
    const bool stillThere = g.SelectedCell >= 1 && g.SelectedCell <= CellCount(g) &&
                            g.Cells[g.SelectedCell] == g.SelectedKind;
    if (stillThere)
        return;
    g.SelectionState = 0;
    g.SelectedKind = 0;
    g.SelectedCell = 0;
    g.Shape1.visible = false;
    g.Shape1.hiddenByPause = false;
}

} // namespace llk
