// transforms.h: mirroring and turning the board; they only permute the piece codes.
#pragma once

#include "boardtables.h"

namespace varn {

// new(r, c) = old(9 - r, c)
void MirrorBoard(BoardTables& tables);
// new(r, c) = old(c, 9 - r): a quarter turn to the left.
void RotateBoardCounterClockwise(BoardTables& tables);
// new(r, c) = old(9 - c, r): a quarter turn to the right.
void RotateBoardClockwise(BoardTables& tables);

}  // namespace varn
