// settler.h: the falling of the pieces into the gaps, one row per timer tick, and the refill.
#pragma once

#include "boardtables.h"
#include "dealer.h"
#include "gamewindow.h"

namespace varn {

// A gap is a marked cell. Marks travel with the pieces as they fall, so every gap of a column
// moves down with the pieces between them until the piece above closes it.
class Settler {
  public:
    Settler(BoardTables& tables, GameWindow& window, Dealer& dealer);

    // Shows the piece code of a cell in that cell.
    void DrawCell(int cell);

    // Every marked cell becomes empty; the marks stay and now mark the gaps.
    void EmptyMarkedCells();

    // Closes every gap, one step per tick, then deals into the empty cells. Waits for each tick
    // by letting window events run, so other handlers may run inside it.
    void SettleBoard();

    // One step of the fall: every falling column moves down one row over its lowest gap.
    void Timer1_Timer();

    // After a transform: redraws every cell, marks the empty ones and settles.
    void RedrawAndSettle();

    // Whether the events that run now are those of a fall's wait for its tick. A handler that
    // runs inside them has its own events, and is told so while it runs.
    bool waitingForTick() const { return m_waiting; }
    void setWaitingForTick(bool waiting) { m_waiting = waiting; }

  private:
    // Finds the lowest gap of every column; false when no gap is left.
    bool scanForGaps();
    void dropColumn(int column);

    BoardTables& m_tables;
    GameWindow& m_window;
    Dealer& m_dealer;
    bool m_waiting = false;
};

}  // namespace varn
