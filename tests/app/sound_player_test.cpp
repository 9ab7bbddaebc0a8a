// The sound player and its module: found beside the executable, missing, damaged or foreign.
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/backgrounds.h"
#include "app/sound_player.h"

namespace llk::test {
namespace {

constexpr Sound AllSounds[] = {Sound::Click, Sound::Remove, Sound::Hint, Sound::Cleared};

void PlayAll(app::SoundPlayer& player)
{
    for (const Sound sound : AllSounds)
        player.Play(sound);
}

TEST(SoundPlayer, LoadsTheModuleBesideTheExecutable)
{
    app::SoundPlayer player(app::AppFolder());
    EXPECT_FALSE(player.Prepare()) << "nothing to play before the sounds are loaded";
    player.LoadSounds();
    ASSERT_TRUE(player.Prepare());
    EXPECT_TRUE(player.Prepare()) << "a second call keeps the output";
    PlayAll(player); // without an audio device this is silent
    player.Play(Sound::Click);
}

class BadSoundModule : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }
    QString Folder() const { return m_folder.path(); }
    QString ModulePath() const { return QDir(m_folder.path()).filePath(QStringLiteral("lianliankan-sound.so")); }

    // A player on the temporary folder stays silent and keeps working.
    void ExpectSilence()
    {
        app::SoundPlayer player(Folder());
        player.LoadSounds();
        EXPECT_FALSE(player.Prepare());
        PlayAll(player);
        EXPECT_FALSE(player.Prepare()) << "a failed load is not retried at every sound";
    }

private:
    QTemporaryDir m_folder;
};

TEST_F(BadSoundModule, MissingModuleLeavesTheGameSilent)
{
    ExpectSilence();
}

TEST_F(BadSoundModule, DamagedModuleLeavesTheGameSilent)
{
    QFile file(ModulePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x7f'));
    file.close();
    ExpectSilence();
}

TEST_F(BadSoundModule, LibraryWithoutTheEntryPointLeavesTheGameSilent)
{
    // A real shared library, but not ours.
    const QString foreign = QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath))
                                .filePath(QStringLiteral("platforms/libqoffscreen.so"));
    ASSERT_TRUE(QFile::exists(foreign)) << foreign.toStdString();
    ASSERT_TRUE(QFile::copy(foreign, ModulePath()));
    ExpectSilence();
}

TEST_F(BadSoundModule, FolderNamedLikeTheModuleLeavesTheGameSilent)
{
    ASSERT_TRUE(QDir(Folder()).mkdir(QStringLiteral("lianliankan-sound.so")));
    ExpectSilence();
}

} // namespace
} // namespace llk::test
