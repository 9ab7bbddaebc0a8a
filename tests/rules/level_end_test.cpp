// Level end, scoring and time: the removal tick, the bonus, the level progression, the automatic
// shuffle, the losses, and the states a finished game leaves.
#include <gtest/gtest.h>

#include "linking/link_search.h"
#include "rules/level_end.h"
#include "rules/messages.h"
#include "tests/rules/recording_host.h"
#include "tests/rules/rules_support.h"

namespace llk {
namespace {

using test::LoadLastPair;
using test::LoadRows;
using test::RemoveLastPair;

// After the pair of 1s is removed, the 2s and 3s sit crosswise in a 2 x 2 block: no pair links.
void LoadPairAndCross(Game& g)
{
    LoadRows(g, {"..............", ".11...........", "..............", "....23........", "....32........",
                 "..............", "..............", "..............", ".............."});
}

class LevelEndTest : public ::testing::Test {
protected:
    LevelEndTest() : g(test::StartedGame(0, 0, &host)) { host.Clear(); }

    test::RecordingHost host;
    Game g;
};

TEST_F(LevelEndTest, ARemovalTickEmptiesThePairScoresAndSounds)
{
    LoadRows(g, {"..............", ".11...........", "..............", "....22........", "..............",
                 "..............", "..............", "..............", ".............."});
    ClickTile(g, 16);
    ClickTile(g, 17);
    ASSERT_TRUE(g.switches.Timer1On);
    host.Clear();
    const int tiles = test::TileCount(g);
    RemovalStep(g);
    EXPECT_EQ(test::TileCount(g), tiles - 2);
    EXPECT_EQ(g.board.Cells[16], EmptyCell);
    EXPECT_FALSE(g.screen.Sprites[16].visible);
    EXPECT_EQ(g.counters.Score, RemovalScore);
    EXPECT_FALSE(g.switches.Timer1On);
    EXPECT_EQ(host.sounds.back(), Sound::Remove);
}

TEST_F(LevelEndTest, TheRemovalTickHidesTheDrawnPath)
{
    LoadRows(g, {"..............", ".1.1..........", "..............", "..............", "..............",
                 "..............", "..............", "...........22.", ".............."});
    ClickTile(g, 16);
    ClickTile(g, 18);
    ASSERT_TRUE(g.screen.Sprites[17].visible) << "a piece between the two";
    RemovalStep(g);
    for (int cell = 1; cell <= CellCount(g); ++cell)
        EXPECT_EQ(g.screen.Sprites[cell].visible, g.board.Cells[cell] != EmptyCell) << cell;
}

TEST_F(LevelEndTest, ClearingLevelOnePaysTheBonusAndDealsLevelTwo)
{
    LoadLastPair(g);
    g.counters.HintsLeft = 2;
    g.counters.ShufflesLeft = 3;
    ClickTile(g, 16);
    ClickTile(g, 17);
    g.counters.TimeBar = 5000;
    RemovalStep(g);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "恭喜过关！\r\n额外得分：\r\n"
                                     "2 个道具“提示”，每个 10 分，共 20 分。\r\n"
                                     "3 个道具“洗牌”，每个 50 分，共 150 分。\r\n"
                                     "剩下 250 时间，每秒 10 分，共 2500 分。");
    EXPECT_EQ(host.messages[0].icon, Icon::Information);
    EXPECT_EQ(g.counters.Score, 20 + 150 + 2500 + 10);
    EXPECT_EQ(g.counters.TimeBar, FullTimeBar);
    EXPECT_EQ(g.counters.Level, 2);
    EXPECT_EQ(g.counters.HintsLeft, 5);
    EXPECT_EQ(g.counters.ShufflesLeft, 4);
    EXPECT_EQ(g.counters.KindCount, 20);
    EXPECT_EQ(test::TileCount(g), 84) << "level 2 dealt into the same Board";
    EXPECT_TRUE(g.switches.Timer2On);
    EXPECT_EQ(host.sounds.back(), Sound::Remove) << "the deal cleared the flag";
}

TEST(BonusText, WritesEveryNumberInPlainDecimal)
{
    EXPECT_EQ(BonusText(0, 12, 311), "恭喜过关！\r\n额外得分：\r\n0 个道具“提示”，每个 10 分，共 0 分。\r\n"
                                     "12 个道具“洗牌”，每个 50 分，共 600 分。\r\n"
                                     "剩下 311 时间，每秒 10 分，共 3110 分。");
}

TEST_F(LevelEndTest, ClearingLevelElevenMovesOntoTheSpecialBoard)
{
    StartGame(g, 0, 3); // 12 x 20
    g.counters.Level = 11;
    LoadLastPair(g);
    RemoveLastPair(g);
    EXPECT_EQ(g.counters.Level, 12);
    EXPECT_EQ(g.board.RowCount, 12);
    EXPECT_EQ(g.board.ColCount, 16);
    EXPECT_EQ(g.screen.Sprites.size(), 12u * 16u + 1u) << "the sprites of the 12 x 20 board are gone";
    const auto counts = test::KindCounts(g);
    EXPECT_EQ(counts.size(), 70u);
    for (const auto& [kind, count] : counts)
        EXPECT_EQ(count, 2) << kind;
    EXPECT_EQ(Levelstr(g.counters.Level), "特级篇一统天下");
}

TEST_F(LevelEndTest, ClearingTheSpecialBoardWinsWithoutBonus)
{
    StartGame(g, 0, 4);
    LoadLastPair(g);
    host.Clear();
    RemoveLastPair(g);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, AllClearedText);
    EXPECT_EQ(g.counters.Score, RemovalScore);
    EXPECT_EQ(host.sounds.back(), Sound::Cleared);
    EXPECT_EQ(g.phase, GamePhase::Won);
    EXPECT_EQ(host.endings, std::vector{GamePhase::Won});
    EXPECT_FALSE(GameRunning(g));
    EXPECT_FALSE(g.switches.Timer2On);
}

