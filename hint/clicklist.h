// clicklist.h: the clicks that remove something from a board, one for each group or special
// piece.
#pragma once

#include <array>

#include "boardtables.h"
#include "move.h"
#include "neighbours.h"

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
// their own. Nothing is allocated: a search lists the clicks of every position it plays.
class ClickList {
  public:
    explicit ClickList(const BoardTables& tables);

    const Click* begin() const { return m_clicks.data(); }
    const Click* end() const { return m_clicks.data() + m_count; }
    int size() const { return m_count; }
    bool empty() const { return m_count == 0; }

  private:
    bool joined(const BoardTables& tables, int cell) const;
    // The group of `cell`, of the cell's own kind; its cells of that kind are taken.
    int groupSize(const BoardTables& tables, int cell);

    const std::array<NeighbourList, kCellCount>& m_around;
    std::array<Click, kCellCount> m_clicks;
    int m_count = 0;
    std::array<bool, kCellCount> m_taken{};
    std::array<int, kCellCount> m_seenBy{};  // the last group that reached the cell, from 1
    int m_groups = 0;
};

bool isSpecialPiece(Code code);

}  // namespace varn
