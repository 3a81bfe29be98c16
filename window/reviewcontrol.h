// reviewcontrol.h: "Review game": a game judged by the search on a thread of its own, while the
// window goes on, and opened in the watch player once judged.
#pragma once

#include <QCoreApplication>
#include <QPointer>

#include "gamecode.h"
#include "judgement.h"

class QProgressDialog;

namespace varn {

class ChallengeControl;
class Form1;
class GameSession;
class WatchPlayer;

// The work goes by actions judged, in a progress bar that Escape cancels. Nothing of today's
// challenge is reviewed before the player has finished it.
class ReviewControl {
    Q_DECLARE_TR_FUNCTIONS(varn::ReviewControl)

  public:
    ReviewControl(Form1& form, GameSession& session, ChallengeControl& challenge,
                  WatchPlayer& watch)
        : m_form(form), m_session(session), m_challenge(challenge), m_watch(watch) {}
    ~ReviewControl();

    // The game in progress.
    void reviewGame();
    // Any game that a code plays.
    void review(const Replay& replay);

  private:
    void answered(const Replay& replay, const GameReview& review);

    Form1& m_form;
    GameSession& m_session;
    ChallengeControl& m_challenge;
    WatchPlayer& m_watch;
    QPointer<QProgressDialog> m_progress;
};

}  // namespace varn
