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
    return cell >= 1 && cell <= CellCount(g) && g.screen.Sprites.size() > static_cast<std::size_t>(cell) &&
           g.screen.Sprites[cell].visible && g.board.Cells[cell] != EmptyCell;
}

} // namespace

void ClickTile(Game& g, int cell)
{
    // The removal tick takes whichever pair formFirstClick and formLastClick hold when it comes:
    // a second link before it would leave the first pair, already paid for, on the Board.
    if (g.switches.Timer1On || !CanBePressed(g, cell))
        return;
    g.selection.SelectionState =
        g.selection.SelectionState == SelectionState::None ? SelectionState::FirstTile : SelectionState::SecondTile;
    ComputeCellMetrics(g);
    const int row = CellRow(g, cell);
    const int col = CellCol(g, cell);
    PlaceMarker(g, g.screen.Shape1, row, col);
    g.screen.Shape2.width = g.screen.CellWidth;
    g.screen.Shape2.height = g.screen.CellHeight;

    if (g.selection.SelectionState == SelectionState::FirstTile) {
        g.screen.Shape1.visible = true;
        g.screen.Shape2.visible = false;
    } else if (g.selection.SelectionState == SelectionState::SecondTile) {
        const int kind = GridAt(g, row, col);
        if (kind != g.selection.SelectedKind || cell == g.selection.SelectedCell) {
            g.selection.SelectionState = SelectionState::FirstTile;
        } else {
            g.screen.Shape1.visible = false;
            g.screen.Shape2.visible = false;
            if (LinkTest(g, g.selection.SelectedCell, cell, true)) {
                g.selection.formFirstClick = g.selection.SelectedCell;
                g.selection.formLastClick = cell;
                RecordRemoval(g, g.selection.SelectedCell, cell);
                SetTimer(g, TimerId::Removal, true);
            }
            g.selection.SelectedKind = 0;
            g.selection.SelectionState = SelectionState::None;
        }
    }
    PlaySound(g, Sound::Click);
    // Recorded even after a link, when nothing stays selected: the next click starts from None
    // and overwrites it.
    g.selection.SelectedKind = GridAt(g, row, col);
    g.selection.SelectedCell = cell;
}

void RecordRemoval(Game& g, int first, int second)
{
    g.counters.TimeBar = std::min<double>(g.counters.TimeBar + LinkedPairTwips, FullTimeBar);
    g.search.CandidateList.Remove(first);
    g.search.CandidateList.Remove(second);
    g.search.ExcludedList.Remove(first);
    g.search.ExcludedList.Remove(second);
    g.search.VisitedList.Append(first);
    g.search.VisitedList.Append(second);
}

void DropSelection(Game& g)
{
    g.selection.SelectionState = SelectionState::None;
    g.selection.SelectedKind = 0;
    g.selection.SelectedCell = 0;
    for (Marker* marker : {&g.screen.Shape1, &g.screen.Shape2}) {
        marker->visible = false;
        marker->hiddenByPause = false;
    }
}

void DropStaleSelection(Game& g)
{
    if (g.selection.SelectionState != SelectionState::FirstTile)
        return;
    const bool stillThere = g.selection.SelectedCell >= 1 && g.selection.SelectedCell <= CellCount(g) &&
                            g.board.Cells[g.selection.SelectedCell] == g.selection.SelectedKind;
    if (stillThere)
        return;
    g.selection.SelectionState = SelectionState::None;
    g.selection.SelectedKind = 0;
    g.selection.SelectedCell = 0;
    g.screen.Shape1.visible = false;
    g.screen.Shape1.hiddenByPause = false;
}

} // namespace llk
