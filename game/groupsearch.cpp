// groupsearch.cpp: growing a group pass by pass over the board.
#include "groupsearch.h"

#include <algorithm>

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
    auto touchesGroup = [&](int j) {
        const NeighbourList around = orthogonalNeighbours(j);
        return std::any_of(around.begin(), around.end(),
                           [&](int n) { return tables.isMarked(n) && matches(tables, n, code); });
    };
    tables.Marked[cell] = kTrue;
    int size = 1;
    // Each pass sweeps the board in reading order; a cell joins as soon as it touches the
    // group, so later cells of the same pass can join through it. Passes repeat until one
    // adds nothing.
    for (bool changed = true; changed;) {
        changed = false;
        for (int j = 0; j < kCellCount; ++j) {
            if (!tables.isMarked(j) && matches(tables, j, code) && touchesGroup(j)) {
                tables.Marked[j] = kTrue;
                changed = true;
                ++size;
            }
        }
    }
    return size;
}

}  // namespace varn
