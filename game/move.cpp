// move.cpp: the rules of a click.
#include "move.h"

#include "groupsearch.h"
#include "neighbours.h"

namespace varn {

Move::Move(BoardTables& tables, GameWindow& window, ScoreKeeper& scores, Settler& settler)
    : m_tables(tables), m_window(window), m_scores(scores), m_settler(settler) {}

void Move::Element_Click(int cell) {
    m_window.setBoardEnabled(false);
    if (m_tables.Board[cell] == piece::Empty) {
        m_window.setBoardEnabled(true);
        return;
    }
    m_window.setPointer(Pointer::Busy);
    m_tables.clearMarks();
    if (const int clip = markSpecialArea(cell)) {
        removeSpecialArea(clip);
        return;
    }
    removeGroup(cell);
    m_window.setBoardEnabled(true);
    m_window.setPointer(Pointer::Custom);
    m_window.focusBoard();
}

void Move::markArea(int cell, Code effect) {
    m_tables.Marked[cell] = kTrue;
    if (m_tables.Board[cell] != piece::Empty) m_window.showPattern(cell, effect);
}

int Move::markSpecialArea(int cell) {
    switch (m_tables.Board[cell]) {
        case piece::Bomb:
            markArea(cell, piece::BlastImage);
            for (int n : orthogonalNeighbours(cell))
                markArea(n, piece::BlastImage);
            for (int n : diagonalNeighbours(cell))
                markArea(n, piece::BlastImage);
            return kBombClip;
        case piece::RowLadder:
            for (int column = 0; column < kBoardSide; ++column) {
                markArea(cellAt(rowOf(cell), column), piece::LadderImage);
            }
            return kLadderClip;
        case piece::ColumnLadder:
            for (int row = 0; row < kBoardSide; ++row) {
                markArea(cellAt(row, columnOf(cell)), piece::LadderImage);
            }
            return kLadderClip;
        default:
            return 0;
    }
}

void Move::removeSpecialArea(int clip) {
    // No points; the pieces inside the area go like any other, without setting anything off.
    m_window.playClip(clip);
    m_settler.EmptyMarkedCells();
    m_settler.SettleBoard();
    m_window.setPointer(Pointer::Custom);
    m_window.setBoardEnabled(true);
}

void Move::removeGroup(int cell) {
    if (!hasMatchingNeighbour(m_tables, cell) || markGroup(m_tables, cell) < kSmallestGroup) {
        m_window.beep();
        return;
    }
    clearGroup(cell);
    m_window.playClip(kGroupClip);
    m_scores.showScore();
    m_window.repaintBoard();
    m_settler.EmptyMarkedCells();
    m_settler.SettleBoard();
}

void Move::clearGroup(int clickedCell) {
    // Window events run after each cell. A transform run there clears the marks, so the rest
    // of the group stays on the board unscored; a new game keeps them, and they are scored
    // into it and emptied from its board.
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!m_tables.isMarked(cell)) continue;
        m_window.showPattern(cell, piece::ClearImage);
        m_window.repaintCell(cell);
        m_window.doEvents();
        m_scores.addPoints(kPointsPerCell);
        if (m_tables.Board[clickedCell] == piece::Gem) {
            m_scores.addPoints(kGemPointsPerCell - kPointsPerCell);
        }
    }
}

}  // namespace varn
