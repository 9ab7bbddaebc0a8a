// Keyboard play through the real Form1: the focus frame, Return as a click, and where the frame goes.
#include <QTimer>

#include "app/keyboard_frame.h"
#include "rules/commands.h"
#include "tests/app/form_fixture.h"

namespace llk::test {
namespace {

class Keys : public FormTest {
protected:
    void Press(Qt::Key key) { QTest::keyClick(Sprites(), key); }
    int Cell(int row, int col) { return CellIndex(game(), row, col); }
    int Frame() { return form->FrameCell(); }
    app::FocusFrame* FrameWidget() { return form->findChild<app::FocusFrame*>(QStringLiteral("FocusFrame")); }
    bool RemovalDone()
    {
        return WaitFor([this] { return !Control<QTimer>("Timer1")->isActive(); });
    }
};

TEST_F(Keys, ClearAWholeBoardWithKeysAlone)
{
    Item("mneasy")->trigger();
    PlaceBoard({"..............", //
                ".1..1.........", ".22..........."});
    EXPECT_EQ(Frame(), 0) << "no frame before the first arrow key";
    Press(Qt::Key_Right);
    EXPECT_EQ(Frame(), Cell(2, 2)) << "appears on the first tile in reading order";
    Press(Qt::Key_Return);
    EXPECT_EQ(game().selection.SelectionState, SelectionState::FirstTile);
    EXPECT_EQ(game().selection.SelectedCell, Cell(2, 2));
    EXPECT_EQ(feedback.sounds.back(), Sound::Click) << "the same path as a click";
    Press(Qt::Key_Right);
    EXPECT_EQ(Frame(), Cell(2, 5)) << "skips the empty Cells";
    Press(Qt::Key_Enter);
    EXPECT_TRUE(game().switches.Timer1On);
    ASSERT_TRUE(RemovalDone());
    EXPECT_EQ(Frame(), Cell(3, 3)) << "a removed tile sends the frame to the nearest tile";
    Press(Qt::Key_Left);
    Press(Qt::Key_Return);
    Press(Qt::Key_Right);
    Press(Qt::Key_Return);
    ASSERT_TRUE(RemovalDone());
    EXPECT_EQ(game().counters.Level, 2) << "the board was cleared";
    EXPECT_EQ(Frame(), app::FirstTile(game())) << "a new level starts on its first tile";
}

TEST_F(Keys, ArrowsSkipEmptyCellsAndStopAtTheEdge)
{
    Item("mneasy")->trigger();
    PlaceBoard({"..............", //
                ".1.........2..", "..............", "....3.........", "..3.....4....."});
    Press(Qt::Key_Down);
    ASSERT_EQ(Frame(), Cell(2, 2));
    Press(Qt::Key_Up);
    EXPECT_EQ(Frame(), Cell(2, 2)) << "nothing above: stays";
    Press(Qt::Key_Left);
    EXPECT_EQ(Frame(), Cell(2, 2)) << "nothing to the left: stays";
    Press(Qt::Key_Right);
    EXPECT_EQ(Frame(), Cell(2, 12)) << "across nine empty Cells";
    Press(Qt::Key_Right);
    EXPECT_EQ(Frame(), Cell(2, 12)) << "the edge of the tiles";
    Press(Qt::Key_Down);
    EXPECT_EQ(Frame(), Cell(5, 9)) << "no tile below in its column: the nearest column that has one";
    Press(Qt::Key_Left);
    EXPECT_EQ(Frame(), Cell(5, 3)) << "its own row first";
    Press(Qt::Key_Up);
    EXPECT_EQ(Frame(), Cell(2, 2)) << "the nearest column that has a tile above";
    Press(Qt::Key_Down);
    EXPECT_EQ(Frame(), Cell(5, 3)) << "the nearest column, then the nearest tile in it";
}

TEST_F(Keys, TheFrameFollowsItsTileThroughALevelShift)
{
    Item("mneasy")->trigger();
    // Level 2 drops every column; column 6 is full and stays, so the Cell nearest to the frame's
    // old place would be (2, 6): only following the tile lands on (8, 5).
    PlaceBoard({"..............", //
                ".33.74........", ".....4........", ".....5........", ".....5........", ".....6........",
                ".....6........", ".....7........"});
    game().counters.Level = 2;
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    ASSERT_EQ(Frame(), Cell(2, 5));
    ClickTile(game(), Cell(2, 2)); // the pair beside it, linked as a mouse would
    ClickTile(game(), Cell(2, 3));
    ASSERT_TRUE(game().switches.Timer1On);
    ASSERT_TRUE(RemovalDone());
    EXPECT_EQ(game().board.Cells[Cell(8, 5)], 7);
    EXPECT_EQ(Frame(), Cell(8, 5));
}

TEST_F(Keys, HidesOnAMousePressWhilePausedAndAtTheEnd)
{
    Item("mneasy")->trigger();
    PlaceBoard({"..............", //
                ".1..1.........", ".22..........."});
    Press(Qt::Key_Right);
    ASSERT_NE(FrameWidget(), nullptr);
    EXPECT_TRUE(FrameWidget()->isVisible());
    EXPECT_GT(FrameWidget()->geometry().intersected(QRect(CellCentre(2, 2), QSize(1, 1))).width(), 0)
        << "drawn on its Cell";
    ClickCell(3, 3);
    EXPECT_EQ(Frame(), 0) << "a mouse press hides it";
    EXPECT_EQ(game().selection.SelectedCell, Cell(3, 3));
    Press(Qt::Key_Up);
    EXPECT_EQ(Frame(), Cell(3, 3)) << "back on the selected tile";
    Item("mnpause")->trigger();
    EXPECT_EQ(Frame(), 0) << "hidden while paused";
    Press(Qt::Key_Return);
    EXPECT_EQ(game().selection.SelectionState, SelectionState::FirstTile);
    EXPECT_EQ(game().selection.SelectedCell, Cell(3, 3)) << "Return while paused presses nothing";
    Item("mnpause")->trigger();
    EXPECT_EQ(Frame(), Cell(3, 3)) << "back after the pause";
    Press(Qt::Key_Return);
    EXPECT_EQ(game().selection.SelectionState, SelectionState::FirstTile) << "the selected tile stays selected";
    game().counters.TimeBar = 0;
    ASSERT_TRUE(WaitFor([this] { return !GameRunning(game()); }));
    EXPECT_EQ(Frame(), 0) << "hidden when the game has ended";
    Press(Qt::Key_Right);
    EXPECT_EQ(Frame(), 0) << "and arrows bring nothing back on an empty board";
}

TEST_F(Keys, TheArrowAfterAHintGoesToTheFirstHintedTile)
{
    Item("mneasy")->trigger();
    PlaceBoard({"..............", //
                ".12.........2.", ".1............"});
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    ASSERT_EQ(Frame(), Cell(2, 3));
    Item("mnts")->trigger();
    ASSERT_TRUE(game().screen.Shape1.visible);
    Press(Qt::Key_Right);
    EXPECT_EQ(Frame(), Cell(2, 2)) << "the hint outlines the 1s first";
    Press(Qt::Key_Right);
    EXPECT_EQ(Frame(), Cell(2, 3)) << "then the arrows move on as usual";
}

TEST_F(Keys, AHintThatShowsNothingLeavesTheArrowsAlone)
{
    Item("mneasy")->trigger();
    PlaceBoard({"..............", //
                ".12.3.......2.", ".1..3........."});
    game().counters.HintsLeft = 0;
    Press(Qt::Key_Right);
    Press(Qt::Key_Return); // Shape1 now marks (2, 2)
    Press(Qt::Key_Right);
    Item("mnts")->trigger();
    Press(Qt::Key_Right);
    EXPECT_EQ(Frame(), Cell(2, 5)) << "no hint was shown: the arrow moves on";
}

} // namespace
} // namespace llk::test
