// The remembered switches, background and name: defaults without a file or with a damaged one.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/settings.h"

namespace llk::test {
namespace {

class SettingsFile : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path() const { return m_dir.filePath(QStringLiteral("config/lianliankan/settings.ini")); }
    void Write(const QByteArray& bytes)
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path()).path()));
        QFile out(path());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    QTemporaryDir m_dir;
};

void ExpectDefaults(const app::RememberedSettings& s)
{
    EXPECT_TRUE(s.music);
    EXPECT_TRUE(s.soundEffects);
    EXPECT_TRUE(s.background.isEmpty());
    EXPECT_TRUE(s.lastName.isEmpty());
}

TEST_F(SettingsFile, NoFileGivesTheDesignedDefaults)
{
    ExpectDefaults(app::Settings(path()).Load());
    EXPECT_FALSE(QFile::exists(path())) << "reading writes nothing";
}

TEST_F(SettingsFile, RemembersEachValue)
{
    app::Settings settings(path());
    settings.SetMusic(false);
    settings.SetSoundEffects(false);
    settings.SetBackground(QStringLiteral("竹林.jpg"));
    settings.SetLastName(QStringLiteral("<i>小明</i> 🐼"));
    const app::RememberedSettings again = app::Settings(path()).Load();
    EXPECT_FALSE(again.music);
    EXPECT_FALSE(again.soundEffects);
    EXPECT_EQ(again.background, QStringLiteral("竹林.jpg"));
    EXPECT_EQ(again.lastName, QStringLiteral("<i>小明</i> 🐼"));
    settings.SetSoundEffects(true);
    EXPECT_TRUE(app::Settings(path()).Load().soundEffects);
    EXPECT_FALSE(app::Settings(path()).Load().music) << "one value changed, the others kept";
}

TEST_F(SettingsFile, AGarbledFileGivesTheDefaults)
{
    Write(QByteArray("\x00\xFF\x13[[[=\n\xC3", 9) + QByteArray(4096, '\x01'));
    ExpectDefaults(app::Settings(path()).Load());
}

TEST_F(SettingsFile, AMalformedFileIsKeptAsideBeforeTheFirstWrite)
{
    const QByteArray garbled = QByteArray("\x00\xFF\x13[[[=\n\xC3", 9) + QByteArray(64, '\x01');
    Write(garbled);
    app::Settings settings(path());
    settings.SetMusic(false);
    EXPECT_FALSE(app::Settings(path()).Load().music);
    const QStringList aside = QFileInfo(path()).dir().entryList({QStringLiteral("settings.ini.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(QFileInfo(path()).dir().filePath(aside.front()));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), garbled);
}

TEST_F(SettingsFile, ValuesOfTheWrongKindGiveTheirDefaults)
{
    Write("[sound]\nmusic=maybe\neffects=0\n[window]\nbackground=a, b, c\n");
    const app::RememberedSettings s = app::Settings(path()).Load();
    EXPECT_TRUE(s.music);
    EXPECT_TRUE(s.soundEffects);
    EXPECT_TRUE(s.background.isEmpty()) << "a list is no file name";
}

TEST(LoginName, IsNeverEmptyForAnAccount) { EXPECT_FALSE(app::LoginName().isEmpty()); }

} // namespace
} // namespace llk::test
