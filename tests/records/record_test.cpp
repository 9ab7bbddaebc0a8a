// What makes a result of a game, and the ranges a stored result keeps to.
#include <functional>

#include <gtest/gtest.h>

#include "records/record.h"
#include "rules/commands.h"

namespace llk::records {
namespace {

Record Valid()
{
    Record record;
    record.name = "小明";
    record.score = 1234;
    record.level = 5;
    record.theme = 0;
    record.difficulty = 0;
    record.ended = "2026-12-08T19:30:00+08:00";
    record.result = Result::Time;
    return record;
}

TEST(ResultOfGame, TakesScoreLevelThemeAndDifficultyOfTheGame)
{
    Game g;
    ASSERT_TRUE(StartGame(g, 12, 2));
    g.counters.Score = 780;
    g.counters.Level = 4;
    const auto record = ResultOfGame(g, GamePhase::TimeUp, "2026-12-08T19:30:00+08:00", 42);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->score, 780);
    EXPECT_EQ(record->level, 4);
    EXPECT_EQ(record->theme, 12);
    EXPECT_EQ(record->difficulty, 2);
    EXPECT_EQ(record->result, Result::Time);
    EXPECT_EQ(record->endedMs, 42);
    EXPECT_TRUE(record->name.empty()) << "the player names it";
}

TEST(ResultOfGame, TellsHowTheGameEnded)
{
    Game g;
    ASSERT_TRUE(StartGame(g, 0, 4));
    g.counters.Score = 10;
    EXPECT_EQ(ResultOfGame(g, GamePhase::Won, "t", 0)->result, Result::Won);
    EXPECT_EQ(ResultOfGame(g, GamePhase::Lost, "t", 0)->result, Result::Dead);
    EXPECT_EQ(ResultOfGame(g, GamePhase::TimeUp, "t", 0)->result, Result::Time);
    EXPECT_EQ(ResultOfGame(g, GamePhase::Won, "t", 0)->difficulty, 4);
}

TEST(ResultOfGame, AGameThatScoredNothingOrHasNotEndedIsNoResult)
{
    Game g;
    ASSERT_TRUE(StartGame(g, 3, 1));
    EXPECT_FALSE(ResultOfGame(g, GamePhase::TimeUp, "t", 0)) << "score 0";
    g.counters.Score = 10;
    EXPECT_FALSE(ResultOfGame(g, GamePhase::NoGame, "t", 0));
    EXPECT_FALSE(ResultOfGame(g, GamePhase::Running, "t", 0));
}

TEST(ResultNames, AreThoseOfTheFile)
{
    EXPECT_EQ(ResultName(Result::Won), "won");
    EXPECT_EQ(ResultName(Result::Dead), "dead");
    EXPECT_EQ(ResultName(Result::Time), "time");
    EXPECT_EQ(ParseResult("dead"), Result::Dead);
    EXPECT_FALSE(ParseResult("Dead"));
    EXPECT_FALSE(ParseResult(""));
}

TEST(RecordProblem, AcceptsAResultInRange) { EXPECT_FALSE(RecordProblem(Valid())); }

TEST(RecordProblem, RefusesEachFieldOutOfRange)
{
    const std::vector<std::function<void(Record&)>> damages{
        [](Record& r) { r.name = ""; },
        [](Record& r) { r.name = "abcdefghijklmnopq"; },
        [](Record& r) { r.name = " padded"; },
        [](Record& r) { r.name = "a\tb"; },
        [](Record& r) { r.score = 0; },
        [](Record& r) { r.score = -5; },
        [](Record& r) { r.score = MaxScore + 1; },
        [](Record& r) { r.level = 0; },
        [](Record& r) { r.level = 13; },
        [](Record& r) { r.theme = -1; },
        [](Record& r) { r.theme = 30; },
        [](Record& r) { r.difficulty = -1; },
        [](Record& r) { r.difficulty = 5; },
        [](Record& r) { r.ended.clear(); },
    };
    for (std::size_t i = 0; i < damages.size(); ++i) {
        Record record = Valid();
        damages[i](record);
        EXPECT_TRUE(RecordProblem(record)) << "damage " << i;
    }
}

} // namespace
} // namespace llk::records
