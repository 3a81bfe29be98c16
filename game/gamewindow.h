// gamewindow.h: the plain operations through which the rules act on the window.
#pragma once

#include <cstdint>
#include <string>

#include "challenge.h"
#include "scoreview.h"

namespace varn {

enum class Pointer {
    Custom,  // the window's own hand pointer
    Busy,    // the hourglass
};

// What both score labels show as the design sets them, before the first game.
inline constexpr const char* kDesignScoreText = "0000000000000000";

// The rules never touch a toolkit: the window realises these operations, and tests and the
// replay driver realise them with a scripted window. Lengths are in twips, 15 to a pixel.
class GameWindow : public ScoreView {
  public:
    // Cells: show pattern picture k in cell i, show or hide it, place it without a border.
    virtual void showPattern(int cell, int pattern) = 0;
    virtual void setCellVisible(int cell, bool visible) = 0;
    virtual void placeCell(int cell, int left, int top, int width, int height) = 0;
    // The current left and top of the frame that holds the cells.
    virtual int boardLeft() const = 0;
    virtual int boardTop() const = 0;

    virtual void repaintCell(int cell) = 0;
    virtual void repaintBoard() = 0;

    // Board input: while it is disabled, no cell takes a click. It is the sign of a busy board.
    virtual void setBoardEnabled(bool enabled) = 0;
    virtual bool boardEnabled() const = 0;
    virtual void focusBoard() = 0;

    virtual void setPointer(Pointer pointer) = 0;

    // The timer that paces the falling; each tick calls the game's Timer1_Timer.
    virtual void startTimer() = 0;
    virtual void stopTimer() = 0;
    virtual bool timerRunning() const = 0;

    // Lets pending window events run; any handler may run inside it, a timer tick included.
    virtual void doEvents() = 0;

    // Plays clip n (1 to 3) with its player's own settings.
    virtual void playClip(int clip) = 0;

    // Offers the commands "Undo" and "Redo" only while there is something to undo or redo.
    virtual void enableHistoryCommands(bool undo, bool redo) = 0;

    // A score that makes the table of the best games at `rank` asks the player's name, offering
    // `proposed`; the answer may be empty, which enters the proposed name.
    virtual std::string askName(const std::string& proposed, int rank, std::int64_t score) = 0;

    // The moves left of the challenge in progress, or none; a window without the challenge's
    // controls has nothing to show.
    virtual void showChallenge(const std::optional<Challenge>& challenge) { (void)challenge; }
    // The challenge's last move has been played: the window tells the player how it went.
    virtual void challengeOver(const ChallengeResult& result) { (void)result; }
};

}  // namespace varn
