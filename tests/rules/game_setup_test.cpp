// Game setup, pause and the sound switch: sizes, counters, what a start leaves behind, and a
// Board loaded into a running game.
#include <gtest/gtest.h>

#include "rules/game_setup.h"
#include "rules/game_state.h"
#include "tests/rules/recording_host.h"
#include "tests/rules/rules_support.h"

namespace llk {
namespace {

struct SizeCase {
    int theme, difficulty, rows, cols;
};

TEST(StartGame, SizesTheBoardByDifficultyAndThemeGroup)
{
    for (const SizeCase& c : {SizeCase{0, 0, 9, 14}, SizeCase{5, 1, 10, 16}, SizeCase{29, 2, 11, 18}, SizeCase{3, 3, 12, 20},
                              SizeCase{4, 3, 11, 18}, SizeCase{2, 4, 12, 16}, SizeCase{17, 4, 11, 16}}) {
        const Game g = test::StartedGame(c.theme, c.difficulty);
        EXPECT_EQ(g.board.RowCount, c.rows) << c.theme << "/" << c.difficulty;
        EXPECT_EQ(g.board.ColCount, c.cols) << c.theme << "/" << c.difficulty;
        EXPECT_EQ(test::TileCount(g), (c.rows - 2) * (c.cols - 2));
    }
}

TEST(StartGame, ResetsTheCountersAndStartsTheCountdown)
{
    Game g = test::StartedGame(1, 2);
    g.counters.Score = 500;
    g.counters.Level = 7;
    g.counters.AutoShuffles = 2;
    g.counters.KindCount = 45;
    StartGame(g, 1, 2);
    EXPECT_EQ(g.counters.Level, 1);
    EXPECT_EQ(g.counters.HintsLeft, 3);
    EXPECT_EQ(g.counters.ShufflesLeft, 3);
    EXPECT_EQ(g.counters.KindCount, 15);
    EXPECT_EQ(g.counters.AutoShuffles, 0);
    EXPECT_EQ(g.counters.Score, 0);
    EXPECT_EQ(g.counters.TimeBar, FullTimeBar);
    EXPECT_TRUE(g.switches.Timer2On);
    EXPECT_TRUE(GameRunning(g));
    for (const auto& [kind, count] : test::KindCounts(g))
        EXPECT_LE(kind, 15);
}

TEST(StartGame, SpecialStartsOnLevelTwelveWithMoreHintsAndShuffles)
{
    for (const int theme : {0, 12}) {
        const Game g = test::StartedGame(theme, 4);
        EXPECT_EQ(g.counters.Level, 12);
        EXPECT_EQ(g.counters.HintsLeft, 12);
        EXPECT_EQ(g.counters.ShufflesLeft, 6);
        EXPECT_TRUE(g.switches.Timer2On);
        EXPECT_EQ(Levelstr(g.counters.Level), "特级篇一统天下");
    }
}

TEST(StartGame, AnUnknownDifficultySetsOnlyTheTheme)
{
    Game g = test::StartedGame(0, 0);
    const std::vector<int> cells = g.board.Cells;
    EXPECT_FALSE(StartGame(g, 7, 5));
    EXPECT_EQ(g.board.ThemeIndex, 7);
    EXPECT_EQ(g.board.Cells, cells);
    EXPECT_FALSE(StartGame(g, 30, 0));
    EXPECT_EQ(g.board.ThemeIndex, 7);
}

TEST(StartGame, DiscardsARemovalDueForTheOldBoard)
{
    Game g = test::StartedGame(0, 3);
    test::LoadRows(g, {"....................", ".11.................", "....................", "....................",
                       "....................", "....................", "....................", "....................",
                       "....................", "....................", "...................2", "...................."});
    ClickTile(g, 22);
    ClickTile(g, 23);
    ASSERT_TRUE(g.switches.Timer1On);
    StartGame(g, 0, 0);
    EXPECT_FALSE(g.switches.Timer1On);
    for (const auto& [kind, count] : test::KindCounts(g))
        EXPECT_EQ(count % 2, 0) << kind;
}

TEST(StartGame, DropsTheSelectionAndEndsAPause)
{
    Game g = test::StartedGame(0, 0);
    ClickTile(g, 16);
    TogglePause(g);
    ASSERT_TRUE(g.switches.Paused);
    StartGame(g, 0, 1);
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None);
    EXPECT_FALSE(g.screen.Shape1.visible);
    EXPECT_FALSE(g.switches.Paused);
    EXPECT_FALSE(g.screen.PausePictureVisible);
    EXPECT_TRUE(g.switches.Timer2On);
    EXPECT_TRUE(g.screen.Sprites[CellIndex(g, 2, 2)].visible);
}

// The running Board emptied but for tiles of the given kinds at (row 2, col 2 + i).
std::vector<int> RowOfTiles(const Game& g, std::initializer_list<int> kinds)
{
    std::vector<int> cells(g.board.Cells.size(), EmptyCell);
    int col = 2;
    for (const int kind : kinds)
        cells[static_cast<std::size_t>(CellIndex(g, 2, col++))] = kind;
    return cells;
}

TEST(LoadBoard, ReplacesTheCellsAndShowsExactlyTheTiles)
{
    Game g = test::StartedGame(0, 0);
    const std::vector<int> cells = RowOfTiles(g, {3, 0, 3});
    LoadBoard(g, cells);
    EXPECT_EQ(g.board.Cells, cells);
    for (int cell = 1; cell < static_cast<int>(cells.size()); ++cell)
        EXPECT_EQ(g.screen.Sprites[cell].visible, cells[cell] != EmptyCell) << cell;
    EXPECT_EQ(GridAt(g, 2, 2), 3);
    EXPECT_EQ(GridAt(g, 2, 3), EmptyCell);
}

TEST(LoadBoard, DiscardsARemovalDueForTheOldTiles)
{
    Game g = test::StartedGame(0, 0);
    LoadBoard(g, RowOfTiles(g, {1, 1}));
    ClickTile(g, CellIndex(g, 2, 2));
    ClickTile(g, CellIndex(g, 2, 3));
    ASSERT_TRUE(g.switches.Timer1On);
    const std::vector<int> cells = RowOfTiles(g, {2, 2});
    LoadBoard(g, cells);
    EXPECT_FALSE(g.switches.Timer1On);
    EXPECT_EQ(g.board.Cells, cells);
}

TEST(LoadBoard, DropsTheSelection)
{
    Game g = test::StartedGame(0, 0);
    LoadBoard(g, RowOfTiles(g, {1, 2, 1}));
    ClickTile(g, CellIndex(g, 2, 2));
    ASSERT_EQ(g.selection.SelectionState, SelectionState::FirstTile);
    LoadBoard(g, RowOfTiles(g, {4, 4}));
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None);
    EXPECT_FALSE(g.screen.Shape1.visible);
}

