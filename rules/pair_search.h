// Pair search: the first pair of equal tiles that can be linked, kind by kind in reading order.
#pragma once

#include <optional>

#include "board/game.h"

namespace llk {

enum class SearchResult { PairFound, BoardEmpty, NoRemovablePair };

// Two Cells of equal tiles, in the order of the search's list.
struct CellPair {
    int first = 0;
    int second = 0;
    friend bool operator==(const CellPair&, const CellPair&) = default;
};

struct PairSearchOutcome {
    SearchResult result = SearchResult::NoRemovablePair;
    CellPair pair; // set when result is PairFound
};

// Continues the search from its state: tests the tiles gathered so far, then gathers one more
// kind at a time in reading order. With showHint, the pair found is played and outlined.
PairSearchOutcome FindPair(Game& g, bool showHint);

// The shuffle's dead-board test, started on a fresh state: gathers kinds until a pair links or
// the gathered tiles exceed 30 % of the inner Cells, which rejects the arrangement.
bool FindPairLimited(Game& g);

// Tests the gathered tiles that the last unsuccessful test left out; the first linkable pair.
std::optional<CellPair> TestCandidates(Game& g, bool showHint);

// The next tile from SearchCursor on that the scan has not passed; empty Cells passed on the way
// join VisitedList. 0 after the last inner row.
int NextNewCell(Game& g);

// Both markers on the pair: Shape1 on a, Shape2 on b.
void ShowHint(Game& g, int a, int b);

} // namespace llk
