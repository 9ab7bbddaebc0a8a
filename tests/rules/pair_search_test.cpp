// Pair search: which pair is found or hinted, when the Board counts as empty or dead, and the
// 30 % limit of the shuffle's test.
#include <gtest/gtest.h>

#include "board/deal.h"
#include "linking/selection.h"
#include "rules/pair_search.h"
#include "tests/rules/recording_host.h"
#include "tests/rules/rules_support.h"

namespace llk {
namespace {

using test::MakeBoard;

// Rows 3 to 6 hold kinds met once only; the pairs in row 2 cannot link, because their partners
// sit in the interior with all four neighbours occupied. The first three kinds gathered hold six
// tiles, within 30 % of the 25 inner Cells; kind 4 lies side by side.
Game ThreeDeadKindsThenAPair()
{
    return MakeBoard({"0 0 0 0 0 0 0", "0 1 2 3 4 4 0", "0 20 21 22 23 24 0", "0 25 26 1 27 28 0", "0 29 2 30 3 31 0",
                      "0 32 33 34 35 36 0", "0 0 0 0 0 0 0"});
}

// Four dead kinds first (eight tiles, above the limit of 7.5), then a pair in the right column.
Game FourDeadKindsThenAPair()
{
    return MakeBoard({"0 0 0 0 0 0 0", "0 1 2 3 4 5 0", "0 20 21 22 23 5 0", "0 25 4 1 27 28 0", "0 29 2 30 3 31 0",
                      "0 32 33 34 35 36 0", "0 0 0 0 0 0 0"});
}

TEST(FindPair, AfterADealFindsTheFirstKindsFirstLinkablePairAndHintsIt)
{
    Game g = MakeBoard({"......", ".12.1.", ".2.1..", "......"});
    test::RecordingHost host;
    g.host = &host;
    const PairSearchOutcome found = FindPair(g, true);
    ASSERT_EQ(found.result, SearchResult::PairFound);
    EXPECT_EQ(found.pair, (CellPair{8, 11}));
    EXPECT_EQ(g.search.CandidateList.Entries(), (std::vector<int>{8, 11, 16})) << "one kind gathered";
    EXPECT_TRUE(g.screen.Shape1.visible);
    EXPECT_TRUE(g.screen.Shape2.visible);
    EXPECT_EQ(g.screen.Shape1.left, CellLeft(g, 2));
    EXPECT_EQ(g.screen.Shape1.top, CellTop(g, 2));
    EXPECT_EQ(g.screen.Shape2.left, CellLeft(g, 5));
    EXPECT_EQ(host.sounds, std::vector<Sound>{Sound::Hint});
}

TEST(FindPair, WithoutHintLeavesMarkersAndSoundAlone)
{
    Game g = MakeBoard({"......", ".12.1.", ".2.1..", "......"});
    test::RecordingHost host;
    g.host = &host;
    EXPECT_EQ(FindPair(g, false).result, SearchResult::PairFound);
    EXPECT_FALSE(g.screen.Shape1.visible);
    EXPECT_TRUE(host.sounds.empty());
}

TEST(FindPair, ReachesAPairOfTheLastKindThroughTheNeighbourRule)
{
    Game g = MakeBoard({"0 0 0 0 0 0 0", "0 10 11 12 13 14 0", "0 15 1 16 1 17 0", "0 18 19 20 21 22 0",
                        "0 23 24 25 26 27 0", "0 28 29 30 3 3 0", "0 0 0 0 0 0 0"});
    const PairSearchOutcome found = FindPair(g, false);
    ASSERT_EQ(found.result, SearchResult::PairFound);
    EXPECT_EQ(found.pair, (CellPair{40, 41}));
}

TEST(FindPair, ReportsADeadBoardAfterTestingEverything)
{
    Game g = MakeBoard({"0 0 0 0 0 0 0", "0 10 11 12 13 14 0", "0 15 1 16 1 17 0", "0 18 19 20 21 22 0",
                        "0 23 24 25 26 27 0", "0 28 29 30 31 32 0", "0 0 0 0 0 0 0"});
    EXPECT_EQ(FindPair(g, false).result, SearchResult::NoRemovablePair);
    EXPECT_EQ(g.search.SearchCursor, 0);
    EXPECT_EQ(g.search.CandidateList.size(), 25u) << "every tile gathered";
}

TEST(FindPair, AnEmptyInnerAreaIsVisitedCellByCell)
{
    Game g = MakeBoard({"......", "......", "......", "......", "......"});
    EXPECT_EQ(FindPair(g, false).result, SearchResult::BoardEmpty);
    // From C + 2 = 8 to (R - 1) x C = 24.
    EXPECT_EQ(g.search.VisitedList.size(), 17u);
    EXPECT_EQ(g.search.VisitedList[0], 8);
    EXPECT_EQ(g.search.VisitedList[16], 24);
}

TEST(FindPair, AHintAfterTheCheckMayShowALaterPairOfTheSameKind)
{
    // The check finds (8, 9) and leaves 8 out of the next test: the hint shows (9, 11).
    Game g = MakeBoard({"......", ".11.1.", ".2..2.", "......"});
    ASSERT_EQ(FindPair(g, false).pair, (CellPair{8, 9}));
    EXPECT_EQ(g.search.ExcludedList.Entries(), std::vector<int>{8});
    EXPECT_EQ(FindPair(g, true).pair, (CellPair{9, 11}));
}

TEST(FindPair, AHintCarriesOnToTheNextKindWhenTheGroupIsUsedUp)
{
    Game g = MakeBoard({"......", ".11.2.", ".2....", "......"});
    ASSERT_EQ(FindPair(g, false).pair, (CellPair{8, 9}));
    EXPECT_EQ(FindPair(g, true).pair, (CellPair{11, 14}));
    // The excluded part is cut from the whole list at the reduced list's index, so it stops
    // short of the pair just shown: the next hint shows that pair again.
    EXPECT_EQ(FindPair(g, true).pair, (CellPair{11, 14}));
    EXPECT_EQ(g.search.ExcludedList.Entries(), (std::vector<int>{8, 9}));
}

TEST(FindPair, SkipsTheCellsOfALinkedPairUntilTheNextReset)
{
    Game g = MakeBoard({"......", ".11.2.", ".2....", "......"});
    RecordRemoval(g, 8, 9);
    const PairSearchOutcome found = FindPair(g, false);
    EXPECT_EQ(found.pair, (CellPair{11, 14}));
    ResetPairSearch(g);
    EXPECT_TRUE(g.search.VisitedList.empty());
    EXPECT_EQ(FindPair(g, false).pair, (CellPair{8, 9}));
}

TEST(FindPairLimited, AcceptsAPairOfTheFourthKindWithinThirtyPercent)
{
    Game g = ThreeDeadKindsThenAPair();
    ResetHintState(g);
    EXPECT_TRUE(FindPairLimited(g));
}

TEST(FindPairLimited, RejectsOnceTheGatheredTilesExceedThirtyPercent)
{
    Game g = FourDeadKindsThenAPair();
    ResetHintState(g);
    EXPECT_FALSE(FindPairLimited(g));
    ResetHintState(g);
    EXPECT_EQ(FindPair(g, false).pair, (CellPair{13, 20})) << "the unlimited search still finds it";
}

TEST(FindPairLimited, RejectsAnEmptyBoard)
{
    Game g = MakeBoard({".....", ".....", "....."});
    EXPECT_FALSE(FindPairLimited(g));
}

TEST(RecordRemoval, MovesThePairFromTheCandidatesToTheVisited)
{
    Game g = MakeBoard({"......", ".11.1.", ".2..2.", "......"});
    FindPair(g, false);
    RecordRemoval(g, 8, 9);
    EXPECT_FALSE(g.search.CandidateList.Contains(8));
    EXPECT_FALSE(g.search.CandidateList.Contains(9));
    EXPECT_TRUE(g.search.CandidateList.Contains(11));
    EXPECT_FALSE(g.search.ExcludedList.Contains(8));
    EXPECT_EQ(g.search.VisitedList.Entries().back(), 9);
    EXPECT_TRUE(g.search.VisitedList.Contains(8));
}

TEST(CellList, KeepsEntriesInOrderAndForgetsRemovedOnesEverywhere)
{
    CellList list;
    for (const int cell : {7, 123, 7, 45})
        list.Append(cell);
    EXPECT_TRUE(list.Contains(123));
    list.Remove(7);
    EXPECT_EQ(list.Entries(), (std::vector<int>{123, 45}));
    EXPECT_FALSE(list.Contains(7));
    list.Truncate(1);
    EXPECT_FALSE(list.Contains(45));
    list.clear();
    EXPECT_FALSE(list.Contains(123));
    EXPECT_TRUE(list.empty());
}

} // namespace
} // namespace llk
