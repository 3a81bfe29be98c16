// challengecontrol.cpp: offering, starting and showing today's challenge.
#include "challengecontrol.h"

#include <QAction>
#include <QLabel>
#include <QRegularExpression>

#include "challengeenddialog.h"
#include "form1.h"
#include "gamesession.h"

namespace varn {

ChallengeControl::ChallengeControl(Form1& form, GameSession& session, QAction& item, QAction& hint,
                                   QWidget& panel, QLabel& movesLeft, const QLabel& caption)
    : m_form(form),
      m_session(session),
      m_item(item),
      m_hint(hint),
      m_panel(panel),
      m_movesLeft(movesLeft),
      m_caption(caption) {}

void ChallengeControl::start() {
    m_session.startChallenge();
}

void ChallengeControl::offer() {
    m_item.setEnabled(!m_session.challenges().begun(m_session.today()));
}

// A challenge takes away what would let a player try again: undo, redo and the hint.
void ChallengeControl::show(const std::optional<Challenge>& challenge) {
    m_hint.setEnabled(!challenge);
    m_panel.setVisible(challenge.has_value());
    if (!challenge) return;
    const QString moves = QString::number(challenge->movesLeft());
    m_movesLeft.setText(moves);
    // Read out alone, the number needs to say what it counts.
    static const QRegularExpression colon(QStringLiteral("[:：\\s]+$"));
    m_movesLeft.setAccessibleName(m_caption.text().remove(colon) + ' ' + moves);
}

// The dialog opens beside the game, not inside the move that ended it: the move runs to its end
// and the board can be looked at while the dialog is up.
void ChallengeControl::over(const ChallengeResult& result) {
    auto* dialog = new ChallengeEndDialog(result, m_session.game().number(), &m_form);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

}  // namespace varn
