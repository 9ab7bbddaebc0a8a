// The window in the language of the system it starts on: ctest runs this file under en_US.UTF-8,
// C.UTF-8 and zh_CN.UTF-8, each with the filter of the language expected there.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>

#include "dialogs/about_window.h"
#include "dialogs/leaderboard_window.h"
#include "dialogs/new_record_dialog.h"

#include "app/translation.h"
#include "dialogs/help_text.h"
#include "form_fixture.h"

namespace llk::test {
namespace {

class Language : public FormTest {
protected:
    void StartEasy() { Item("mneasy")->trigger(); }

    // A linkable pair of 3s, and 1s and 2s crossed so that no link can join either kind.
    void ClearTheOnlyLinkablePair()
    {
        StartEasy();
        PlaceBoard({"..............", //
                    ".3..3.........", //
                    "..............", //
                    "......12......", //
                    "......21......"});
        ClickCell(2, 2);
        ClickCell(2, 5);
    }

    void RunOutOfTime()
    {
        StartEasy();
        game().counters.TimeBar = 40;
        ASSERT_TRUE(WaitFor([&] { return !feedback.messages.empty(); }));
    }

    void ClearLevelOne()
    {
        StartEasy();
        PlaceBoard({"..............", //
                    ".1..1........."});
        ClickCell(2, 2);
        ClickCell(2, 5);
        ASSERT_TRUE(WaitFor([&] { return game().counters.Level == 2; }));
    }

    QString MenuBarCaptions() const
    {
        QStringList titles;
        for (QAction* action : form->menuBar()->actions())
            titles << action->text();
        return titles.join(u'|');
    }
};

using EnglishSystem = Language;
using ChineseSystem = Language;

TEST_F(EnglishSystem, ChoosesEnglishFromTheSystemsLanguages)
{
    EXPECT_EQ(app::StartupLanguage(), QStringLiteral("en"));
    EXPECT_EQ(MenuBarCaptions(), QStringLiteral("&Game|&Items|&Settings|Re&cords|&Help"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Lanchuan Lianliankan"));
    EXPECT_EQ(Control<QMenu>("mnuPicture1")->title(), QStringLiteral("&0.Pets\t(70 pictures)"));
    EXPECT_EQ(Control<QMenu>("mnuLIANPACK2")->title(), QStringLiteral("&1.Pack 1\t(10 themes)"));
    EXPECT_EQ(Item("mnuBllkI", 4)->text(), QStringLiteral("&Special"));
}

TEST_F(EnglishSystem, TheTimeOutBoxReadsEnglish)
{
    RunOutOfTime();
    EXPECT_EQ(feedback.messages[0].title, QStringLiteral("Lanchuan Lianliankan"));
    EXPECT_EQ(feedback.messages[0].text, QStringLiteral("Time is up. Game over!"));
    EXPECT_EQ(feedback.messages[0].icon, Icon::Error);
}

TEST_F(EnglishSystem, TheBonusBoxReadsEnglishWithItsNumbers)
{
    ClearLevelOne();
    ASSERT_FALSE(feedback.messages.empty());
    const QString text = feedback.messages[0].text;
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("Level cleared!\nBonus points:\n3 “Hint” items, 10 points each: 30 points.\n"
                                       "3 “Shuffle” items, 50 points each: 150 points.\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(" seconds left, 10 points each: "))) << text.toStdString();
    EXPECT_EQ(Control<QLabel>("Label4")->text(), QStringLiteral("Level 1 Down"));
}

TEST_F(EnglishSystem, TheDeadBoardBoxesReadEnglish)
{
    ClearTheOnlyLinkablePair();
    ASSERT_TRUE(WaitFor([&] { return !feedback.messages.empty(); }));
    EXPECT_EQ(feedback.messages[0].text, QStringLiteral("No pair left to remove! The tiles will be shuffled."));
}

TEST_F(EnglishSystem, TheLastDeadBoardEndsTheGameInEnglish)
{
    ClearTheOnlyLinkablePair();
    game().counters.ShufflesLeft = 0;
    ASSERT_TRUE(WaitFor([&] { return !feedback.messages.empty(); }));
    EXPECT_EQ(feedback.messages[0].text, QStringLiteral("No pair left to remove! Game over!"));
}

// Each header label keeps clear of the next one and of the time bar with its longest text.
TEST_F(EnglishSystem, EveryHeaderLabelFitsItsRoom)
{
    StartEasy();
    const int bar = Control("Shape4")->x();
    const int hints = Control("Label3")->x();
    const int shuffles = Control("Label2")->x();
    game().counters.HintsLeft = 99;
    game().counters.ShufflesLeft = 99;
    for (int level = 1; level <= 12; ++level) {
        game().counters.Level = level;
        form->showtoolTipText();
        EXPECT_LT(Control("Label4")->geometry().right(), hints) << Control<QLabel>("Label4")->text().toStdString();
    }
    EXPECT_LT(Control("Label3")->geometry().right(), shuffles) << Control<QLabel>("Label3")->text().toStdString();
    EXPECT_LT(Control("Label2")->geometry().right(), bar) << Control<QLabel>("Label2")->text().toStdString();
}

TEST_F(EnglishSystem, TheHelpReadsHelpEnTxtInUtf8OrElseTheBuiltInEnglish)
{
    const QString builtIn = dialogs::HelpText(folder());
    EXPECT_TRUE(builtIn.startsWith(QStringLiteral("1. A word from the Lanchuan studio\r\n")))
        << builtIn.left(60).toStdString();
    QFile file(folder() + QStringLiteral("Help.en.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Tiles \xe2\x80\x9cpaired\xe2\x80\x9d\nsecond line");
    file.close();
    EXPECT_EQ(dialogs::HelpText(folder()), QStringLiteral("Tiles “paired”\r\nsecond line\r\n"));
}

TEST_F(ChineseSystem, TheHelpStaysTheGbkHelpTxt)
{
    QFile english(folder() + QStringLiteral("Help.en.txt"));
    ASSERT_TRUE(english.open(QIODevice::WriteOnly));
    english.write("English");
    english.close();
    QFile file(folder() + QStringLiteral("Help.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xd3\xce\xcf\xb7"); // 游戏 in GBK
    file.close();
    EXPECT_EQ(dialogs::HelpText(folder()), QStringLiteral("游戏\r\n"));
}

constexpr int ButtonMargins = 12;

// No label, button or tab of `window` shows less than its whole text.
void ExpectEveryTextWhole(QWidget& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->isVisible() && !label->wordWrap()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        }
        if (label->isVisible() && label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
        }
    }
    // A push button's size hint has a floor of its own; the text and its margins are what must fit.
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QString text = QString(button->text()).remove(u'&');
        if (button->isVisible() && !text.isEmpty()) {
            EXPECT_LT(button->fontMetrics().horizontalAdvance(text) + ButtonMargins, button->width()) << text.toStdString();
        }
    }
    for (QTabBar* tabs : window.findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i)
            EXPECT_LT(tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)), tabs->tabRect(i).width())
                << tabs->tabText(i).toStdString();
    EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()));
}

