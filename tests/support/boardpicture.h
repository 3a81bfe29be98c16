// boardpicture.h: boards written as ten rows of characters, one per cell.
#pragma once

#include <string>

#include "boardtables.h"

namespace varn::test {

// '0' to '4' ordinary kinds, 'J' joker, '.' empty, 'B' bomb, 'R' row ladder, 'C' column
// ladder, 'G' gem. Blanks and line breaks are ignored, so a board reads as a picture.
BoardTables boardFromPicture(const std::string& picture);

// The same board as ten lines of ten characters, each ended by a line break.
std::string pictureOf(const BoardTables& tables);

// Ten lines of ten characters: 'x' for a marked cell, '.' for an unmarked one.
std::string marksOf(const BoardTables& tables);

}  // namespace varn::test