TEST_F(LevelEndTest, ADeadBoardWithoutShufflesLosesTheGame)
{
    LoadPairAndCross(g);
    g.counters.ShufflesLeft = 0;
    RemoveLastPair(g);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, NoPairGameOverText);
    EXPECT_EQ(host.messages[0].icon, Icon::Information);
    EXPECT_EQ(test::TileCount(g), 0);
    EXPECT_FALSE(g.switches.Timer2On);
    EXPECT_EQ(g.counters.Score, RemovalScore) << "the last removal still scores";
    EXPECT_EQ(g.phase, GamePhase::Lost);
    EXPECT_EQ(host.endings, std::vector{GamePhase::Lost});
}

TEST_F(LevelEndTest, ADeadBoardWithShufflesLeftShufflesByItself)
{
    LoadPairAndCross(g);
    g.counters.ShufflesLeft = 2;
    RemoveLastPair(g);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, AutoShuffleText);
    EXPECT_EQ(g.counters.AutoShuffles, 1);
    EXPECT_EQ(g.counters.ShufflesLeft, 1);
    EXPECT_TRUE(g.switches.Timer2On);
    EXPECT_EQ(test::TileCount(g), 4);
    ResetPairSearch(g);
    EXPECT_EQ(FindPair(g, false).result, SearchResult::PairFound);
    EXPECT_FALSE(GameOver(g));
    EXPECT_TRUE(host.endings.empty());
}

TEST_F(LevelEndTest, AFullBarRunsOutOnThe311thTick)
{
    for (int tick = 1; tick <= 310; ++tick)
        Countdown(g);
    EXPECT_EQ(g.counters.TimeBar, 35);
    EXPECT_TRUE(host.messages.empty());
    Countdown(g);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, TimeUpText);
    EXPECT_EQ(host.messages[0].icon, Icon::Error);
    EXPECT_EQ(test::TileCount(g), 0);
    EXPECT_FALSE(g.switches.Timer2On);
    EXPECT_EQ(g.phase, GamePhase::TimeUp);
    EXPECT_EQ(host.endings, std::vector{GamePhase::TimeUp});
}

TEST_F(LevelEndTest, ABarOfExactlyFiftyLosesTwentyFirst)
{
    g.counters.TimeBar = 50;
    Countdown(g);
    EXPECT_EQ(g.counters.TimeBar, 30);
    EXPECT_TRUE(host.messages.empty());
    Countdown(g);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(LevelEndTest, TheHintCommandSpendsAHintOnlyWhenOneIsLeft)
{
    g.counters.HintsLeft = 0;
    HintCommand(g);
    EXPECT_FALSE(g.screen.Shape1.visible);
    EXPECT_TRUE(host.sounds.empty());
    g.counters.HintsLeft = 1;
    HintCommand(g);
    EXPECT_EQ(g.counters.HintsLeft, 0);
    EXPECT_TRUE(g.screen.Shape1.visible);
    EXPECT_TRUE(g.screen.Shape2.visible);
    EXPECT_EQ(host.sounds, std::vector<Sound>{Sound::Hint});
}

TEST_F(LevelEndTest, AHintOnADeadBoardShufflesAndIsSpent)
{
    LoadRows(g, {"..............", "..............", "..............", "....23........", "....32........",
                 "..............", "..............", "..............", ".............."});
    HintCommand(g);
    EXPECT_EQ(g.counters.HintsLeft, 2);
    EXPECT_EQ(g.counters.AutoShuffles, 1);
}

TEST_F(LevelEndTest, AFinishedGameIgnoresHintAndShuffle)
{
    LoadPairAndCross(g);
    g.counters.ShufflesLeft = 0;
    RemoveLastPair(g);
    g.counters.HintsLeft = 3;
    g.counters.ShufflesLeft = 3;
    host.Clear();
    HintCommand(g);
    ShuffleCommand(g);
    EXPECT_TRUE(host.messages.empty()) << "no bonus for the emptied Board of a lost game";
    EXPECT_EQ(g.counters.HintsLeft, 3);
    EXPECT_EQ(g.counters.ShufflesLeft, 3);
    EXPECT_EQ(g.counters.Level, 1);
}

TEST_F(LevelEndTest, APendingRemovalHoldsHintAndShuffleBack)
{
    LoadLastPair(g);
    ClickTile(g, 16);
    ClickTile(g, 17);
    HintCommand(g);
    ShuffleCommand(g);
    EXPECT_TRUE(host.messages.empty()) << "the pair's Cells, skipped by the search, made the Board look empty";
    EXPECT_EQ(g.counters.HintsLeft, 3);
    EXPECT_EQ(g.counters.ShufflesLeft, 3);
    EXPECT_EQ(g.counters.Level, 1);
}

TEST_F(LevelEndTest, ATimeOutDiscardsARemovalStillDue)
{
    LoadRows(g, {"..............", ".11...........", "..............", "....23........", "....32........",
                 "..............", "..............", "..............", ".............."});
    ClickTile(g, 16);
    ClickTile(g, 17);
    g.counters.TimeBar = 40;
    Countdown(g);
    EXPECT_FALSE(g.switches.Timer1On);
    EXPECT_EQ(g.phase, GamePhase::TimeUp);
}

TEST_F(LevelEndTest, AShiftedSelectionIsDroppedAfterTheTick)
{
    g.counters.Level = 2;
    LoadRows(g, {"..............", "....5.........", "....1.........", "....1.........", "..............",
                 "..............", "..............", "..............", ".............."});
    ClickTile(g, CellIndex(g, 3, 5));
    ClickTile(g, CellIndex(g, 4, 5));
    ClickTile(g, CellIndex(g, 2, 5)); // the 5 above the pair, selected while the removal is due
    RemovalStep(g);
    EXPECT_EQ(g.board.Cells[CellIndex(g, 8, 5)], 5) << "level 2 dropped it";
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None);
    EXPECT_FALSE(g.screen.Shape1.visible);
}

