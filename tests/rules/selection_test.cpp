// Selection: what each click does to the selection, the markers, the time bar and the sounds.
#include <gtest/gtest.h>

#include "linking/selection.h"
#include "rules/pair_search.h"
#include "tests/rules/recording_host.h"
#include "tests/rules/rules_support.h"

namespace llk {
namespace {

class SelectionTest : public ::testing::Test {
protected:
    // Cells 9 to 13 hold 5 9 5 9 6. The two 5s (9, 11) and the two 9s (10, 12) link over the
    // top; the 6s (13, 26) link through the empty Cells 20 and 27; the 7s (17, 32) are boxed in.
    SelectionTest()
        : g(test::MakeBoard(
              {"0 0 0 0 0 0 0", "0 5 9 5 9 6 0", "0 1 7 3 0 0 0", "0 4 3 4 6 0 0", "0 2 1 7 8 0 0", "0 0 0 0 0 0 0"}))
    {
        g.host = &host;
        g.counters.TimeBar = 6200;
    }

    Game g;
    test::RecordingHost host;
};

TEST_F(SelectionTest, AFirstClickSelectsAndMarksTheTile)
{
    ClickTile(g, 9);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::FirstTile);
    EXPECT_EQ(g.selection.SelectedCell, 9);
    EXPECT_EQ(g.selection.SelectedKind, 5);
    EXPECT_TRUE(g.screen.Shape1.visible);
    EXPECT_EQ(g.screen.Shape1.left, CellLeft(g, 2));
    EXPECT_EQ(g.screen.Shape1.top, CellTop(g, 2));
    EXPECT_EQ(g.screen.Shape1.width, g.screen.CellWidth);
    EXPECT_FALSE(g.screen.Shape2.visible);
    EXPECT_EQ(host.sounds, std::vector<Sound>{Sound::Click});
}

TEST_F(SelectionTest, ClickingTheSelectedTileAgainKeepsItAndClicksAgain)
{
    ClickTile(g, 9);
    ClickTile(g, 9);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::FirstTile);
    EXPECT_EQ(g.selection.SelectedCell, 9);
    EXPECT_TRUE(g.screen.Shape1.visible);
    EXPECT_EQ(host.sounds, (std::vector<Sound>{Sound::Click, Sound::Click}));
}

TEST_F(SelectionTest, AnotherKindTakesOverTheSelection)
{
    ClickTile(g, 9);  // kind 5
    ClickTile(g, 10); // kind 9
    EXPECT_EQ(g.selection.SelectionState, SelectionState::FirstTile);
    EXPECT_EQ(g.selection.SelectedCell, 10);
    EXPECT_EQ(g.selection.SelectedKind, 9);
    ClickTile(g, 12); // the other 9: a link attempt
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None);
    EXPECT_TRUE(g.switches.Timer1On);
    EXPECT_EQ(g.selection.formFirstClick, 10);
    EXPECT_EQ(g.selection.formLastClick, 12);
}

TEST_F(SelectionTest, AMatchingPairThatCannotLinkClearsTheSelection)
{
    ClickTile(g, 17);
    ClickTile(g, 32);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None);
    EXPECT_FALSE(g.screen.Shape1.visible);
    EXPECT_FALSE(g.screen.Shape2.visible);
    EXPECT_FALSE(g.switches.Timer1On);
    EXPECT_EQ(g.counters.TimeBar, 6200);
    EXPECT_EQ(g.board.Cells[17], 7) << "nothing removed";
}

TEST_F(SelectionTest, ALinkedPairDrawsItsPathRecordsItAndCapsTheBar)
{
    FindPair(g, false);
    ClickTile(g, 9);
    ClickTile(g, 11);
    EXPECT_TRUE(g.switches.Timer1On);
    EXPECT_EQ(g.selection.formFirstClick, 9);
    EXPECT_EQ(g.selection.formLastClick, 11);
    EXPECT_EQ(g.counters.TimeBar, FullTimeBar) << "6200 + 80 is capped at 6235";
    EXPECT_TRUE(g.search.VisitedList.Contains(9));
    EXPECT_FALSE(g.search.CandidateList.Contains(9));
    EXPECT_EQ(test::ShowPicture(g)[0], ".F-7...") << "over the top, through the border row";
    EXPECT_EQ(host.sounds.size(), 2u) << "the completing click sounds too";
}

