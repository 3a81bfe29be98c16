// challengecontrol.h: today's challenge as the window offers, starts, shows and ends it.
#pragma once

#include <QCoreApplication>
#include <optional>

#include "challenge.h"

class QAction;
class QLabel;
class QWidget;

namespace varn {

class Form1;
class GameSession;

class ChallengeControl {
    Q_DECLARE_TR_FUNCTIONS(varn::ChallengeControl)

  public:
    // `item` gives "Today's challenge" and `hint` the hint, which a challenge takes away; the
    // panel shows the moves left in `movesLeft`, whose caption is `caption`.
    ChallengeControl(Form1& form, GameSession& session, QAction& item, QAction& hint,
                     QWidget& panel, QLabel& movesLeft, const QLabel& caption);

    // "Today's challenge".
    void start();
    // Offers "Today's challenge" while today's is still to be played.
    void offer();
    // The moves left of the challenge in progress, or none.
    void show(const std::optional<Challenge>& challenge);
    // The end of a challenge, over the board that stays in view.
    void over(const ChallengeResult& result);

  private:
    Form1& m_form;
    GameSession& m_session;
    QAction& m_item;
    QAction& m_hint;
    QWidget& m_panel;
    QLabel& m_movesLeft;
    const QLabel& m_caption;
};

}  // namespace varn
