// boardcursor.cpp: moving, playing and showing the board's keyboard cursor.
#include "boardcursor.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>

#include "picturebox.h"

namespace varn {

BoardCursor::BoardCursor(QWidget* board, const std::array<PictureBox*, kCellCount>& cells)
    : QObject(board), m_board(board), m_cells(cells) {
    board->installEventFilter(this);
    for (PictureBox* cell : cells)
        cell->installEventFilter(this);
}

bool BoardCursor::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_keysUsed = false;
            break;
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
                m_keysUsed = true;
            }
            break;
        }
        case QEvent::KeyPress:
            if (keyPressed(*static_cast<QKeyEvent*>(event))) {
                refresh();
                if (PictureBox::isPressKey(*static_cast<QKeyEvent*>(event))) emit play(m_cell);
                return true;
            }
            break;
        default:
            break;
    }
    refresh();
    return false;
}

// True for a key of the board's own: an arrow, which moves the cursor and stops at the edges,
// or a key that plays.
bool BoardCursor::keyPressed(const QKeyEvent& event) {
    int row = rowOf(m_cell);
    int column = columnOf(m_cell);
    switch (event.key()) {
        case Qt::Key_Up:
            row = std::max(row - 1, 0);
            break;
        case Qt::Key_Down:
            row = std::min(row + 1, kBoardSide - 1);
            break;
        case Qt::Key_Left:
            column = std::max(column - 1, 0);
            break;
        case Qt::Key_Right:
            column = std::min(column + 1, kBoardSide - 1);
            break;
        default:
            if (!PictureBox::isPressKey(event)) return false;
    }
    m_cell = cellAt(row, column);
    m_keysUsed = true;
    return true;
}

void BoardCursor::moveTo(int cell) {
    const bool there = cell == m_shownAt;
    m_cell = cell;
    m_keysUsed = true;
    there ? announce() : refresh();
}

void BoardCursor::refresh() {
    const int shownAt = m_keysUsed && m_board->hasFocus() ? m_cell : -1;
    if (shownAt == m_shownAt) return;
    if (m_shownAt >= 0) m_cells[m_shownAt]->setCursorShown(false);
    m_shownAt = shownAt;
    if (shownAt < 0) return;
    m_cells[shownAt]->setCursorShown(true);
    announce();
}

// A screen reader reads the cell the cursor has come to.
void BoardCursor::announce() {
    QAccessibleEvent focus(m_cells[m_shownAt], QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

}  // namespace varn
