// The music through the real Form1: it plays while a game runs unpaused with the 音乐开关 on,
// pauses and resumes with the pause and the switch, and stops when the game ends.
#include <QTimer>

#include "app/music_player.h"
#include "tests/app/form_fixture.h"

namespace llk::test {
namespace {

using MusicEvent = RecordingFeedback::MusicEvent;

class Music : public FormTest {
protected:
    void StartGame() { Item("mneasy")->trigger(); }

    // The 1s link through the border row; the 2s and 3s, set crosswise, never link.
    void StartWithOnePairAndADeadBlock()
    {
        StartGame();
        PlaceBoard({"..............", //
                    ".1..1.........", "....23........", "....32........"});
    }

    void RemoveTheOnes()
    {
        ClickCell(2, 2);
        ClickCell(2, 5);
    }

    // Events from the music's last Stop on: what the current game has heard.
    std::vector<MusicEvent> SinceLastStop() const
    {
        const auto& events = feedback.music;
        auto last = events.end();
        for (auto it = events.begin(); it != events.end(); ++it)
            if (*it == MusicEvent::Stop)
                last = it;
        return last == events.end() ? events : std::vector<MusicEvent>(last + 1, events.end());
    }
};

TEST_F(Music, IsSilentUntilAGameStarts)
{
    EXPECT_TRUE(feedback.music.empty());
    Item("mnpause")->trigger(); // pausing and resuming without a game
    Item("mnpause")->trigger();
    EXPECT_FALSE(feedback.musicPlaying);
    EXPECT_TRUE(feedback.music.empty());
}

TEST_F(Music, StartsWithTheGameFromItsStart)
{
    StartGame();
    EXPECT_TRUE(feedback.musicPlaying);
    EXPECT_EQ(feedback.music, std::vector<MusicEvent>({MusicEvent::Stop, MusicEvent::Play}));
}

TEST_F(Music, PausesWithThePauseAndGoesOnWithIt)
{
    StartGame();
    Item("mnpause")->trigger();
    EXPECT_FALSE(feedback.musicPlaying);
    Item("mnpause")->trigger();
    EXPECT_TRUE(feedback.musicPlaying);
    EXPECT_EQ(SinceLastStop(), std::vector<MusicEvent>({MusicEvent::Play, MusicEvent::Pause, MusicEvent::Play}))
        << "resumed where it was, not started over";
}

TEST_F(Music, TheSwitchStopsItAtOnceAndResumesItDuringAGame)
{
    StartGame();
    Item("mnmusic")->trigger();
    EXPECT_FALSE(Item("mnmusic")->isChecked());
    EXPECT_FALSE(feedback.musicPlaying);
    Item("mnmusic")->trigger();
    EXPECT_TRUE(Item("mnmusic")->isChecked());
    EXPECT_TRUE(feedback.musicPlaying);
    EXPECT_EQ(SinceLastStop(), std::vector<MusicEvent>({MusicEvent::Play, MusicEvent::Pause, MusicEvent::Play}));
}

TEST_F(Music, NeverPlaysWithTheSwitchOff)
{
    Item("mnmusic")->trigger();
    StartGame();
    Item("mnpause")->trigger();
    Item("mnpause")->trigger();
    StartGame();
    for (const MusicEvent event : feedback.music)
        EXPECT_NE(event, MusicEvent::Play);
    EXPECT_FALSE(feedback.musicPlaying);
}

TEST_F(Music, TheSwitchTurnedOnWhilePausedWaitsForTheResume)
{
    StartGame();
    Item("mnpause")->trigger();
    Item("mnmusic")->trigger();
    Item("mnmusic")->trigger();
    EXPECT_FALSE(feedback.musicPlaying);
    Item("mnpause")->trigger();
    EXPECT_TRUE(feedback.musicPlaying);
}

TEST_F(Music, StartsOverWithTheNextGame)
{
    StartGame();
    Item("mnpause")->trigger();
    StartGame(); // a new start clears the pause
    EXPECT_TRUE(feedback.musicPlaying);
    EXPECT_EQ(feedback.music, std::vector<MusicEvent>({MusicEvent::Stop, MusicEvent::Play, MusicEvent::Pause,
                                                       MusicEvent::Stop, MusicEvent::Play}));
}

TEST_F(Music, StopsWhenTheTimeRunsOut)
{
    StartGame();
    game().counters.TimeBar = 40; // below the limit: the next countdown tick ends the game
    ASSERT_TRUE(WaitFor([&] { return !GameRunning(game()); }));
    EXPECT_FALSE(feedback.musicPlaying);
    EXPECT_EQ(feedback.music.back(), MusicEvent::Stop);
    ASSERT_FALSE(feedback.messages.empty());
    EXPECT_EQ(feedback.messages.back().icon, Icon::Error);
}

TEST_F(Music, StopsWhenNoPairIsLeftToRemove)
{
    StartWithOnePairAndADeadBlock();
    game().counters.ShufflesLeft = 0;
    RemoveTheOnes();
    ASSERT_TRUE(WaitFor([&] { return !GameRunning(game()); }));
    EXPECT_EQ(game().phase, GamePhase::Lost);
    EXPECT_FALSE(feedback.musicPlaying);
    EXPECT_EQ(feedback.music.back(), MusicEvent::Stop);
}

TEST_F(Music, StopsWhenTheLastLevelIsCleared)
{
    StartGame();
    game().counters.Level = 12;
    PlaceBoard({"..............", //
                ".1..1........."});
    RemoveTheOnes();
    ASSERT_TRUE(WaitFor([&] { return !GameRunning(game()); }));
    EXPECT_EQ(game().phase, GamePhase::Won);
    EXPECT_FALSE(feedback.musicPlaying);
    Item("mnpause")->trigger(); // pausing a finished game
    Item("mnpause")->trigger();
    EXPECT_FALSE(feedback.musicPlaying);
}

TEST_F(Music, GoesOnThroughAClearedLevel)
{
    StartGame();
    PlaceBoard({"..............", //
                ".1..1........."});
    RemoveTheOnes();
    ASSERT_TRUE(WaitFor([&] { return game().counters.Level == 2 && !Control<QTimer>("Timer1")->isActive(); }));
    EXPECT_TRUE(feedback.musicPlaying);
    EXPECT_EQ(feedback.music, std::vector<MusicEvent>({MusicEvent::Stop, MusicEvent::Play}));
}

// ---- The loop the player reads from -------------------------------------------------------

QByteArray ReadFrom(app::LoopingPcm& loop, qint64 bytes)
{
    QByteArray out(bytes, '\0');
    EXPECT_EQ(loop.Read(out.data(), bytes), bytes);
    return out;
}

TEST(LoopingPcm, ReadsRoundTheEndIntoTheStart)
{
    app::LoopingPcm loop(QByteArrayLiteral("abcdef"));
    EXPECT_EQ(ReadFrom(loop, 4), "abcd");
    EXPECT_EQ(ReadFrom(loop, 4), "efab");
    EXPECT_EQ(loop.Position(), 2);
    EXPECT_EQ(ReadFrom(loop, 13), "cdefabcdefabc") << "a read longer than the loop";
}

TEST(LoopingPcm, RewindsToTheStart)
{
    app::LoopingPcm loop(QByteArrayLiteral("abcdef"));
    ReadFrom(loop, 5);
    loop.Rewind();
    EXPECT_EQ(loop.Position(), 0);
    EXPECT_EQ(ReadFrom(loop, 3), "abc");
}

// A pause puts the place where the speaker is: bytes played past the stream's start, which
// may have gone round the loop more than once.
TEST(LoopingPcm, SeeksRoundTheLoop)
{
    app::LoopingPcm loop(QByteArrayLiteral("abcdef"));
    loop.Seek(4);
    EXPECT_EQ(ReadFrom(loop, 3), "efa");
    loop.Seek(4 + 2 * 6 + 1);
    EXPECT_EQ(loop.Position(), 5);
    EXPECT_EQ(ReadFrom(loop, 2), "fa");
}

TEST(LoopingPcm, AnEmptyLoopGivesNothing)
{
    app::LoopingPcm loop{QByteArray()};
    char byte = 0;
    EXPECT_EQ(loop.Read(&byte, 1), 0);
    loop.Seek(3);
    EXPECT_EQ(loop.Position(), 0);
}

// With or without an audio device, the player keeps its state.
TEST(MusicPlayer, KeepsItsState)
{
    app::MusicPlayer player;
    player.Prepare();
    EXPECT_FALSE(player.IsOn());
    player.Play();
    EXPECT_TRUE(player.IsOn());
    player.Pause();
    EXPECT_FALSE(player.IsOn());
    player.Play();
    player.Stop();
    EXPECT_FALSE(player.IsOn());
}

} // namespace
} // namespace llk::test
