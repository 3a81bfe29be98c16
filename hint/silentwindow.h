// silentwindow.h: the window of a copy of the rules that a search plays: it shows nothing and
// lets the pieces fall at once.
#pragma once

#include <vector>

#include "gamewindow.h"
#include "piece.h"
#include "settler.h"

namespace varn {

// Draws nothing and never waits: each pass of events while the timer runs is one tick of the
// fall, so a settle takes as many passes as the pieces need rows. It can note which cells
// show the pictures of a removal, which are the cells a click takes off the board.
class SilentWindow : public GameWindow {
  public:
    void setSettler(Settler& settler) { m_settler = &settler; }
    // Cells shown as blast, money bag or ladder go to `cells` from now on; null for none.
    void noteRemovedCells(std::vector<int>* cells) { m_removed = cells; }

    std::string labelText(ScoreLabel) const override { return {}; }
    void setLabelText(ScoreLabel, const std::string&) override {}
    void beep() override {}
    void showPattern(int cell, int pattern) override {
        if (m_removed && !isBoardCode(pattern)) m_removed->push_back(cell);
    }
    void setCellVisible(int, bool) override {}
    void placeCell(int, int, int, int, int) override {}
    int boardLeft() const override { return 0; }
    int boardTop() const override { return 0; }
    void repaintCell(int) override {}
    void repaintBoard() override {}
    void setBoardEnabled(bool) override {}
    bool boardEnabled() const override { return true; }
    void focusBoard() override {}
    void setPointer(Pointer) override {}
    void startTimer() override { m_timerRunning = true; }
    void stopTimer() override { m_timerRunning = false; }
    bool timerRunning() const override { return m_timerRunning; }
    void doEvents() override {
        if (m_timerRunning) m_settler->Timer1_Timer();
    }
    void playClip(int) override {}
    void enableHistoryCommands(bool, bool) override {}
    std::string askName(const std::string&, int, std::int64_t) override { return {}; }

  private:
    Settler* m_settler = nullptr;
    std::vector<int>* m_removed = nullptr;
    bool m_timerRunning = false;
};

}  // namespace varn
