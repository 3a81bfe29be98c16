// boardpicture.h: boards written as ten rows of characters, one per cell.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "boardtables.h"

namespace varn::test {

// '0' to '4' ordinary kinds, 'J' joker, '.' empty, 'B' bomb, 'R' row ladder, 'C' column
// ladder, 'G' gem. Blanks and line breaks are ignored, so a board reads as a picture.
BoardTables boardFromPicture(const std::string& picture);

// A checkerboard of 1s and 2s, on which no two like pieces touch, with the given cells
// replaced, e.g. {{55, 'B'}}: only the pieces put in can form a group.
std::string checkerWith(std::initializer_list<std::pair<int, char>> pieces);

}  // namespace varn::test