TEST(LoadBoard, StartsThePairSearchAfreshAsADealDoes)
{
    Game g = test::StartedGame(0, 0);
    LoadBoard(g, RowOfTiles(g, {1, 0, 2, 1, 2}));
    ASSERT_EQ(FindPair(g, false).result, SearchResult::PairFound);
    ASSERT_FALSE(g.search.CandidateList.empty());
    g.counters.LevelClearedFlag = true;
    LoadBoard(g, RowOfTiles(g, {5, 5}));
    EXPECT_TRUE(g.search.CandidateList.empty());
    EXPECT_TRUE(g.search.VisitedList.empty());
    EXPECT_EQ(g.search.SearchCursor, 0);
    EXPECT_EQ(g.search.FoundFirst, 0);
    EXPECT_FALSE(g.counters.LevelClearedFlag);
    const PairSearchOutcome found = FindPair(g, false);
    EXPECT_EQ(found.result, SearchResult::PairFound);
    EXPECT_EQ(found.pair, (CellPair{CellIndex(g, 2, 2), CellIndex(g, 2, 3)}));
}

TEST(LoadBoard, KeepsTheNewTilesHiddenWhilePaused)
{
    Game g = test::StartedGame(0, 0);
    TogglePause(g);
    LoadBoard(g, RowOfTiles(g, {6, 6}));
    EXPECT_FALSE(g.screen.Sprites[CellIndex(g, 2, 2)].visible);
    TogglePause(g);
    EXPECT_TRUE(g.screen.Sprites[CellIndex(g, 2, 2)].visible);
    EXPECT_TRUE(g.screen.Sprites[CellIndex(g, 2, 3)].visible);
}

