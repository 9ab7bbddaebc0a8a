// The leaderboard and help windows from the keyboard alone: Tab order, Esc and Return.
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/help_window.h"
#include "dialogs/leaderboard_window.h"

namespace llk::dialogs {
namespace {

QStringList ThemeNames()
{
    QStringList names;
    for (int theme = 0; theme < 30; ++theme)
        names.append(QStringLiteral("主题%1").arg(theme));
    return names;
}

// The widgets Tab visits from `start`, in order, until it comes back.
QList<QWidget*> TabRound(QWidget* start)
{
    QList<QWidget*> round{start};
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == start)
            break;
        round.append(now);
    }
    return round;
}

TEST(LeaderboardKeys, TabGoesFromTheTabsToCloseAndArrowsTurnTheTabs)
{
    LeaderboardWindow window(nullptr, {}, ThemeNames(), QString(), 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* close = window.findChild<QPushButton*>();
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(close->isDefault());
    QTabBar* bar = window.tabs()->tabBar();
    bar->setFocus();
    const QList<QWidget*> round = TabRound(bar);
    EXPECT_EQ(round, (QList<QWidget*>{bar, close}));
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(window.tabs()->currentIndex(), 1);
    QTest::keyClick(bar, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible()) << "Return presses 关闭, the default button";
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST(LeaderboardKeys, EscapeCloses)
{
    LeaderboardWindow window(nullptr, {}, ThemeNames(), QString(), 2);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST(HelpKeys, TheTextTakesTheKeysAndEscapeOrReturnCloses)
{
    QTemporaryDir folder;
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        frmHelp window(nullptr, folder.path());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        auto* text = window.findChild<QPlainTextEdit*>();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(QApplication::focusWidget(), text) << "the text scrolls with the arrow keys at once";
        QTest::keyClick(text, key);
        EXPECT_FALSE(window.isVisible()) << key;
    }
}

} // namespace
} // namespace llk::dialogs
