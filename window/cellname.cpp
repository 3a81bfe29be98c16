// cellname.cpp: the names of the pictures a cell can show, as the player sees them.
#include "cellname.h"

#include "boardtables.h"

namespace varn {

QString cellName(int pattern, int cell) {
    // By pattern index; 9 has no picture.
    static const char* const kPictures[] = {
        "Fish",           "Elephant", "Crab",       "Bird",          "Panda",
        "Gift box",       "Empty",    "Flames",     "Money bag",     "",
        "Falling weight", "Bomb",     "Row ladder", "Column ladder", "Gem"};
    return QStringLiteral("%1, row %2, column %3")
        .arg(QLatin1String(kPictures[pattern]))
        .arg(rowOf(cell) + 1)
        .arg(columnOf(cell) + 1);
}

}  // namespace varn