TEST(Levelstr, NamesLevelsOneToTwelveFromZero)
{
    EXPECT_EQ(Levelstr(1), "第0关 不变化");
    EXPECT_EQ(Levelstr(2), "第1关 向下");
    EXPECT_EQ(Levelstr(6), "第5关 上下集中");
    EXPECT_EQ(Levelstr(9), "第8关 左下右上");
    EXPECT_EQ(Levelstr(11), "第10关 向内集中");
    EXPECT_EQ(Levelstr(12), "特级篇一统天下");
    EXPECT_EQ(Levelstr(0), "");
    EXPECT_EQ(Levelstr(13), "");
    EXPECT_EQ(Levelstr(-1), "");
}

TEST(Pause, HidesEveryInnerSpriteAndShowsOnlyTilesOnResume)
{
    Game g = test::StartedGame(0, 0);
    test::LoadRows(g, {"..............", ".11...........", "..............", "..............", "..............",
                       "..............", "..............", "..............", ".............."});
    TogglePause(g);
    EXPECT_FALSE(g.switches.Timer2On);
    EXPECT_TRUE(g.screen.PausePictureVisible);
    EXPECT_EQ(g.screen.PausePictureLeft, (ClientWidthTwips - PausePictureTwips) / 2);
    EXPECT_EQ(g.screen.PausePictureTop, (ClientHeightTwips - PausePictureTwips) / 2);
    for (int cell = 1; cell <= CellCount(g); ++cell)
        EXPECT_FALSE(g.screen.Sprites[cell].visible);
    TogglePause(g);
    EXPECT_TRUE(g.switches.Timer2On);
    EXPECT_FALSE(g.screen.PausePictureVisible);
    for (int cell = 1; cell <= CellCount(g); ++cell)
        EXPECT_EQ(g.screen.Sprites[cell].visible, cell == 16 || cell == 17) << cell;
}

TEST(Pause, ResumingBeforeAnyGameLeavesTheCountdownOff)
{
    Game g;
    TogglePause(g);
    TogglePause(g);
    EXPECT_FALSE(g.switches.Timer2On);
    EXPECT_FALSE(g.screen.PausePictureVisible);
}

TEST(Pause, ALevelEndDuringThePauseKeepsTilesHiddenAndTheClockStopped)
{
    test::RecordingHost host;
    Game g = test::StartedGame(0, 0, &host);
    test::LoadLastPair(g);
    ClickTile(g, 16);
    ClickTile(g, 17);
    TogglePause(g);
    RemovalStep(g);
    ASSERT_EQ(g.counters.Level, 2);
    EXPECT_FALSE(g.switches.Timer2On);
    for (int cell = 1; cell <= CellCount(g); ++cell)
        EXPECT_FALSE(g.screen.Sprites[cell].visible) << cell;
    TogglePause(g);
    EXPECT_TRUE(g.switches.Timer2On);
    EXPECT_TRUE(g.screen.Sprites[16].visible);
}

TEST(Pause, ResumingAfterTheGameEndedLeavesTheCountdownOff)
{
    test::RecordingHost host;
    Game g = test::StartedGame(0, 0, &host);
    g.counters.TimeBar = 10;
    Countdown(g);
    ASSERT_TRUE(GameOver(g));
    TogglePause(g);
    TogglePause(g);
    EXPECT_FALSE(g.switches.Timer2On);
}

