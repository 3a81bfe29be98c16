// neighbours.cpp: edge-aware neighbour lists of a board cell.
#include "neighbours.h"

#include "boardtables.h"

namespace varn {

namespace {
bool hasLeft(int cell) {
    return columnOf(cell) != 0;
}
bool hasRight(int cell) {
    return columnOf(cell) != kBoardSide - 1;
}
bool hasAbove(int cell) {
    return cell - kBoardSide >= 0;
}
bool hasBelow(int cell) {
    return cell + kBoardSide < kCellCount;
}
}  // namespace

NeighbourList orthogonalNeighbours(int cell) {
    NeighbourList list;
    if (hasAbove(cell)) list.add(cell - kBoardSide);
    if (hasBelow(cell)) list.add(cell + kBoardSide);
    if (hasLeft(cell)) list.add(cell - 1);
    if (hasRight(cell)) list.add(cell + 1);
    return list;
}

NeighbourList diagonalNeighbours(int cell) {
    NeighbourList list;
    if (hasAbove(cell) && hasLeft(cell)) list.add(cell - kBoardSide - 1);
    if (hasAbove(cell) && hasRight(cell)) list.add(cell - kBoardSide + 1);
    if (hasBelow(cell) && hasRight(cell)) list.add(cell + kBoardSide + 1);
    if (hasBelow(cell) && hasLeft(cell)) list.add(cell + kBoardSide - 1);
    return list;
}

}  // namespace varn