TEST_F(LevelEndTest, TheManualShuffleKeepsEveryKindOnTheSameCells)
{
    ClickTile(g, 16);
    ClickTile(g, 17);
    RemovalStep(g);
    std::vector<int> occupied;
    for (int cell = 1; cell <= CellCount(g); ++cell)
        if (g.board.Cells[cell] != EmptyCell)
            occupied.push_back(cell);
    const auto counts = test::KindCounts(g);
    ClickTile(g, occupied.front());
    ShuffleCommand(g);
    EXPECT_EQ(g.counters.ShufflesLeft, 2);
    EXPECT_EQ(test::KindCounts(g), counts);
    for (const int cell : occupied) {
        EXPECT_NE(g.board.Cells[cell], EmptyCell);
        EXPECT_EQ(g.screen.Sprites[cell].pictureNumber, TileBitmapId(0, g.board.Cells[cell]));
        EXPECT_EQ(GridAt(g, CellRow(g, cell), CellCol(g, cell)), g.board.Cells[cell]);
    }
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None) << "the selected tile may now be another kind";
    EXPECT_FALSE(g.screen.Shape1.visible);
}

TEST_F(LevelEndTest, APressBeforeTheLastPairsTickLeavesTheNextDealUnselected)
{
    LoadLastPair(g);
    ClickTile(g, 16);
    ClickTile(g, 17);
    ClickTile(g, 16); // before the tick: ignored
    ASSERT_EQ(g.selection.SelectionState, SelectionState::None);
    RemovalStep(g);
    ASSERT_EQ(g.counters.Level, 2);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None) << "Cell 16 now holds a tile of the new deal";
    EXPECT_FALSE(g.screen.Shape1.visible);
    ClickTile(g, 16);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::FirstTile) << "the tick ended the wait";
}

TEST_F(LevelEndTest, TheAutomaticShuffleDropsASelection)
{
    LoadRows(g, {"..............", "..............", "..............", "....23........", "....32........",
                 "..............", "..............", "..............", ".............."});
    ClickTile(g, CellIndex(g, 4, 5));
    HintCommand(g); // finds no pair: the game shuffles by itself
    ASSERT_EQ(g.counters.AutoShuffles, 1);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None) << "the selected Cell may hold another kind now";
    EXPECT_FALSE(g.screen.Shape1.visible);
}

TEST_F(LevelEndTest, TheEndOfAGameDropsTheSelection)
{
    ClickTile(g, 16);
    g.counters.TimeBar = 10;
    Countdown(g);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None);
    EXPECT_FALSE(g.screen.Shape1.visible);
}

TEST_F(LevelEndTest, AnAutomaticShuffleDuringAPauseKeepsTilesHiddenAndTheClockStopped)
{
    LoadPairAndCross(g);
    ClickTile(g, 16);
    ClickTile(g, 17);
    TogglePause(g);
    RemovalStep(g);
    ASSERT_EQ(g.counters.AutoShuffles, 1);
    EXPECT_FALSE(g.switches.Timer2On);
    for (int cell = 1; cell <= CellCount(g); ++cell)
        EXPECT_FALSE(g.screen.Sprites[cell].visible) << cell;
    TogglePause(g);
    EXPECT_TRUE(g.switches.Timer2On);
    EXPECT_EQ(test::TileCount(g), 4);
    EXPECT_TRUE(g.screen.Sprites[CellIndex(g, 4, 5)].visible);
}

} // namespace
} // namespace llk