// The 1s at Cells 16 and 19 link over the top; the 2s at Cells 31 and 32 sit side by side.
void LoadTwoPairs(Game& g)
{
    test::LoadRows(g, {"..............", ".1..1.........", "..22..........", "..............", "..............",
                       "..............", "..............", "..............", ".............."});
}

bool SameMarker(const Marker& a, const Marker& b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height && a.visible == b.visible;
}

TEST(Pause, HidesBothMarkersAndResumingShowsThemAsTheyWere)
{
    test::RecordingHost host;
    Game g = test::StartedGame(0, 0, &host);
    LoadTwoPairs(g);
    ClickTile(g, 31);
    HintCommand(g); // the 1s: both markers on them, the 2 at Cell 31 still selected
    ASSERT_TRUE(g.screen.Shape1.visible);
    ASSERT_TRUE(g.screen.Shape2.visible);
    ASSERT_EQ(g.selection.SelectionState, SelectionState::FirstTile);
    const Marker shape1 = g.screen.Shape1;
    const Marker shape2 = g.screen.Shape2;

    TogglePause(g);
    EXPECT_FALSE(g.screen.Shape1.visible);
    EXPECT_FALSE(g.screen.Shape2.visible);
    TogglePause(g);
    EXPECT_TRUE(SameMarker(g.screen.Shape1, shape1));
    EXPECT_TRUE(SameMarker(g.screen.Shape2, shape2));

    ClickTile(g, 32); // the selection made before the pause still counts
    EXPECT_TRUE(g.switches.Timer1On);
    EXPECT_EQ(g.selection.formFirstClick, 31);
    EXPECT_EQ(g.selection.formLastClick, 32);
}

TEST(Pause, AHiddenMarkerStaysHiddenOnResume)
{
    Game g = test::StartedGame(0, 0);
    LoadTwoPairs(g);
    ClickTile(g, 31);
    ASSERT_FALSE(g.screen.Shape2.visible);
    TogglePause(g);
    TogglePause(g);
    EXPECT_TRUE(g.screen.Shape1.visible);
    EXPECT_FALSE(g.screen.Shape2.visible);
}

TEST(Pause, AHintWhilePausedShowsItsMarkersOnlyOnResume)
{
    test::RecordingHost host;
    Game g = test::StartedGame(0, 0, &host);
    LoadTwoPairs(g);
    TogglePause(g);
    HintCommand(g);
    ASSERT_EQ(g.counters.HintsLeft, StartHints - 1);
    EXPECT_FALSE(g.screen.Shape1.visible);
    EXPECT_FALSE(g.screen.Shape2.visible);
    TogglePause(g);
    EXPECT_TRUE(g.screen.Shape1.visible);
    EXPECT_TRUE(g.screen.Shape2.visible);
    EXPECT_EQ(g.screen.Shape1.left, CellLeft(g, 2));
}

TEST(Pause, AShuffleWhilePausedLeavesNoMarkerToShowOnResume)
{
    Game g = test::StartedGame(0, 0);
    LoadTwoPairs(g);
    ClickTile(g, 31);
    TogglePause(g);
    ShuffleCommand(g);
    ASSERT_EQ(g.counters.ShufflesLeft, StartShuffles - 1);
    TogglePause(g);
    EXPECT_FALSE(g.screen.Shape1.visible) << "the shuffle dropped the selection";
    EXPECT_EQ(g.selection.SelectionState, SelectionState::None);
}

TEST(SoundEffects, TheSwitchSilencesEverySound)
{
    test::RecordingHost host;
    Game g = test::StartedGame(0, 0, &host);
    SetSoundEffects(g, false);
    ClickTile(g, 16);
    g.counters.HintsLeft = 1;
    HintCommand(g);
    EXPECT_TRUE(host.sounds.empty());
    SetSoundEffects(g, true);
    ClickTile(g, 16);
    EXPECT_EQ(host.sounds, std::vector<Sound>{Sound::Click});
}

} // namespace
} // namespace llk
