#include "records/record.h"

#include "board/theme.h"
#include "records/name.h"

namespace llk::records {

std::string_view ResultName(Result result)
{
    switch (result) {
    case Result::Won: return "won";
    case Result::Dead: return "dead";
    case Result::Time: return "time";
    }
    return {};
}

std::optional<Result> ParseResult(std::string_view name)
{
    for (const Result result : {Result::Won, Result::Dead, Result::Time})
        if (ResultName(result) == name)
            return result;
    return std::nullopt;
}

std::optional<Record> ResultOfGame(const Game& g, GamePhase outcome, std::string ended, std::int64_t endedMs)
{
    Record record;
    switch (outcome) {
    case GamePhase::NoGame:
    case GamePhase::Running: return std::nullopt;
    case GamePhase::Won: record.result = Result::Won; break;
    case GamePhase::Lost: record.result = Result::Dead; break;
    case GamePhase::TimeUp: record.result = Result::Time; break;
    }
    if (g.counters.Score <= 0)
        return std::nullopt;
    record.score = g.counters.Score;
    record.level = g.counters.Level;
    record.theme = g.board.ThemeIndex;
    record.difficulty = g.board.DifficultyIndex;
    record.ended = std::move(ended);
    record.endedMs = endedMs;
    return record;
}

std::optional<std::string> RecordProblem(const Record& record)
{
    if (!IsValidName(record.name) || CleanName(record.name) != record.name)
        return "name is not 1 to 16 printable characters";
    if (record.score < 1 || record.score > MaxScore)
        return "score out of range";
    if (record.level < MinLevel || record.level > MaxLevel)
        return "level out of range";
    if (!IsTheme(record.theme))
        return "theme out of range";
    if (record.difficulty < 0 || record.difficulty >= DifficultyCount)
        return "difficulty out of range";
    if (record.ended.empty())
        return "no end time";
    return std::nullopt;
}

} // namespace llk::records
