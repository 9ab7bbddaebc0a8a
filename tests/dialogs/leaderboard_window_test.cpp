// The leaderboard window: five tabs, best first, the newest result highlighted, every text in full.
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/leaderboard_window.h"

namespace llk::dialogs {
namespace {

enum Column { Rank, Name, Score, Level, Theme, Date };

QStringList ThemeNames()
{
    QStringList names;
    for (int theme = 0; theme < 30; ++theme)
        names.append(theme == 11 ? QStringLiteral("连连看中国龙") : QStringLiteral("主题%1").arg(theme));
    return names;
}

records::Record Result(int score, int difficulty, std::int64_t endedMs, std::string name = "小明")
{
    records::Record record;
    record.name = std::move(name);
    record.score = score;
    record.level = 11;
    record.theme = 11;
    record.difficulty = difficulty;
    record.ended = "2026-12-08T19:30:00+08:00";
    record.endedMs = endedMs;
    record.result = records::Result::Time;
    return record;
}

// Ten results in every Difficulty, with the widest names and numbers a result can have.
std::vector<records::Record> FullBoard()
{
    std::vector<records::Record> all;
    for (int d = 0; d < records::DifficultyCount; ++d)
        for (int i = 0; i < 10; ++i)
            all.push_back(
                Result(records::MaxScore - i, d, i, i % 2 ? "一二三四五六七八九十一二三四五六" : "WWWWWWWWWWWWWWWW"));
    return all;
}

QString Text(QTableWidget* table, int row, int column)
{
    return table->item(row, column) ? table->item(row, column)->text() : QString();
}

TEST(LeaderboardWindow, HasATabPerDifficulty)
{
    LeaderboardWindow window(nullptr, {}, ThemeNames(), {}, 0);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("排行榜"));
    ASSERT_EQ(window.tabs()->count(), 5);
    const QStringList captions{QStringLiteral("初级篇"), QStringLiteral("中级篇"), QStringLiteral("高级篇"),
                               QStringLiteral("特级篇"), QStringLiteral("特殊篇")};
    for (int d = 0; d < 5; ++d) {
        EXPECT_EQ(window.tabs()->tabText(d), captions[d]);
        EXPECT_EQ(window.table(d)->rowCount(), 0);
    }
    EXPECT_FALSE(window.notice()->isVisibleTo(&window));
}

TEST(LeaderboardWindow, ShowsEachDifficultyBestFirst)
{
    LeaderboardWindow window(nullptr, {Result(30, 2, 1, "乙"), Result(900, 2, 2, "甲"), Result(5, 0, 3, "丙")},
                             ThemeNames(), {}, 2);
    EXPECT_EQ(window.tabs()->currentIndex(), 2) << "the Difficulty last played";
    QTableWidget* hard = window.table(2);
    ASSERT_EQ(hard->rowCount(), 2);
    EXPECT_EQ(Text(hard, 0, Rank), QStringLiteral("1"));
    EXPECT_EQ(Text(hard, 0, Name), QStringLiteral("甲"));
    EXPECT_EQ(Text(hard, 0, Score), QStringLiteral("900"));
    EXPECT_EQ(Text(hard, 0, Level), QStringLiteral("第10关 向内集中"));
    EXPECT_EQ(Text(hard, 0, Theme), QStringLiteral("连连看中国龙"));
    EXPECT_EQ(Text(hard, 0, Date), ShownDate("2026-12-08T19:30:00+08:00"));
    EXPECT_EQ(Text(hard, 1, Rank), QStringLiteral("2"));
    EXPECT_EQ(Text(hard, 1, Name), QStringLiteral("乙"));
    EXPECT_EQ(window.table(0)->rowCount(), 1);
    EXPECT_EQ(window.highlightedRow(2), -1) << "nothing was just entered";
}

TEST(ShownDate, IsTheLocalTimeToTheMinute)
{
    const QString shown = ShownDate("2026-12-08T19:30:00+08:00");
    const QDateTime expected = QDateTime(QDate(2026, 12, 8), QTime(11, 30), Qt::UTC).toLocalTime();
    EXPECT_EQ(shown, expected.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    EXPECT_TRUE(ShownDate("garbage").isEmpty());
}

TEST(LeaderboardWindow, HighlightsTheResultJustEnteredOnItsTab)
{
    const records::Record newest = Result(100, 4, 50, "新");
    LeaderboardWindow window(nullptr, {Result(100, 4, 10, "旧"), newest, Result(500, 4, 5)}, ThemeNames(), {}, 0, newest);
    EXPECT_EQ(window.tabs()->currentIndex(), 4);
    EXPECT_EQ(window.highlightedRow(4), 2) << "below the older result of equal score";
    EXPECT_EQ(Text(window.table(4), 2, Name), QStringLiteral("新"));
    EXPECT_NE(window.table(4)->item(2, Name)->background(), window.table(4)->item(1, Name)->background());
    EXPECT_TRUE(window.table(4)->item(2, Score)->font().bold());
    EXPECT_FALSE(window.table(4)->item(1, Score)->font().bold());
}

TEST(LeaderboardWindow, ShowsNamesAndTheNoticeAsPlainText)
{
    LeaderboardWindow window(nullptr, {Result(10, 0, 1, "<b>粗</b>&amp;")}, ThemeNames(), QStringLiteral("<i>注意</i>"), 0);
    EXPECT_EQ(Text(window.table(0), 0, Name), QStringLiteral("<b>粗</b>&amp;"));
    EXPECT_EQ(window.notice()->textFormat(), Qt::PlainText);
    EXPECT_EQ(window.notice()->text(), QStringLiteral("<i>注意</i>"));
    EXPECT_TRUE(window.notice()->isVisibleTo(&window));
}

TEST(LeaderboardWindow, AFullBoardShowsEveryTextInFull)
{
    const QString notice = QStringLiteral("排行榜文件已损坏，只显示能读出的纪录；下次记录前会把原文件另存一份。");
    LeaderboardWindow window(nullptr, FullBoard(), ThemeNames(), notice, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (int d = 0; d < 5; ++d) {
        window.tabs()->setCurrentIndex(d);
        QTableWidget* table = window.table(d);
        ASSERT_EQ(table->rowCount(), 10);
        EXPECT_EQ(table->horizontalScrollBar()->maximum(), 0) << "tab " << d;
        EXPECT_EQ(table->verticalScrollBar()->maximum(), 0) << "tab " << d;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString title = table->horizontalHeaderItem(column)->text();
            const QFontMetrics header(table->horizontalHeader()->font());
            EXPECT_GE(table->columnWidth(column), header.horizontalAdvance(title)) << title.toStdString();
            for (int row = 0; row < table->rowCount(); ++row) {
                const QTableWidgetItem* item = table->item(row, column);
                const QFontMetrics metrics(item->font());
                EXPECT_GT(table->columnWidth(column), metrics.horizontalAdvance(item->text()))
                    << item->text().toStdString();
                EXPECT_GE(table->rowHeight(row), metrics.height());
            }
        }
    }
    EXPECT_GE(window.notice()->width(), window.notice()->sizeHint().width());
    EXPECT_GE(window.tabs()->tabBar()->width(), window.tabs()->tabBar()->sizeHint().width());
    EXPECT_TRUE(window.screen()->availableGeometry().contains(QRect(QPoint(0, 0), window.frameGeometry().size())))
        << "fits on the smallest screen the game runs on";
}

} // namespace
} // namespace llk::dialogs
