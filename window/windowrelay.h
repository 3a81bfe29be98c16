// windowrelay.h: the window that the rules of a session act on, whichever is attached now.
#pragma once

#include <string>

#include "gamewindow.h"

namespace varn {

// The rules hold one window for their whole life, and a session's rules live longer than any
// window that shows them: this one passes each operation on to the window attached, and while
// none is, keeps the two labels and board input and does nothing else, so the game is usable
// from the start.
class WindowRelay : public GameWindow {
  public:
    void attach(GameWindow* window) { m_window = window; }

    std::string labelText(ScoreLabel label) const override;
    void setLabelText(ScoreLabel label, const std::string& text) override;
    void beep() override;
    void showPattern(int cell, int pattern) override;
    void setCellVisible(int cell, bool visible) override;
    void placeCell(int cell, int left, int top, int width, int height) override;
    int boardLeft() const override { return m_window ? m_window->boardLeft() : 0; }
    int boardTop() const override { return m_window ? m_window->boardTop() : 0; }
    void repaintCell(int cell) override;
    void repaintBoard() override;
    void setBoardEnabled(bool enabled) override;
    bool boardEnabled() const override;
    void focusBoard() override;
    void setPointer(Pointer pointer) override;
    void startTimer() override;
    void stopTimer() override;
    bool timerRunning() const override { return m_window && m_window->timerRunning(); }
    void doEvents() override;
    void playClip(int clip) override;
    void enableHistoryCommands(bool undo, bool redo) override;
    std::string askName(const std::string& proposed, int rank, std::int64_t score) override;
    void showChallenge(const std::optional<Challenge>& challenge) override;
    void challengeOver(const ChallengeResult& result) override;

  private:
    GameWindow* m_window = nullptr;
    std::string m_label4 = kDesignScoreText;
    std::string m_label8 = kDesignScoreText;
    bool m_boardEnabled = true;
};

}  // namespace varn
