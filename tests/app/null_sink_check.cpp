// The real Form1 with its real sound output, on the PulseAudio null sink that with_null_sink.sh
// starts: every effect and the music open playback streams there, in the order played, and
// the switches, the pause and the game's end close them.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include "tests/app/form_fixture.h"
#include "tests/app/stream_watch.h"

namespace llk::test {
namespace {

using namespace std::chrono_literals;

constexpr int Mono = 1;   // the music and the removal sound
constexpr int Stereo = 2; // the click and the cleared-level sound

class NullSink : public FormTest {
protected:
    bool RealOutput() const override { return true; }

    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through with_null_sink.sh";
        FormTest::SetUp();
        // The message boxes are real: each is closed as the player would.
        m_closer.setInterval(20);
        QObject::connect(&m_closer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        m_closer.start();
        watch = std::make_unique<StreamWatch>();
        ASSERT_TRUE(watch->ready()) << "pactl subscribe reports nothing";
    }

    void StartGame() { Item("mneasy")->trigger(); }

    // The 1s link through the border row, the 2s along their own row.
    void StartWithTwoPairs()
    {
        StartGame();
        PlaceBoard({"..............", //
                    ".1..1.........", ".2..2........."});
    }

    // Links the pair at (row, 2) and (row, 5) and lets its removal run.
    void RemovePair(int row)
    {
        ClickCell(row, 2);
        ClickCell(row, 5);
        ASSERT_TRUE(WaitFor([&] { return !Control<QTimer>("Timer1")->isActive(); }));
    }

    std::size_t StreamCount() const { return watch->Streams().size(); }

    // Waits for the stream after the first `known` ones to open and returns it.
    StreamWatch::Stream WaitForStream(std::size_t known)
    {
        EXPECT_TRUE(WaitFor([&] { return StreamCount() > known; })) << "no stream opened";
        const auto streams = watch->Streams();
        return streams.size() > known ? streams[known] : StreamWatch::Stream{-1, 0, {}, 0ms};
    }

    bool WaitUntilClosed(int id)
    {
        return WaitFor([&] {
            const auto events = watch->Events();
            return std::any_of(events.begin(), events.end(),
                               [&](const StreamEvent& e) { return !e.opened && e.id == id; });
        });
    }

