// boardcursor.h: the keyboard's way onto the board: a cursor cell that the arrows move and
// that Space or Return plays.
#pragma once

#include <QObject>
#include <array>

#include "boardtables.h"

class QKeyEvent;

namespace varn {

class PictureBox;

// Watches the board's keys and focus. The cursor shows only while the board holds the
// keyboard after a key was used there; a mouse player never sees it.
class BoardCursor : public QObject {
    Q_OBJECT

  public:
    BoardCursor(QWidget* board, const std::array<PictureBox*, kCellCount>& cells);

    int cell() const { return m_cell; }
    // Brings the cursor to `cell`, as the keys would, and has a screen reader read it there
    // even when it stood there already; it shows once the board holds the keyboard.
    void moveTo(int cell);

  signals:
    void play(int cell);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool keyPressed(const QKeyEvent& event);
    void refresh();
    void announce();

    QWidget* m_board;
    const std::array<PictureBox*, kCellCount>& m_cells;
    int m_cell = 0;
    int m_shownAt = -1;  // the cell that draws the cursor, -1 for none
    bool m_keysUsed = false;
};

}  // namespace varn
