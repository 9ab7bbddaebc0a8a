// Which language the window chooses, and the engine's texts through the shell's table.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include "app/settings.h"
#include "app/translation.h"
#include "dialogs/difficulty_names.h"
#include "dialogs/engine_texts.h"
#include "rules/commands.h"
#include "rules/messages.h"

namespace llk::test {
namespace {

using app::ChosenLanguage;
using app::LanguageChoice;

const QStringList English{QStringLiteral("en")};

TEST(ChosenLanguage, FollowsTheFirstSystemLanguageThatTheGameSpeaks)
{
    EXPECT_EQ(ChosenLanguage(LanguageChoice::System, {QStringLiteral("en-US")}, English), QStringLiteral("en"));
    EXPECT_EQ(ChosenLanguage(LanguageChoice::System, {QStringLiteral("en_GB")}, English), QStringLiteral("en"));
    EXPECT_EQ(ChosenLanguage(LanguageChoice::System, {QStringLiteral("de-DE"), QStringLiteral("en-US")}, English),
              QStringLiteral("en"));
    EXPECT_EQ(ChosenLanguage(LanguageChoice::System, {QStringLiteral("zh-Hans-CN"), QStringLiteral("en-US")}, English),
              QStringLiteral("zh"));
}

TEST(ChosenLanguage, KeepsTheWrittenChineseUnderCAndUntranslatedLocales)
{
    EXPECT_EQ(ChosenLanguage(LanguageChoice::System, {QStringLiteral("C")}, English), QStringLiteral("zh"));
    EXPECT_EQ(ChosenLanguage(LanguageChoice::System, {QStringLiteral("POSIX")}, English), QStringLiteral("zh"));
    EXPECT_EQ(ChosenLanguage(LanguageChoice::System, {QStringLiteral("de-DE")}, English), QStringLiteral("zh"));
    EXPECT_EQ(ChosenLanguage(LanguageChoice::System, {}, English), QStringLiteral("zh"));
    EXPECT_EQ(ChosenLanguage(LanguageChoice::System, {QStringLiteral("en-US")}, {}), QStringLiteral("zh"));
}

TEST(ChosenLanguage, ThePlayersChoiceOverridesTheSystem)
{
    EXPECT_EQ(ChosenLanguage(LanguageChoice::Chinese, {QStringLiteral("en-US")}, English), QStringLiteral("zh"));
    EXPECT_EQ(ChosenLanguage(LanguageChoice::English, {QStringLiteral("zh-CN")}, English), QStringLiteral("en"));
}

TEST(TranslatedLanguages, HoldsTheBuiltInEnglish)
{
    EXPECT_TRUE(app::TranslatedLanguages().contains(QStringLiteral("en")));
}

TEST(LanguageSetting, IsRememberedAndKeepsTheOtherSettings)
{
    const QTemporaryDir dir;
    app::Settings settings(dir.filePath(QStringLiteral("settings.ini")));
    EXPECT_EQ(settings.Load().language, LanguageChoice::System);
    settings.SetMusic(false);
    settings.SetLanguage(LanguageChoice::English);
    EXPECT_EQ(settings.Load().language, LanguageChoice::English);
    EXPECT_FALSE(settings.Load().music);
    settings.SetLanguage(LanguageChoice::Chinese);
    EXPECT_EQ(settings.Load().language, LanguageChoice::Chinese);
}

TEST(EngineTexts, ReadAsWrittenWithoutATranslation)
{
    EXPECT_EQ(dialogs::ShownText(TimeUpText), QStringLiteral("时间用尽，游戏结束！"));
    EXPECT_EQ(dialogs::ShownText(Levelstr(11)), QStringLiteral("第10关 向内集中"));
    EXPECT_EQ(dialogs::ShownText(BonusText(2, 3, 250)), QString::fromStdString(BonusText(2, 3, 250)));
    EXPECT_EQ(dialogs::ShownText("not an engine text"), QStringLiteral("not an engine text"));
}

TEST(EngineTexts, ReadEnglishWithTheEnglishTranslation)
{
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral("lianliankan_en"), QStringLiteral(":/i18n")));
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(dialogs::ShownText(NoPairGameOverText), QStringLiteral("No pair left to remove! Game over!"));
    EXPECT_EQ(dialogs::ShownText(Levelstr(12)), QStringLiteral("Special: rule them all"));
    // The numbers of the bonus text go into the translation's slots.
    const QString bonus = dialogs::ShownText(BonusText(2, 3, 250));
    EXPECT_TRUE(bonus.contains(QStringLiteral("2 “Hint” items, 10 points each: 20 points."))) << bonus.toStdString();
    EXPECT_TRUE(bonus.contains(QStringLiteral("250 seconds left, 10 points each: 2500 points."))) << bonus.toStdString();
    QCoreApplication::removeTranslator(&translator);
}

TEST(EngineTexts, TheTableHoldsEveryEngineText)
{
    QStringList sources;
    for (int i = 0; i < dialogs::EngineTextCount(); ++i)
        sources << dialogs::EngineTextSource(i);
    for (int level = 1; level <= 12; ++level)
        EXPECT_TRUE(sources.contains(QString::fromStdString(Levelstr(level)))) << level;
    for (const std::string_view text : {AllClearedText, AutoShuffleText, NoPairGameOverText, TimeUpText, BonusTemplate})
        EXPECT_TRUE(sources.contains(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
}

// One list of names serves the leaderboard and the Game menu; the menu's access keys sit where
// each language puts them.
TEST(DifficultyNames, MakeTheMenuCaptionsInEitherLanguage)
{
    const QStringList written{QStringLiteral("初级篇(&E)"), QStringLiteral("中级篇(&N)"), QStringLiteral("高级篇(&H)"),
                              QStringLiteral("特级篇(&V)"), QStringLiteral("特殊篇(&S)")};
    for (int d = 0; d < DifficultyCount; ++d) {
        EXPECT_EQ(dialogs::DifficultyCaption(d), written[d]);
        EXPECT_EQ(dialogs::DifficultyName(d), written[d].left(3));
    }

    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral("lianliankan_en"), QStringLiteral(":/i18n")));
    QCoreApplication::installTranslator(&translator);
    const QStringList english{QStringLiteral("&Easy"), QStringLiteral("&Normal"), QStringLiteral("&Hard"),
                              QStringLiteral("&Very hard"), QStringLiteral("&Special")};
    for (int d = 0; d < DifficultyCount; ++d) {
        EXPECT_EQ(dialogs::DifficultyCaption(d), english[d]);
        EXPECT_EQ(dialogs::DifficultyName(d), QString(english[d]).remove(u'&'));
    }
    QCoreApplication::removeTranslator(&translator);
}

} // namespace
} // namespace llk::test