    std::unique_ptr<StreamWatch> watch;

private:
    QTimer m_closer;
};

// Each sound is left to finish before the next press: a new sound stops the one playing, and
// a click played again while its stream is still open may go on in the same stream.
TEST_F(NullSink, AClickARemovalAndAClearedLevelEachOpenAStreamInTheOrderPlayed)
{
    Item("mnmusic")->trigger(); // the effects alone
    StartWithTwoPairs();
    const auto press = [&](int row, int col, std::size_t streamsAfter) {
        ClickCell(row, col);
        EXPECT_TRUE(WaitFor([&] { return StreamCount() >= streamsAfter && watch->OpenStreams() == 0; }))
            << "after the press on " << row << "," << col << ": " << StreamCount() << " streams";
    };
    press(2, 2, 1);             // click
    press(2, 5, 3);             // click, then the removal
    game().counters.Level = 12; // the last level: its last pair clears the game
    press(3, 2, 4);             // click
    press(3, 5, 6);             // click, then the cleared game
    EXPECT_FALSE(GameRunning(game()));

    const auto streams = watch->Streams();
    ASSERT_EQ(streams.size(), 6u);
    for (const std::size_t click : {0, 1, 3, 4}) {
        // A click may be over before its stream could be looked at: its channels are unknown then.
        EXPECT_NE(streams[click].channels, Mono) << "stream " << click;
    }
    EXPECT_EQ(streams[2].channels, Mono);
    EXPECT_GT(streams[2].open, 300ms) << "the removal sound lasts 0.44 s";
    EXPECT_EQ(streams[5].channels, Stereo);
    EXPECT_GT(streams[5].open, 1200ms) << "the cleared-level sound lasts 1.41 s";
    std::printf("streams open: click %lld ms, removal %lld ms, cleared %lld ms\n",
                static_cast<long long>(streams[0].open.count()), static_cast<long long>(streams[2].open.count()),
                static_cast<long long>(streams[5].open.count()));
}

TEST_F(NullSink, TheClickStreamOpensSoonAfterThePress)
{
    Item("mnmusic")->trigger();
    StartGame();
    PlaceBoard({"..............", //
                ".1.2.3.4.5...."});
    std::vector<double> delays;
    for (int i = 0; i < 5; ++i) {
        const std::size_t known = StreamCount();
        const auto press = std::chrono::steady_clock::now();
        ClickCell(2, 2 + 2 * i); // five kinds: each press selects, none links
        const auto stream = WaitForStream(known);
        ASSERT_NE(stream.channels, Mono);
        delays.push_back(std::chrono::duration<double, std::milli>(stream.opened - press).count());
        ASSERT_TRUE(WaitUntilClosed(stream.id));
    }
    std::printf("click stream after the press (ms):");
    for (const double delay : delays)
        std::printf(" %.1f", delay);
    std::printf("\n");
}

TEST_F(NullSink, TheEffectsSwitchOffOpensNoStream)
{
    Item("mnmusic")->trigger();
    Item("mnyx")->trigger();
    StartWithTwoPairs();
    RemovePair(2);
    Item("mnts")->trigger(); // a hint
    // The music, switched on now, is the first stream to open.
    Item("mnmusic")->trigger();
    const auto stream = WaitForStream(0);
    EXPECT_EQ(stream.channels, Mono);
    EXPECT_EQ(StreamCount(), 1u);
}

TEST_F(NullSink, TheMusicStreamFollowsTheGameThePauseAndTheSwitch)
{
    StartGame();
    auto music = WaitForStream(0);
    EXPECT_EQ(music.channels, Mono);

    Item("mnpause")->trigger();
    EXPECT_TRUE(WaitUntilClosed(music.id)) << "at pause";
    Item("mnpause")->trigger();
    music = WaitForStream(1);
    EXPECT_EQ(music.channels, Mono);

    Item("mnmusic")->trigger();
    EXPECT_TRUE(WaitUntilClosed(music.id)) << "when the switch is unchecked";
    Item("mnmusic")->trigger();
    music = WaitForStream(2);
    EXPECT_EQ(music.channels, Mono);

    game().counters.TimeBar = 40; // the next countdown tick ends the game
    EXPECT_TRUE(WaitUntilClosed(music.id)) << "at the time-out";
    EXPECT_FALSE(GameRunning(game()));
    EXPECT_EQ(watch->OpenStreams(), 0);

    StartGame();
    music = WaitForStream(3);
    EXPECT_EQ(music.channels, Mono) << "the next game starts it again";
}

TEST_F(NullSink, TheMusicStopsWhenTheLastLevelIsCleared)
{
    Item("mnyx")->trigger(); // the music alone
    StartWithTwoPairs();
    const auto music = WaitForStream(0);
    game().counters.Level = 12;
    PlaceBoard({"..............", //
                ".1..1........."});
    RemovePair(2);
    EXPECT_TRUE(WaitUntilClosed(music.id));
    EXPECT_EQ(game().phase, GamePhase::Won);
    EXPECT_EQ(StreamCount(), 1u);
}

TEST_F(NullSink, NoMusicStreamWithTheSwitchOff)
{
    Item("mnmusic")->trigger();
    StartGame();
    PlaceBoard({"..............", //
                ".1.2.........."});
    Item("mnpause")->trigger();
    Item("mnpause")->trigger();
    // Clicks, played after all that, show that streams are seen at all. A second press stands in
    // when a loaded machine loses the first one's sound before it reaches the server.
    ClickCell(2, 2);
    if (!WaitFor([&] { return StreamCount() > 0; }, 5000)) {
        std::printf("no stream 5 s after the first press; pressing the next tile\n");
        ClickCell(2, 4); // another kind: no link, so no removal sound
    }
    const auto stream = WaitForStream(0);
    EXPECT_TRUE(WaitUntilClosed(stream.id));
    QTest::qWait(500); // time for a music stream, were one to open late
    for (const auto& opened : watch->Streams())
        EXPECT_NE(opened.channels, Mono) << "stream " << opened.id << " is the music's";
}

} // namespace
} // namespace llk::test
