// clicklist.cpp: finding the groups and special pieces of a board.
#include "clicklist.h"

#include "groupsearch.h"
#include "move.h"
#include "neighbours.h"

namespace varn {

bool isSpecialPiece(Code code) {
    return code == piece::Bomb || code == piece::RowLadder || code == piece::ColumnLadder;
}

ClickList::ClickList(const BoardTables& tables) {
    for (int cell = 0; cell < kCellCount; ++cell) {
        const Code code = tables.Board[cell];
        if (isSpecialPiece(code)) {
            m_clicks[m_count++] = {cell, 0, code};
        } else if (code != piece::Empty && !m_taken[cell]) {
            const int size = groupSize(tables, cell);
            if (size >= kSmallestGroup) m_clicks[m_count++] = {cell, size, code};
        }
    }
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
        for (int n : orthogonalNeighbours(next)) {
            if (m_seenBy[n] != group && matches(tables, n, code)) {
                m_seenBy[n] = group;
                toVisit[waiting++] = n;
            }
        }
    }
    return size;
}

}  // namespace varn
