// boardtables.cpp: small queries over the board tables.
#include "boardtables.h"

#include <algorithm>

namespace varn {

int BoardTables::markedCount() const {
    return static_cast<int>(
        std::count_if(Marked.begin(), Marked.end(), [](Flag f) { return f != kFalse; }));
}

bool BoardTables::hasEmptyCell() const {
    return std::find(Board.begin(), Board.end(), piece::Empty) != Board.end();
}

}  // namespace varn
