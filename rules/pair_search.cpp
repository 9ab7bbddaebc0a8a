#include "rules/pair_search.h"

#include <array>
#include <span>

#include "board/board.h"
#include "linking/board_view.h"
#include "linking/link_search.h"

namespace llk {
namespace {

// CandidateList without the occurrence of ExcludedList. Entries of CandidateList are distinct,
// so ExcludedList occurs in it at most once; the view maps its indices round that occurrence.
class ReducedList {
public:
    ReducedList(const CellList& candidates, const CellList& excluded) : m_list(candidates)
    {
        if (excluded.empty() || excluded.size() > candidates.size())
            return;
        const auto& entries = candidates.Entries();
        for (std::size_t start = 0; start + excluded.size() <= entries.size(); ++start) {
            if (entries[start] != excluded[0])
                continue;
            bool whole = true;
            for (std::size_t k = 1; k < excluded.size() && whole; ++k)
                whole = entries[start + k] == excluded[k];
            if (whole) {
                m_start = start;
                m_skipped = excluded.size();
            }
            return;
        }
    }

    std::size_t size() const { return m_list.size() - m_skipped; }
    int operator[](std::size_t k) const { return m_list[k < m_start ? k : k + m_skipped]; }

private:
    const CellList& m_list;
    std::size_t m_start = 0;
    std::size_t m_skipped = 0;
};

// The Cells of each kind in increasing CellIndex. The Board does not change during one search
// call, so gathering a kind walks its own Cells instead of the whole Board.
class KindIndex {
public:
    explicit KindIndex(const Game& g)
    {
        const int last = CellCount(g);
        m_start.fill(0);
        m_valid = last <= MaxCells;
        for (int i = 1; i <= last && m_valid; ++i) {
            m_valid = g.board.Cells[i] >= 0 && g.board.Cells[i] <= MaxTileKind;
            if (m_valid)
                ++m_start[static_cast<std::size_t>(g.board.Cells[i]) + 2];
        }
        if (!m_valid)
            return;
        for (std::size_t k = 2; k < m_start.size(); ++k)
            m_start[k] += m_start[k - 1];
        // m_start[k + 1] counts the Cells below kind k; placing them moves it to the end of kind k.
        for (int i = 1; i <= last; ++i)
            m_cells[static_cast<std::size_t>(m_start[static_cast<std::size_t>(g.board.Cells[i]) + 1]++)] = i;
    }

    // False for a Board no game or board file can make (kinds beyond 70, more than 900 Cells):
    // the search then scans the Board instead.
    bool Valid() const { return m_valid; }

    std::span<const int> CellsOf(int kind) const
    {
        const auto k = static_cast<std::size_t>(kind);
        return std::span<const int>(m_cells).subspan(static_cast<std::size_t>(m_start[k]),
                                                     static_cast<std::size_t>(m_start[k + 1] - m_start[k]));
    }

private:
    static constexpr int MaxCells = MaxBoardSide * MaxBoardSide;
    bool m_valid = false;
    std::array<int, MaxTileKind + 3> m_start;
    std::array<int, MaxCells> m_cells;
};

// Appends every tile of the kind at SearchCursor, from there to the last Cell, that neither list
// holds yet: one group per kind, in increasing CellIndex.
void GatherKind(Game& g, std::optional<KindIndex>& index, bool firstOfCall)
{
    g.search.SearchKind = g.board.Cells[g.search.SearchCursor];
    const auto gather = [&g](int i) {
        if (!g.search.VisitedList.Contains(i) && !g.search.CandidateList.Contains(i))
            g.search.CandidateList.Append(i);
    };
    if (!firstOfCall && !index) // most searches stop at their first kind: not worth an index
        index.emplace(g);
    if (!index || !index->Valid()) {
        const int last = CellCount(g);
        for (int i = g.search.SearchCursor; i <= last; ++i)
            if (g.board.Cells[i] == g.search.SearchKind)
                gather(i);
        return;
    }
    for (const int i : index->CellsOf(g.search.SearchKind))
        if (i >= g.search.SearchCursor)
            gather(i);
}

} // namespace

int NextNewCell(Game& g)
{
    const int last = (g.board.RowCount - 1) * g.board.ColCount;
    for (int i = g.search.SearchCursor; i <= last; ++i) {
        if (g.search.VisitedList.Contains(i))
            continue;
        if (g.board.Cells[i] > EmptyCell)
            return i;
        g.search.VisitedList.Append(i);
    }
    return 0;
}

std::optional<CellPair> TestCandidates(Game& g, bool showHint)
{
    if (g.search.CandidateList.empty())
        return std::nullopt;
    const ReducedList e(g.search.CandidateList, g.search.ExcludedList);
    const std::size_t n = e.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (g.board.Cells[e[j]] != g.board.Cells[e[i]])
                break;
            if (LinkTest(g, e[i], e[j], false)) {
                const CellPair pair{e[i], e[j]};
                if (showHint) {
                    PlaySound(g, Sound::Hint);
                    ShowHint(g, pair.first, pair.second);
                }
                // The first j entries of the whole list, not of the reduced one: a quirk that
                // can leave the found pair's first tile in the next test.
                g.search.ExcludedList.AssignPrefix(g.search.CandidateList, j);
                g.search.FoundFirst = pair.first;
                g.search.FoundSecond = pair.second;
                return pair;
            }
        }
    }
    g.search.ExcludedList.AssignPrefix(g.search.CandidateList, g.search.CandidateList.size());
    return std::nullopt;
}

PairSearchOutcome FindPair(Game& g, bool showHint)
{
    if (g.search.SearchCursor == 0)
        g.search.SearchCursor = g.board.ColCount + 1;
    std::optional<KindIndex> index;
    for (bool first = true;; first = false) {
        if (const auto pair = TestCandidates(g, showHint))
            return {SearchResult::PairFound, *pair};
        ++g.search.SearchCursor;
        g.search.SearchCursor = NextNewCell(g);
        if (g.search.SearchCursor == 0)
            break;
        GatherKind(g, index, first);
    }
    g.search.ExcludedList.clear();
    if (const auto pair = TestCandidates(g, showHint))
        return {SearchResult::PairFound, *pair};
    return {g.search.CandidateList.empty() ? SearchResult::BoardEmpty : SearchResult::NoRemovablePair, {}};
}

bool FindPairLimited(Game& g)
{
    const double limit = 0.3 * (g.board.RowCount - 2) * (g.board.ColCount - 2);
    std::optional<KindIndex> index;
    for (bool first = true;; first = false) {
        const int from = g.search.SearchCursor != 0 ? g.search.SearchCursor : g.board.ColCount + 1;
        g.search.SearchCursor = from + 1;
        g.search.SearchCursor = NextNewCell(g);
        if (static_cast<double>(g.search.CandidateList.size()) > limit || g.search.SearchCursor == 0)
            return false;
        GatherKind(g, index, first);
        if (TestCandidates(g, false))
            return true;
    }
}

void ShowHint(Game& g, int a, int b)
{
    ComputeCellMetrics(g);
    PlaceMarker(g, g.screen.Shape1, CellRow(g, a), CellCol(g, a));
    PlaceMarker(g, g.screen.Shape2, CellRow(g, b), CellCol(g, b));
    g.screen.Shape1.visible = true;
    g.screen.Shape2.visible = true;
}

} // namespace llk