TEST_F(EnglishSystem, TheDialogsShowTheirWholeTexts)
{
    dialogs::NewRecordDialog record(form.get(), 10, 4, 9999999, QStringLiteral("Player"));
    ExpectEveryTextWhole(record);
    frmAboutScreen about(form.get());
    ExpectEveryTextWhole(about);
    QStringList themes;
    for (int theme = 0; theme < app::ThemeCount; ++theme)
        themes << Control<QMenu>(app::ThemeMenuEntry(theme).entryName)->title();
    dialogs::LeaderboardWindow leaderboard(form.get(), {}, themes, QString(), 0);
    ExpectEveryTextWhole(leaderboard);
}

// The menus open on the screen whole: the widest Theme submenu beside its pack and the Game menu.
TEST_F(EnglishSystem, TheMenusFitTheScreen)
{
    int widest = 0;
    for (int theme = 0; theme < app::ThemeCount; ++theme)
        widest = std::max(widest, Control<QMenu>(app::ThemeMenuEntry(theme).entryName)->sizeHint().width());
    const int packs = Control<QMenu>("mngame")->sizeHint().width();
    const int pack = Control<QMenu>("mnuLIANPACK1")->sizeHint().width();
    EXPECT_LE(packs + pack + widest, form->screen()->availableGeometry().width());
    EXPECT_LE(form->menuBar()->sizeHint().width(), form->width());
}

TEST_F(ChineseSystem, TheLanguageMenuRemembersTheChoiceForTheNextStart)
{
    EXPECT_TRUE(Control<QAction>("mnuLanguageSystem")->isChecked());
    EXPECT_EQ(Control<QMenu>("mnuLanguage")->title(), QStringLiteral("语言 / Language(&L)"));
    Item("mnmusic")->trigger();
    Control<QAction>("mnuLanguageEnglish")->trigger();
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(feedback.messages[0].text, QStringLiteral("下次启动游戏时改用所选的语言。"));
    const app::RememberedSettings remembered = app::Settings(app::Settings::StandardPath()).Load();
    EXPECT_EQ(remembered.language, app::LanguageChoice::English);
    EXPECT_FALSE(remembered.music) << "the other settings stay";
    EXPECT_TRUE(Control<QAction>("mnuLanguageEnglish")->isChecked());
    EXPECT_FALSE(Control<QAction>("mnuLanguageSystem")->isChecked());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("岚川连连看"))
        << "the window keeps its language until the next start";
}

TEST_F(ChineseSystem, KeepsTheWrittenChinese)
{
    EXPECT_EQ(app::StartupLanguage(), QStringLiteral("zh"));
    EXPECT_EQ(MenuBarCaptions(), QStringLiteral("游戏(&G)|道具(&I)|设定(&S)|纪录(&C)|帮助(&H)"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("岚川连连看"));
    EXPECT_EQ(Control<QMenu>("mnuPicture1")->title(), QStringLiteral("&0.宠物连连看\t(70 张图片)"));
}

TEST_F(ChineseSystem, TheTimeOutBoxReadsAsWritten)
{
    RunOutOfTime();
    EXPECT_EQ(feedback.messages[0].title, QStringLiteral("岚川连连看"));
    EXPECT_EQ(feedback.messages[0].text, QStringLiteral("时间用尽，游戏结束！"));
}

TEST_F(ChineseSystem, TheBonusBoxReadsAsWritten)
{
    ClearLevelOne();
    ASSERT_FALSE(feedback.messages.empty());
    EXPECT_TRUE(
        feedback.messages[0].text.startsWith(QStringLiteral("恭喜过关！\n额外得分：\n3 个道具“提示”，每个 10 分，共 30 "
                                                            "分。\n3 个道具“洗牌”，每个 50 分，共 150 分。\n剩下 ")));
    EXPECT_EQ(Control<QLabel>("Label4")->text(), QStringLiteral("第1关 向下"));
}

TEST_F(ChineseSystem, TheDeadBoardBoxesReadAsWritten)
{
    ClearTheOnlyLinkablePair();
    game().counters.ShufflesLeft = 0;
    ASSERT_TRUE(WaitFor([&] { return !feedback.messages.empty(); }));
    EXPECT_EQ(feedback.messages[0].text, QStringLiteral("无牌可消！游戏结束！"));
}

} // namespace
} // namespace llk::test
