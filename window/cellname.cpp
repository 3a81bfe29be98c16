// cellname.cpp: the names of the pictures a cell can show, as the player sees them.
#include "cellname.h"

#include <QCoreApplication>

#include "boardtables.h"

namespace varn {

QString cellName(int pattern, int cell) {
    // By pattern index; 9 has no picture.
    static const char* const kPictures[] = {QT_TRANSLATE_NOOP("varn::CellName", "Fish"),
                                            QT_TRANSLATE_NOOP("varn::CellName", "Elephant"),
                                            QT_TRANSLATE_NOOP("varn::CellName", "Crab"),
                                            QT_TRANSLATE_NOOP("varn::CellName", "Bird"),
                                            QT_TRANSLATE_NOOP("varn::CellName", "Panda"),
                                            QT_TRANSLATE_NOOP("varn::CellName", "Gift box"),
                                            QT_TRANSLATE_NOOP("varn::CellName", "Empty"),
                                            QT_TRANSLATE_NOOP("varn::CellName", "Flames"),
                                            QT_TRANSLATE_NOOP("varn::CellName", "Money bag"),
                                            "",
                                            QT_TRANSLATE_NOOP("varn::CellName", "Falling weight"),
                                            QT_TRANSLATE_NOOP("varn::CellName", "Bomb"),
                                            QT_TRANSLATE_NOOP("varn::CellName", "Row ladder"),
                                            QT_TRANSLATE_NOOP("varn::CellName", "Column ladder"),
                                            QT_TRANSLATE_NOOP("varn::CellName", "Gem")};
    //: A board cell as a screen reader reads it: the piece, then its row and column from 1.
    return QCoreApplication::translate("varn::CellName", "%1, row %2, column %3")
        .arg(QCoreApplication::translate("varn::CellName", kPictures[pattern]))
        .arg(rowOf(cell) + 1)
        .arg(columnOf(cell) + 1);
}

}  // namespace varn