TEST_F(SelectionTest, PressesOnEmptyCellsShowingLinkPiecesAreIgnored)
{
    ClickTile(g, 13);
    ClickTile(g, 26);
    ASSERT_TRUE(g.switches.Timer1On);
    ASSERT_TRUE(g.screen.Sprites[20].visible);
    ASSERT_TRUE(g.screen.Sprites[27].visible);
    host.Clear();
    const double bar = g.counters.TimeBar;
    ClickTile(g, 20);
    ClickTile(g, 27);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None);
    EXPECT_EQ(g.counters.TimeBar, bar);
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_EQ(g.selection.formFirstClick, 13);
    EXPECT_EQ(g.selection.formLastClick, 26);
}

TEST_F(SelectionTest, PressesWhileALinkedPairWaitsForItsRemovalChangeNothing)
{
    g.counters.TimeBar = 5000;
    ClickTile(g, 9);
    ClickTile(g, 11);
    ASSERT_TRUE(g.switches.Timer1On);
    ASSERT_EQ(g.counters.TimeBar, 5080);
    host.Clear();

    ClickTile(g, 10); // the 9s link over the top too: a second pair before the tick
    ClickTile(g, 12);
    ClickTile(g, 9); // the waiting pair itself, linked again
    ClickTile(g, 11);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None);
    EXPECT_FALSE(g.screen.Shape1.visible);
    EXPECT_FALSE(g.screen.Shape2.visible);
    EXPECT_TRUE(host.sounds.empty());
    EXPECT_EQ(g.counters.TimeBar, 5080) << "credited once";
    EXPECT_EQ(g.selection.formFirstClick, 9);
    EXPECT_EQ(g.selection.formLastClick, 11);
    EXPECT_FALSE(g.search.VisitedList.Contains(10));
}

TEST_F(SelectionTest, PressesOnHiddenSpritesAreIgnored)
{
    g.screen.Sprites[9].visible = false;
    ClickTile(g, 9);
    ClickTile(g, 0);
    ClickTile(g, 999);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None);
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(SelectionTest, WithSoundEffectsOffNoClickIsHeard)
{
    g.switches.SoundEffects = false;
    ClickTile(g, 9);
    ClickTile(g, 11);
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(SelectionTest, AfterAHintTheNextFirstClickHidesTheSecondMarker)
{
    ShowHint(g, 9, 11);
    ClickTile(g, 10);
    EXPECT_TRUE(g.screen.Shape1.visible);
    EXPECT_FALSE(g.screen.Shape2.visible);
    EXPECT_EQ(g.screen.Shape1.left, CellLeft(g, 3));
}

TEST_F(SelectionTest, AHintDuringASelectionLeavesTheSecondMarkerUntilALinkIsTried)
{
    ClickTile(g, 10);
    ShowHint(g, 9, 11);
    ClickTile(g, 9); // another kind: the new selection; Shape2 stays where the hint put it
    EXPECT_TRUE(g.screen.Shape2.visible);
    EXPECT_EQ(g.screen.Shape2.left, CellLeft(g, 4));
    ClickTile(g, 11);
    EXPECT_FALSE(g.screen.Shape2.visible);
}

TEST_F(SelectionTest, DropStaleSelectionForgetsATileThatMovedAway)
{
    ClickTile(g, 10);
    g.board.Cells[10] = EmptyCell;
    DropStaleSelection(g);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None);
    EXPECT_FALSE(g.screen.Shape1.visible);

    ClickTile(g, 9);
    DropStaleSelection(g);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::FirstTile) << "still holds its kind";
}

} // namespace
} // namespace llk
