#include "records/leaderboard.h"

#include <algorithm>
#include <cassert>

namespace llk::records {

bool RanksBefore(const Record& a, const Record& b)
{
    if (a.score != b.score)
        return a.score > b.score;
    return a.endedMs < b.endedMs;
}

Leaderboard::Leaderboard(std::vector<Record> records)
{
    for (Record& record : records) {
        assert(record.difficulty >= 0 && record.difficulty < DifficultyCount);
        m_tables[record.difficulty].push_back(std::move(record));
    }
    for (auto& table : m_tables) {
        std::stable_sort(table.begin(), table.end(), RanksBefore);
        if (table.size() > PlacesPerDifficulty)
            table.resize(PlacesPerDifficulty);
    }
}

const std::vector<Record>& Leaderboard::Table(int difficulty) const
{
    assert(difficulty >= 0 && difficulty < DifficultyCount);
    return m_tables[difficulty];
}

std::vector<Record> Leaderboard::All() const
{
    std::vector<Record> all;
    for (const auto& table : m_tables)
        all.insert(all.end(), table.begin(), table.end());
    return all;
}

int Leaderboard::RankOf(const Record& result) const
{
    assert(result.difficulty >= 0 && result.difficulty < DifficultyCount);
    const auto& table = m_tables[result.difficulty];
    // A new result goes after every kept one it does not beat, equal scores included.
    const auto place = std::upper_bound(table.begin(), table.end(), result, RanksBefore);
    const int rank = static_cast<int>(place - table.begin()) + 1;
    return rank <= PlacesPerDifficulty ? rank : 0;
}

int Leaderboard::Add(const Record& result)
{
    const int rank = RankOf(result);
    if (rank == 0)
        return 0;
    auto& table = m_tables[result.difficulty];
    table.insert(table.begin() + (rank - 1), result);
    if (table.size() > PlacesPerDifficulty)
        table.resize(PlacesPerDifficulty);
    return rank;
}

} // namespace llk::records
