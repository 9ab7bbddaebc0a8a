// The ten best results of each Difficulty, and where a new result enters.
#include <gtest/gtest.h>

#include "records/leaderboard.h"

namespace llk::records {
namespace {

Record Result(int score, int difficulty, std::int64_t endedMs, std::string name = "甲")
{
    Record record;
    record.name = std::move(name);
    record.score = score;
    record.level = 3;
    record.theme = 7;
    record.difficulty = difficulty;
    record.ended = "2026-12-08T19:30:00+08:00";
    record.endedMs = endedMs;
    record.result = Result::Time;
    return record;
}

std::vector<int> Scores(const std::vector<Record>& table)
{
    std::vector<int> scores;
    for (const Record& record : table)
        scores.push_back(record.score);
    return scores;
}

TEST(Leaderboard, SortsEachDifficultyBestFirst)
{
    const Leaderboard board({Result(30, 0, 1), Result(500, 1, 2), Result(90, 0, 3), Result(60, 0, 4)});
    EXPECT_EQ(Scores(board.Table(0)), (std::vector{90, 60, 30}));
    EXPECT_EQ(Scores(board.Table(1)), (std::vector{500}));
    EXPECT_TRUE(board.Table(4).empty());
}

TEST(Leaderboard, KeepsOnlyTheTenBestOfEachDifficulty)
{
    std::vector<Record> records;
    for (int i = 1; i <= 12; ++i) {
        records.push_back(Result(i * 10, 2, i));
        records.push_back(Result(i, 3, i));
    }
    const Leaderboard board(records);
    ASSERT_EQ(board.Table(2).size(), 10u);
    EXPECT_EQ(board.Table(2).front().score, 120);
    EXPECT_EQ(board.Table(2).back().score, 30);
    EXPECT_EQ(board.Table(3).size(), 10u) << "one Difficulty's results never push out another's";
    EXPECT_EQ(board.All().size(), 20u);
}

TEST(Leaderboard, EqualScoresKeepTheOlderResultFirst)
{
    const Leaderboard board({Result(100, 0, 2000, "新"), Result(100, 0, 1000, "旧")});
    EXPECT_EQ(board.Table(0)[0].name, "旧");
    EXPECT_EQ(board.Table(0)[1].name, "新");
}

TEST(Leaderboard, ANewResultEnteringWithAnEqualScoreGoesBelowTheOlderOnes)
{
    Leaderboard board({Result(100, 0, 1000, "旧"), Result(50, 0, 1100)});
    EXPECT_EQ(board.Add(Result(100, 0, 5000, "新")), 2);
    EXPECT_EQ(board.Table(0)[0].name, "旧");
    EXPECT_EQ(board.Table(0)[1].name, "新");
    EXPECT_EQ(board.Table(0)[2].score, 50);
}

TEST(Leaderboard, AFullTableAdmitsOnlyAResultThatBeatsItsTenth)
{
    std::vector<Record> ten;
    for (int i = 1; i <= 10; ++i)
        ten.push_back(Result(i * 100, 4, i));
    Leaderboard board(ten);
    EXPECT_EQ(board.RankOf(Result(100, 4, 99)), 0) << "equal to the tenth is not better than it";
    EXPECT_EQ(board.RankOf(Result(99, 4, 99)), 0);
    EXPECT_EQ(board.RankOf(Result(101, 4, 99)), 10);
    EXPECT_EQ(board.RankOf(Result(5000, 4, 99)), 1);
    EXPECT_EQ(board.RankOf(Result(1, 0, 99)), 1) << "another Difficulty's table is empty";

    EXPECT_EQ(board.Add(Result(100, 4, 99)), 0);
    EXPECT_EQ(board.Table(4).back().endedMs, 1) << "a result that stays out changes nothing";
    EXPECT_EQ(board.Add(Result(550, 4, 99)), 6);
    ASSERT_EQ(board.Table(4).size(), 10u);
    EXPECT_EQ(board.Table(4)[5].score, 550);
    EXPECT_EQ(board.Table(4).back().score, 200) << "the old tenth has dropped out";
}

TEST(Leaderboard, RankOfAndAddAgree)
{
    Leaderboard board;
    for (int i = 0; i < 40; ++i) {
        const Record next = Result((i * 37) % 23 + 1, i % 2, i);
        const int expected = board.RankOf(next);
        EXPECT_EQ(board.Add(next), expected) << "result " << i;
        for (int d = 0; d < 2; ++d)
            EXPECT_TRUE(std::is_sorted(board.Table(d).begin(), board.Table(d).end(), RanksBefore));
    }
}

} // namespace
} // namespace llk::records
