// clicklist.cpp: finding the groups and special pieces of a board.
#include "clicklist.h"

#include "groupsearch.h"
#include "move.h"
#include "neighbours.h"

namespace varn {

namespace {

// The rules' neighbours of every cell, looked up instead of worked out: a search lists the
// groups of every position it reaches.
const std::array<NeighbourList, kCellCount>& neighbourTable() {
    static const auto table = [] {
        std::array<NeighbourList, kCellCount> around;
        for (int cell = 0; cell < kCellCount; ++cell)
            around[cell] = orthogonalNeighbours(cell);
        return around;
    }();
    return table;
}

}  // namespace

bool isSpecialPiece(Code code) {
    return code == piece::Bomb || code == piece::RowLadder || code == piece::ColumnLadder;
}

ClickList::ClickList(const BoardTables& tables) : m_around(neighbourTable()) {
    for (int cell = 0; cell < kCellCount; ++cell) {
        const Code code = tables.Board[cell];
        if (isSpecialPiece(code)) {
            m_clicks[m_count++] = {cell, 0, code};
        } else if (code != piece::Empty && !m_taken[cell] && joined(tables, cell)) {
            const int size = groupSize(tables, cell);
            if (size >= kSmallestGroup) m_clicks[m_count++] = {cell, size, code};
        }
    }
}

// Most cells have no like neighbour: a lone piece is no group.
bool ClickList::joined(const BoardTables& tables, int cell) const {
    const Code code = tables.Board[cell];
    for (int n : m_around[cell]) {
        if (matches(tables, n, code)) return true;
    }
    return false;
}

// The same region as the rules' markGroup, grown without marking the board.
int ClickList::groupSize(const BoardTables& tables, int cell) {
    const Code code = tables.Board[cell];
    const int group = ++m_groups;
    std::array<int, kCellCount> toVisit;
    int waiting = 0;
    int size = 0;
    m_seenBy[cell] = group;
    toVisit[waiting++] = cell;
    while (waiting > 0) {
        const int next = toVisit[--waiting];
        ++size;
        if (tables.Board[next] == code) m_taken[next] = true;
        for (int n : m_around[next]) {
            if (m_seenBy[n] != group && matches(tables, n, code)) {
                m_seenBy[n] = group;
                toVisit[waiting++] = n;
            }
        }
    }
    return size;
}

}  // namespace varn
