// cellname.h: what a screen reader calls a board cell.
#pragma once

#include <QString>

namespace varn {

// The piece or effect picture `pattern` shows and where the cell lies, counted from 1, e.g.
// "Fish, row 3, column 4".
QString cellName(int pattern, int cell);

}  // namespace varn
