// The sound player: the four effects, decoded once, one at a time. QSoundEffect reports what it
// plays whether or not there is an audio device.
#include <QTest>

#include <gtest/gtest.h>

#include "app/sound_player.h"

namespace llk::test {
namespace {

constexpr Sound AllSounds[] = {Sound::Click, Sound::Remove, Sound::Hint, Sound::Cleared};

// Each test ends once the sounds it started decoding are decoded, as a window that plays them
// does long before it closes.
class SoundPlayer : public testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return player.Decoded(); }, 10000));
    }

    app::SoundPlayer player;
};

TEST_F(SoundPlayer, HasNothingToPlayBeforeTheSoundsAreLoaded)
{
    EXPECT_FALSE(player.Prepare());
    player.Play(Sound::Click);
    EXPECT_FALSE(player.IsPlaying(Sound::Click));
}

TEST_F(SoundPlayer, PlaysEachLoadedSound)
{
    player.LoadSounds();
    ASSERT_TRUE(player.Prepare());
    EXPECT_TRUE(player.Prepare()) << "a second call keeps the sounds";
    for (const Sound sound : AllSounds) {
        SCOPED_TRACE(static_cast<int>(sound));
        player.Play(sound);
        EXPECT_TRUE(player.IsPlaying(sound));
    }
}

TEST_F(SoundPlayer, ReadiesItselfAtTheFirstSound)
{
    player.LoadSounds();
    player.Play(Sound::Hint);
    EXPECT_TRUE(player.IsPlaying(Sound::Hint));
}

TEST_F(SoundPlayer, ANewSoundStopsTheOneStillPlaying)
{
    player.LoadSounds();
    player.Play(Sound::Cleared);
    player.Play(Sound::Click);
    EXPECT_FALSE(player.IsPlaying(Sound::Cleared));
    EXPECT_TRUE(player.IsPlaying(Sound::Click));
    player.Play(Sound::Click);
    EXPECT_TRUE(player.IsPlaying(Sound::Click)) << "the same sound starts over";
}

TEST_F(SoundPlayer, IgnoresANumberThatIsNoSound)
{
    player.LoadSounds();
    player.Play(Sound::Remove);
    player.Play(static_cast<Sound>(105));
    EXPECT_TRUE(player.IsPlaying(Sound::Remove)) << "nothing stopped it";
    EXPECT_FALSE(player.IsPlaying(static_cast<Sound>(100)));
}

} // namespace
} // namespace llk::test
