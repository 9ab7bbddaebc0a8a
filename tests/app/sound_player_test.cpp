// The sound player: the four effects, decoded once, one at a time. QSoundEffect reports what it
// plays whether or not there is an audio device.
#include <gtest/gtest.h>

#include "app/sound_player.h"

namespace llk::test {
namespace {

constexpr Sound AllSounds[] = {Sound::Click, Sound::Remove, Sound::Hint, Sound::Cleared};

TEST(SoundPlayer, HasNothingToPlayBeforeTheSoundsAreLoaded)
{
    app::SoundPlayer player;
    EXPECT_FALSE(player.Prepare());
    player.Play(Sound::Click);
    EXPECT_FALSE(player.IsPlaying(Sound::Click));
}

TEST(SoundPlayer, PlaysEachLoadedSound)
{
    app::SoundPlayer player;
    player.LoadSounds();
    ASSERT_TRUE(player.Prepare());
    EXPECT_TRUE(player.Prepare()) << "a second call keeps the sounds";
    for (const Sound sound : AllSounds) {
        SCOPED_TRACE(static_cast<int>(sound));
        player.Play(sound);
        EXPECT_TRUE(player.IsPlaying(sound));
    }
}

TEST(SoundPlayer, ReadiesItselfAtTheFirstSound)
{
    app::SoundPlayer player;
    player.LoadSounds();
    player.Play(Sound::Hint);
    EXPECT_TRUE(player.IsPlaying(Sound::Hint));
}

TEST(SoundPlayer, ANewSoundStopsTheOneStillPlaying)
{
    app::SoundPlayer player;
    player.LoadSounds();
    player.Play(Sound::Cleared);
    player.Play(Sound::Click);
    EXPECT_FALSE(player.IsPlaying(Sound::Cleared));
    EXPECT_TRUE(player.IsPlaying(Sound::Click));
    player.Play(Sound::Click);
    EXPECT_TRUE(player.IsPlaying(Sound::Click)) << "the same sound starts over";
}

TEST(SoundPlayer, IgnoresANumberThatIsNoSound)
{
    app::SoundPlayer player;
    player.LoadSounds();
    player.Play(Sound::Remove);
    player.Play(static_cast<Sound>(105));
    EXPECT_TRUE(player.IsPlaying(Sound::Remove)) << "nothing stopped it";
    EXPECT_FALSE(player.IsPlaying(static_cast<Sound>(100)));
}

} // namespace
} // namespace llk::test
