// scriptedwindow.h: a window without a screen that records what the rules ask of it.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "boardtables.h"
#include "gamewindow.h"

namespace varn {

// Stands in for the real window in tests, the replay driver and the benchmarks. Each call of
// doEvents first runs the hook given for it, then fires a timer tick when the timer runs, so
// a script decides exactly what happens inside a long operation. A cell or picture that the
// real window does not have throws std::out_of_range.
class ScriptedWindow : public GameWindow {
  public:
    struct Placement {
        int left = 0, top = 0, width = 0, height = 0;
    };

    // An effect picture (blast, money bag, falling weight) shown in a cell.
    struct Effect {
        int cell;
        int pattern;
        bool operator==(const Effect&) const = default;
    };

    ScriptedWindow();

    // Called by each tick while the timer runs; usually the game's Timer1_Timer.
    void setTickHandler(std::function<void()> tick) { m_tick = std::move(tick); }
    // Called at the start of each doEvents with its number, counted from 1 since the last
    // resetCounters.
    void setEventHook(std::function<void(int)> hook) { m_hook = std::move(hook); }
    void resetCounters();
    // Keeps a log of the effect pictures shown, in order, from now on.
    void recordEffects() { m_recordEffects = true; }
    const std::vector<Effect>& effects() const { return m_effects; }

    // What the rules asked for.
    int ticks() const { return m_ticks; }
    int beeps() const { return m_beeps; }
    int eventCalls() const { return m_eventCalls; }
    const std::vector<int>& clips() const { return m_clips; }
    int shownPattern(int cell) const { return m_patterns[cell]; }
    bool cellVisible(int cell) const { return m_visible[cell]; }
    const Placement& placement(int cell) const { return m_placements[cell]; }
    Pointer pointer() const { return m_pointer; }
    int focusCount() const { return m_focusCount; }
    void setBoardPosition(int left, int top);

    std::string labelText(ScoreLabel label) const override;
    void setLabelText(ScoreLabel label, const std::string& text) override;
    void beep() override { ++m_beeps; }

    void showPattern(int cell, int pattern) override;
    void setCellVisible(int cell, bool visible) override { m_visible.at(cell) = visible; }
    void placeCell(int cell, int left, int top, int width, int height) override;
    int boardLeft() const override { return m_boardLeft; }
    int boardTop() const override { return m_boardTop; }
    void repaintCell(int) override {}
    void repaintBoard() override {}
    void setBoardEnabled(bool enabled) override { m_enabled = enabled; }
    bool boardEnabled() const override { return m_enabled; }
    void focusBoard() override { ++m_focusCount; }
    void setPointer(Pointer pointer) override { m_pointer = pointer; }
    void startTimer() override { m_timerRunning = true; }
    void stopTimer() override { m_timerRunning = false; }
    bool timerRunning() const override { return m_timerRunning; }
    void doEvents() override;
    // Lets events run once, as the sound player does before it plays, then plays at once.
    void playClip(int clip) override;
    void enableHistoryCommands(bool undo, bool redo) override;
    // Keeps the proposed name, as a player who presses Escape does.
    std::string askName(const std::string&, int, std::int64_t) override { return {}; }
    void challengeOver(const ChallengeResult& result) override { m_result = result; }
    // The end of a challenge since the last call, if one came.
    std::optional<ChallengeResult> takeResult() { return std::exchange(m_result, std::nullopt); }
    bool undoOffered() const { return m_undoOffered; }
    bool redoOffered() const { return m_redoOffered; }

  private:
    // Kept out of showPattern, which every move calls a hundred times and more, so that its
    // common path needs no stack frame.
    [[noreturn, gnu::cold]] static void refusePicture(int pattern);
    [[gnu::noinline]] void recordEffect(int cell, int pattern);

    std::function<void()> m_tick;
    std::function<void(int)> m_hook;
    std::array<int, kCellCount> m_patterns{};
    std::array<bool, kCellCount> m_visible{};
    std::array<Placement, kCellCount> m_placements{};
    std::string m_label4 = kDesignScoreText;
    std::string m_label8 = kDesignScoreText;
    std::vector<int> m_clips;
    std::vector<Effect> m_effects;
    bool m_recordEffects = false;
    int m_boardLeft = 0;
    int m_boardTop = 0;
    bool m_enabled = true;
    // The timer is enabled in the window's design, so it runs from the start.
    bool m_timerRunning = true;
    Pointer m_pointer = Pointer::Custom;
    int m_ticks = 0;
    int m_beeps = 0;
    std::optional<ChallengeResult> m_result;
    int m_eventCalls = 0;
    int m_focusCount = 0;
    bool m_undoOffered = false;
    bool m_redoOffered = false;
};

}  // namespace varn
