// groupsearch.h: which pieces belong to the group of a clicked piece.
#pragma once

#include "boardtables.h"

namespace varn {

// Cell j matches code k when it holds k or a joker: jokers join a group of any kind.
inline bool matches(const BoardTables& tables, int cell, Code code) {
    return tables.Board[cell] == code || tables.Board[cell] == piece::Joker;
}

// True when some edge neighbour of `cell` matches the cell's own code.
bool hasMatchingNeighbour(const BoardTables& tables, int cell);

// Marks the 4-connected region of cells that match the code of `cell` and contain it, and
// returns its size. Expects no marks on the board. Clicking a joker gathers jokers only.
int markGroup(BoardTables& tables, int cell);

}  // namespace varn
