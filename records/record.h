// A leaderboard result: what counts as one, and the ranges its fields keep to.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "board/difficulty.h"
#include "board/game.h"

namespace llk::records {

// How the game ended; the names are those of the records file.
enum class Result { Won, Dead, Time };

using llk::DifficultyCount;
constexpr int MinLevel = 1;
constexpr int MaxLevel = 12;
// Far above any score a game can reach; a larger number in the file is damage, not a result.
constexpr int MaxScore = 99'999'999;

struct Record {
    std::string name; // UTF-8, cleaned (see name.h)
    int score = 0;
    int level = 0;            // 1-12, the level the game reached
    int theme = 0;            // ThemeIndex, 0-29
    int difficulty = 0;       // DifficultyIndex, 0-4
    std::string ended;        // ISO 8601 with the offset from UTC, as written in the file
    std::int64_t endedMs = 0; // the same moment in ms since 1970 UTC, for ordering
    Result result = Result::Time;
};

std::string_view ResultName(Result result);
std::optional<Result> ParseResult(std::string_view name);

// The result of a game that has just ended, unnamed; nothing for a game that scored nothing or
// has not ended.
std::optional<Record> ResultOfGame(const Game& g, GamePhase outcome, std::string ended, std::int64_t endedMs);

// Why a record read from the file cannot be a result (a field out of its range), or nothing.
std::optional<std::string> RecordProblem(const Record& record);

} // namespace llk::records
