// The leaderboard: the ten best results of each Difficulty, best first.
#pragma once

#include <vector>

#include "records/record.h"

namespace llk::records {

constexpr int PlacesPerDifficulty = 10;

// Higher score first; of equal scores the older result first, then the one listed first.
bool RanksBefore(const Record& a, const Record& b);

class Leaderboard {
public:
    Leaderboard() = default;
    // Keeps the best ten of each Difficulty of `records`; records out of range are the reader's to drop.
    explicit Leaderboard(std::vector<Record> records);

    // The places of one Difficulty, best first; at most ten.
    const std::vector<Record>& Table(int difficulty) const;
    // Every kept record, Difficulty by Difficulty, best first.
    std::vector<Record> All() const;

    // The place (1-10) a new result would take in its Difficulty's table, or 0 when it stays out.
    int RankOf(const Record& result) const;
    // Enters a new result; returns its place, or 0 when it stays out (the table is unchanged).
    int Add(const Record& result);

private:
    std::vector<Record> m_tables[DifficultyCount];
};

} // namespace llk::records
