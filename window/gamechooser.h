// gamechooser.h: the dialogs through which a player picks a game or names a best one.
#pragma once

#include <cstdint>
#include <string>

#include "challenge.h"

class QWidget;

namespace varn {

class GameSession;

// Shows the game number and the table of the best games over the window, and starts the game
// the player picks there; asks the name for a score that makes the table.
class GameChooser {
  public:
    GameChooser(QWidget& window, GameSession& session) : m_window(window), m_session(session) {}

    void chooseNumber();
    // The table as the file holds it now, which another game may have changed meanwhile.
    void showScores();
    std::string askName(const std::string& proposed, int rank, std::int64_t score);
    // "Today's challenge" as the Game menu and the Scores dialog give it.
    void startChallenge();
    // The end of a challenge, over the board that stays in view.
    void showChallengeResult(const ChallengeResult& result);

  private:
    // A new game that deals game `number`; the game before ends as it does for "New game".
    void playGame(std::uint32_t number);

    QWidget& m_window;
    GameSession& m_session;
};

}  // namespace varn
