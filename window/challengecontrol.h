// challengecontrol.h: today's challenge as the window offers, starts, shows and ends it, and
// what it keeps to itself until the player has played it.
#pragma once

#include <QCoreApplication>
#include <cstdint>
#include <memory>
#include <optional>

#include "challenge.h"
#include "challengekeeper.h"

class QAction;
class QLabel;
class QWidget;

namespace varn {

class CodeControl;
class Form1;
class GameSession;
class ReviewControl;

// Each day's challenge is played once, whatever the windows and games of the player: it is
// taken in the file of the challenges before its deal shows, and a second window gets a line
// that says it was played. Until the player has finished it, its number is no one's to see:
// the game number does not show it, and neither a numbered game nor a watch deals it.
class ChallengeControl {
    Q_DECLARE_TR_FUNCTIONS(varn::ChallengeControl)

  public:
    // `item` gives "Today's challenge" and `hint` the hint, which a challenge takes away; the
    // panel shows the moves left in `movesLeft`, whose caption is `caption`.
    ChallengeControl(Form1& form, GameSession& session, QAction& item, QAction& hint,
                     QWidget& panel, QLabel& movesLeft, const QLabel& caption);
    ~ChallengeControl();
    ChallengeControl(const ChallengeControl&) = delete;
    ChallengeControl& operator=(const ChallengeControl&) = delete;

    // "Today's challenge".
    void start();
    // Whether "Today's challenge" can be given now: today's is still to be played and no piece
    // falls. Its item says so.
    bool offer();
    // The moves left of the challenge in progress, or none.
    void show(const std::optional<Challenge>& challenge);
    // The end of a challenge, over the board that stays in view.
    void over(const ChallengeResult& result);
    // Before a command that ends the game in progress: a challenge not yet over asks first, and
    // is then left with the score made so far. False when the player goes on with it, and with
    // a beep while pieces fall.
    bool mayLeave();
    // Whether `number` is today's challenge, which the player has not finished yet.
    bool secret(std::uint32_t number) const;
    // Says that `number` is held back, when it is; true then.
    bool holdBack(std::uint32_t number);
    // What start-up found and did, said once the window is up.
    void tellStart();
    // Where the end's dialog sends the player's game to be reviewed and the par's to be watched.
    void openWith(CodeControl& codes, ReviewControl& review) {
        m_codes = &codes;
        m_review = &review;
    }

  private:
    void answer(ChallengeKeeper::Claim claim, Days day);
    void begin(Days day);
    void tell(const QString& text);

    Form1& m_form;
    GameSession& m_session;
    QAction& m_item;
    QAction& m_hint;
    QWidget& m_panel;
    QLabel& m_movesLeft;
    const QLabel& m_caption;
    CodeControl* m_codes = nullptr;
    ReviewControl* m_review = nullptr;
    bool m_claiming = false;
    // The answer to a claim may come after the window has gone.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

}  // namespace varn
