// Where the pair search stands: its scan cursor, the kind it gathers and its three Cell lists.
#pragma once

#include "board/cell_list.h"

namespace llk {

struct PairSearchState {
    int SearchCursor = 0;
    int SearchKind = 0;
    CellList CandidateList;
    CellList VisitedList;
    CellList ExcludedList;
    int FoundFirst = 0;  // the pair the last test reported, kept until the state is cleared,
    int FoundSecond = 0; // so a player robot need not search the same Board twice
};

} // namespace llk
