// codecontrol.h: game codes in the window: copying the game's own, and watching one.
#pragma once

#include <QCoreApplication>
#include <optional>
#include <string>

#include "gamecode.h"

namespace varn {

class ChallengeControl;
class Form1;
class GameSession;
class ReviewControl;
class WatchPlayer;

class CodeControl {
    Q_DECLARE_TR_FUNCTIONS(varn::CodeControl)

  public:
    CodeControl(Form1& form, GameSession& session, ChallengeControl& challenge, WatchPlayer& watch,
                ReviewControl& review)
        : m_form(form),
          m_session(session),
          m_challenge(challenge),
          m_watch(watch),
          m_review(review) {}

    // Puts the code of the game in progress on the clipboard; a challenge keeps it until it is
    // over.
    void copy();
    // Asks a game code and watches it; a code that cannot be watched is shown to be so.
    void ask();
    // Watches `text` (formatReplay), or reviews it, or tells why it cannot.
    void open(const std::string& text, bool review = false);
    // Watches `replay` in the window, the game in progress put aside until the player stops,
    // unless it is today's challenge still to be played; refused with the beep while that game
    // is inside an action, and after a question while it is a challenge.
    void watch(const Replay& replay);

  private:
    // The replay that `text` holds, or why there is none that a player could have made.
    std::optional<Replay> read(const std::string& text, QString& problem) const;

    Form1& m_form;
    GameSession& m_session;
    ChallengeControl& m_challenge;
    WatchPlayer& m_watch;
    ReviewControl& m_review;
};

}  // namespace varn
