// Form1's keyboard play: the focus frame that the arrow keys move and Return presses.
#include <QKeyEvent>

#include "app/client_area.h"
#include "app/keyboard_frame.h"
#include "app/main_window.h"
#include "rules/commands.h"

namespace llk::app {
namespace {

// The Cell a marker outlines, 0 for a marker off the Board.
int MarkedCell(const Game& g, const Marker& marker)
{
    if (g.screen.CellWidth <= 0 || g.screen.CellHeight <= 0)
        return 0;
    const int row = (marker.top - g.screen.SpriteOriginY) / g.screen.CellHeight + 1;
    const int col = (marker.left - g.screen.SpriteOriginX) / g.screen.CellWidth + 1;
    if (row < 1 || row > g.board.RowCount || col < 1 || col > g.board.ColCount)
        return 0;
    return CellIndex(g, row, col);
}

bool FrameUsable(const Game& g) { return GameRunning(g) && !g.switches.Paused; }

} // namespace

int Form1::FrameCell() const { return m_frame && m_frame->isVisible() ? m_frameCell : 0; }

void Form1::onBoardKey(int key)
{
    RunHandler([this, key] {
        if (!FrameUsable(m_game) || !FirstTile(m_game))
            return;
        const bool shown = m_frameWanted && HoldsTile(m_game, m_frameCell);
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (shown)
                ClickTile(m_game, m_frameCell); // exactly as a left click on its sprite
            else
                ShowFrameAt(0);
            return;
        }
        if (!shown || (m_frameToHint && m_game.screen.Shape1.visible)) {
            ShowFrameAt(m_frameToHint && m_game.screen.Shape1.visible ? MarkedCell(m_game, m_game.screen.Shape1) : 0);
            return;
        }
        const Arrow arrow = key == Qt::Key_Left    ? Arrow::Left
                            : key == Qt::Key_Right ? Arrow::Right
                            : key == Qt::Key_Up    ? Arrow::Up
                                                   : Arrow::Down;
        m_frameCell = TileTowards(m_game, m_frameCell, arrow);
    });
}

// The frame appears on the hinted tile, else the selected one, else the first in reading order.
void Form1::ShowFrameAt(int cell)
{
    m_frameToHint = false;
    if (!HoldsTile(m_game, cell))
        cell = m_game.selection.SelectionState == SelectionState::FirstTile && HoldsTile(m_game, m_game.selection.SelectedCell)
                   ? m_game.selection.SelectedCell
                   : FirstTile(m_game);
    m_frameCell = cell;
    m_frameLevel = m_game.counters.Level;
    m_frameWanted = true;
}

void Form1::TileMoved(int from, int to)
{
    if (from == m_frameCell)
        m_frameCell = to;
}

void Form1::UpdateFrame()
{
    if (!GameRunning(m_game))
        m_frameWanted = false;
    if (m_frameLevel != m_game.counters.Level) { // a new game or level starts on its first tile
        m_frameLevel = m_game.counters.Level;
        m_frameCell = 0;
    }
    if (!HoldsTile(m_game, m_frameCell))
        m_frameCell = m_frameCell ? NearestTile(m_game, m_frameCell) : FirstTile(m_game);
    const bool visible = m_frameWanted && FrameUsable(m_game) && m_frameCell > 0;
    if (!visible) {
        if (m_frame && m_frame->isVisible())
            m_frame->hide();
        return;
    }
    if (!m_frame)
        m_frame = new FocusFrame(m_sprites->parentWidget());
    const QRect area = CellArea(m_game, m_frameCell);
    if (m_frame->geometry() != area)
        m_frame->setGeometry(area);
    if (!m_frame->isVisible()) {
        m_frame->raise(); // above the sprites and the markers
        m_frame->show();
    }
}

} // namespace llk::app
