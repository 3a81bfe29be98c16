// settler.cpp: emptying, falling and refilling.
#include "settler.h"

namespace varn {

Settler::Settler(BoardTables& tables, GameWindow& window, Dealer& dealer)
    : m_tables(tables), m_window(window), m_dealer(dealer) {}

void Settler::DrawCell(int cell) {
    m_window.showPattern(cell, m_tables.Board[cell]);
}

void Settler::EmptyMarkedCells() {
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (m_tables.isMarked(cell)) {
            m_tables.Board[cell] = piece::Empty;
            DrawCell(cell);
        }
    }
}

bool Settler::scanForGaps() {
    bool gap = false;
    for (int column = 0; column < kBoardSide; ++column) {
        m_tables.ColumnFalling[column] = kFalse;
        // Each scan starts at the bottom. Once a new game inside the wait has dealt, the board
        // takes clicks again, and a click there marks cells wherever they are, below the gap
        // that the last scan found too; a scan that resumed at that gap would leave them open.
        for (int row = kBoardSide - 1; row >= 0; --row) {
            if (m_tables.isMarked(cellAt(row, column))) {
                m_tables.GapRow[column] = static_cast<std::int16_t>(row);
                m_tables.ColumnFalling[column] = kTrue;
                gap = true;
                break;
            }
        }
    }
    return gap;
}

void Settler::SettleBoard() {
    while (scanForGaps()) {
        // A new game or a transform may run inside this wait. A transform settles the board
        // itself and stops the timer; the next scan then finds no gap.
        m_window.startTimer();
        while (m_window.timerRunning()) {
            m_waiting = true;
            m_window.doEvents();
            m_waiting = false;
        }
    }
    m_dealer.DealBoard();
}

void Settler::dropColumn(int column) {
    for (int row = m_tables.GapRow[column]; row >= 1; --row) {
        const int cell = cellAt(row, column);
        m_tables.Board[cell] = m_tables.Board[cell - kBoardSide];
        m_tables.Marked[cell] = m_tables.Marked[cell - kBoardSide];
        DrawCell(cell);
    }
    m_tables.Board[column] = piece::Empty;
    m_tables.Marked[column] = kFalse;
    DrawCell(column);
}

void Settler::Timer1_Timer() {
    for (int column = 0; column < kBoardSide; ++column) {
        if (m_tables.ColumnFalling[column] != kFalse) dropColumn(column);
    }
    m_window.stopTimer();
}

void Settler::RedrawAndSettle() {
    for (int cell = 0; cell < kCellCount; ++cell) {
        DrawCell(cell);
        if (m_tables.Board[cell] == piece::Empty) m_tables.Marked[cell] = kTrue;
    }
    SettleBoard();
}

}  // namespace varn
