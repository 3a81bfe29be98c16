// gamechooser.h: the dialogs through which a player picks a game or names a best one.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "command.h"

#include <QCoreApplication>

class QWidget;

namespace varn {

class ChallengeControl;
class GameSession;

// Shows the game number and the table of the best games over the window, and starts the game
// the player picks there; asks the name for a score that makes the table.
class GameChooser {
    Q_DECLARE_TR_FUNCTIONS(varn::GameChooser)

  public:
    // The game chosen starts through `run`, which runs a command as the window runs it;
    // `open` watches or reviews the actions (formatReplay) that the player chose.
    using Open = std::function<void(const std::string& actions, bool review)>;
    GameChooser(QWidget& window, GameSession& session, ChallengeControl& challenge,
                std::function<void(Command)> run, Open open)
        : m_window(window),
          m_session(session),
          m_challenge(challenge),
          m_run(std::move(run)),
          m_open(std::move(open)) {}

    void chooseNumber();
    // The table as the file holds it now, which another game may have changed meanwhile.
    void showScores();
    std::string askName(const std::string& proposed, int rank, std::int64_t score);

  private:
    // A new game that deals game `number`; the game before ends as it does for "New game".
    void playGame(std::uint32_t number);

    QWidget& m_window;
    GameSession& m_session;
    ChallengeControl& m_challenge;
    std::function<void(Command)> m_run;
    Open m_open;
};

}  // namespace varn
