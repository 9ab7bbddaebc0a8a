#include "rules/pair_search.h"

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

// Appends every tile of the kind at SearchCursor, from there to the last Cell, that neither list
// holds yet: one group per kind, in increasing CellIndex.
void GatherKind(Game& g)
{
    g.SearchKind = g.Cells[g.SearchCursor];
    const int last = CellCount(g);
    for (int i = g.SearchCursor; i <= last; ++i)
        if (g.Cells[i] == g.SearchKind && !g.VisitedList.Contains(i) && !g.CandidateList.Contains(i))
            g.CandidateList.Append(i);
}

} // namespace

void ResetPairSearch(Game& g)
{
    g.SearchCursor = 0;
    g.SearchKind = 0;
    g.CandidateList.clear();
    g.VisitedList.clear();
    g.ExcludedList.clear();
}

bool ListHasCell(const CellList& list, int cell) { return list.Contains(cell); }

int NextNewCell(Game& g)
{
    const int last = (g.RowCount - 1) * g.ColCount;
    for (int i = g.SearchCursor; i <= last; ++i) {
        if (g.VisitedList.Contains(i))
            continue;
        if (g.Cells[i] > EmptyCell)
            return i;
        g.VisitedList.Append(i);
    }
    return 0;
}

std::optional<CellPair> TestCandidates(Game& g, bool showHint)
{
    if (g.CandidateList.empty())
        return std::nullopt;
    const ReducedList e(g.CandidateList, g.ExcludedList);
    const std::size_t n = e.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (g.Cells[e[j]] != g.Cells[e[i]])
                break;
            if (LinkTest(g, e[i], e[j], false)) {
                const CellPair pair{e[i], e[j]};
                if (showHint) {
                    PlaySound(g, Sound::Hint);
                    ShowHint(g, pair.first, pair.second);
                }
                // The first j entries of the whole list, not of the reduced one: a quirk that
                // can leave the found pair's first tile in the next test.
                g.ExcludedList.AssignPrefix(g.CandidateList, j);
                return pair;
            }
        }
    }
    g.ExcludedList.AssignPrefix(g.CandidateList, g.CandidateList.size());
    return std::nullopt;
}

PairSearchOutcome FindPair(Game& g, bool showHint)
{
    if (g.SearchCursor == 0)
        g.SearchCursor = g.ColCount + 1;
    for (;;) {
        if (const auto pair = TestCandidates(g, showHint))
            return {SearchResult::PairFound, *pair};
        ++g.SearchCursor;
        g.SearchCursor = NextNewCell(g);
        if (g.SearchCursor == 0)
            break;
        GatherKind(g);
    }
    g.ExcludedList.clear();
    if (const auto pair = TestCandidates(g, showHint))
        return {SearchResult::PairFound, *pair};
    return {g.CandidateList.empty() ? SearchResult::BoardEmpty : SearchResult::NoRemovablePair, {}};
}

bool FindPairLimited(Game& g)
{
    const double limit = 0.3 * (g.RowCount - 2) * (g.ColCount - 2);
    for (;;) {
        const int from = g.SearchCursor != 0 ? g.SearchCursor : g.ColCount + 1;
        g.SearchCursor = from + 1;
        g.SearchCursor = NextNewCell(g);
        if (static_cast<double>(g.CandidateList.size()) > limit || g.SearchCursor == 0)
            return false;
        GatherKind(g);
        if (TestCandidates(g, false))
            return true;
    }
}

void ShowHint(Game& g, int a, int b)
{
    ComputeCellMetrics(g);
    PlaceMarker(g, g.Shape1, CellRow(g, a), CellCol(g, a));
    PlaceMarker(g, g.Shape2, CellRow(g, b), CellCol(g, b));
    g.Shape1.visible = true;
    g.Shape2.visible = true;
}

} // namespace llk
