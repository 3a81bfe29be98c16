// momentwindow.h: the window as the rules' parts see it, passing every operation on and counting
// the moments of the action that runs, so that what ran inside it can be put back in its place.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "gamewindow.h"

namespace varn {

// Inside an action, other handlers run only where the rules let window events run. The moments
// of an action number those places so that a replay, whose passes of events are not the
// player's, finds each one again with the rules standing exactly as they stood:
//
//   - a pass of window events starts a new moment, unless the rules did nothing since the pass
//     before: the wait for a tick is one moment however many passes it takes;
//   - playing a clip starts a new moment, as the sound player lets events run;
//   - a tick that a fall waited for, and the end of a handler run inside the action, start a
//     new moment (advance()), so that what follows them in the same pass comes after them;
//   - a pass of events ends quiet whatever ran inside it, since a replay runs the handlers of
//     the pass at the moment's start, before its events.
//
// Moment 0 is the action's start, where nothing else can run.
class MomentWindow : public GameWindow {
  public:
    explicit MomentWindow(GameWindow& window) : m_window(window) {}

    // Called as each moment starts.
    void setMomentHandler(std::function<void()> handler) { m_atMoment = std::move(handler); }
    std::uint32_t moment() const { return m_moment; }
    // A top-level action starts at moment 0.
    void restart();
    void advance();
    // Starts the next moment without calling the handler: the end of a handler run inside the
    // action, whose caller runs what follows in the same pass itself, in a loop.
    void next() { ++m_moment; }

    std::string labelText(ScoreLabel label) const override { return m_window.labelText(label); }
    void setLabelText(ScoreLabel label, const std::string& text) override;
    void beep() override;
    void showPattern(int cell, int pattern) override;
    void setCellVisible(int cell, bool visible) override;
    void placeCell(int cell, int left, int top, int width, int height) override;
    int boardLeft() const override { return m_window.boardLeft(); }
    int boardTop() const override { return m_window.boardTop(); }
    void repaintCell(int cell) override;
    void repaintBoard() override;
    void setBoardEnabled(bool enabled) override;
    bool boardEnabled() const override { return m_window.boardEnabled(); }
    void focusBoard() override;
    void setPointer(Pointer pointer) override;
    void startTimer() override;
    void stopTimer() override;
    bool timerRunning() const override { return m_window.timerRunning(); }
    void doEvents() override;
    void playClip(int clip) override;
    void enableHistoryCommands(bool undo, bool redo) override;
    std::string askName(const std::string& proposed, int rank, std::int64_t score) override;
    void showChallenge(const std::optional<Challenge>& challenge) override;
    void challengeOver(const ChallengeResult& result) override;

  private:
    GameWindow& m_window;
    std::function<void()> m_atMoment;
    std::uint32_t m_moment = 0;
    // Nothing but questions since the last pass of events ended.
    bool m_quiet = false;
};

}  // namespace varn
