// groupsearch.cpp: finding the group of like pieces joined to a clicked one.
#include "groupsearch.h"

#include <algorithm>
#include <array>

#include "neighbours.h"

namespace varn {

bool hasMatchingNeighbour(const BoardTables& tables, int cell) {
    const Code code = tables.Board[cell];
    const NeighbourList around = orthogonalNeighbours(cell);
    return std::any_of(around.begin(), around.end(),
                       [&](int n) { return matches(tables, n, code); });
}

int markGroup(BoardTables& tables, int cell) {
    const Code code = tables.Board[cell];
    // Sweeping the board pass by pass, as the group was first described, marks the same
    // region; growing it from the clicked cell visits each of its cells once.
    std::array<int, kCellCount> toVisit;
    int waiting = 0;
    tables.Marked[cell] = kTrue;
    toVisit[waiting++] = cell;
    int size = 1;
    while (waiting > 0) {
        for (int n : orthogonalNeighbours(toVisit[--waiting])) {
            if (!tables.isMarked(n) && matches(tables, n, code)) {
                tables.Marked[n] = kTrue;
                toVisit[waiting++] = n;
                ++size;
            }
        }
    }
    return size;
}

}  // namespace varn
