// clicklist.h: the clicks that remove something from a board, one for each group or special
// piece.
#pragma once

#include <array>

#include "boardtables.h"
#include "move.h"

namespace varn {

struct Click {
    int cell;   // the first cell of the group, or the special piece
    int size;   // the cells of the group; 0 for a bomb or ladder
    Code code;  // what the clicked cell holds

    // The points the click scores.
    int worth() const { return size * (code == piece::Gem ? kGemPointsPerCell : kPointsPerCell); }
};

// Every cell of a group removes the same cells, so a group is clicked once, at its first cell;
// a joker joins the groups of all its neighbours' kinds, and jokers alone make a group of
// their own. A search lists the clicks of every position it plays, so the board is read as
// bit masks, a row of eleven bits for each row of cells (the eleventh always clear, so that
// nothing spreads from one row's end to the next row's start), and nothing is allocated.
class ClickList {
  public:
    explicit ClickList(const BoardTables& tables);

    const Click* begin() const { return m_clicks.data(); }
    const Click* end() const { return m_clicks.data() + m_count; }
    int size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    // The pairs of neighbours, edge to edge, that would join one group: of one kind, or a
    // joker beside a piece that groups.
    int joiningPairs() const { return m_joiningPairs; }

  private:
    __extension__ using Bits = unsigned __int128;

    // The groups of the cells holding `code`, joined by the cells of `joining`.
    void addGroups(Code code, Bits own, Bits joining);
    void add(const Click& click);
    static int pairsOf(Bits one, Bits other);

    std::array<Click, kCellCount> m_clicks;
    int m_count = 0;
    int m_joiningPairs = 0;
};

}  // namespace varn
