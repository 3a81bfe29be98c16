// challengecontrol.cpp: offering, claiming, starting, showing and leaving today's challenge.
#include "challengecontrol.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "challengeenddialog.h"
#include "codecontrol.h"
#include "designtable.h"
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
      m_caption(caption) {
    session.onChallengesChanged([this] { offer(); });
}

ChallengeControl::~ChallengeControl() {
    *m_alive = false;
    m_session.onChallengesChanged(nullptr);
}

void ChallengeControl::start() {
    const Days today = m_session.today();
    if (!keptDay(today))
        return tell(
            tr("Today's challenge needs the computer's clock set to a day from the year "
               "1970 to 9999."));
    if (m_session.challenges().begun(today)) return tell(tr("You have played today's challenge."));
    if (!offer()) return m_form.beep();
    if (!mayLeave()) return;
    m_claiming = true;
    offer();
    m_session.claimChallenge(today, [this, alive = m_alive, today](ChallengeKeeper::Claim claim) {
        if (!*alive) return;
        m_claiming = false;
        answer(claim, today);
        offer();
    });
}

void ChallengeControl::answer(ChallengeKeeper::Claim claim, Days day) {
    switch (claim) {
        case ChallengeKeeper::Claim::Granted:
            return begin(day);
        case ChallengeKeeper::Claim::Played:
            return tell(tr("You have played today's challenge."));
        case ChallengeKeeper::Claim::Busy:
            return tell(
                tr("Another program is using the file of your challenges. Try again in "
                   "a moment."));
    }
}

// The day is this game's now, so it begins as soon as the pieces that a click let fall
// meanwhile have settled.
void ChallengeControl::begin(Days day) {
    if (m_session.game().busy() || !m_form.boardEnabled()) {
        QTimer::singleShot(designTable().fallMilliseconds, &m_form, [this, day] { begin(day); });
        return;
    }
    m_form.clearHint();
    m_session.startChallenge(day);
}

bool ChallengeControl::offer() {
    const Days today = m_session.today();
    // Board input is off while pieces fall; a challenge claimed in the rare moment when a turn
    // gave it back before its move ended begins once the move has.
    const bool offered = !m_claiming && keptDay(today) && !m_session.challenges().begun(today) &&
                         m_form.boardEnabled();
    m_item.setEnabled(offered);
    return offered;
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
    auto* dialog = new ChallengeEndDialog(result, &m_form);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &ChallengeEndDialog::reviewAsked, dialog,
                     [this](const std::string& code) { m_codes->open(code, true); });
    QObject::connect(dialog, &ChallengeEndDialog::parWatchAsked, dialog,
                     [this](const std::string& code) { m_codes->open(code); });
    m_session.askPar(result.day,
                     [dialog = QPointer(dialog)](std::int64_t par, const std::string& code) {
                         if (dialog) dialog->setPar(par, code);
                     });
    dialog->open();
}

bool ChallengeControl::mayLeave() {
    Game& game = m_session.game();
    if (!game.challenge() || game.challenge()->over()) return true;
    if (game.busy() || !m_form.boardEnabled()) {
        m_form.beep();
        return false;
    }
    QMessageBox question(QMessageBox::Question, tr("Leave the challenge?"),
                         tr("The challenge ends now with %1 points, and cannot be played again.")
                             .arg(QLocale().toString(qlonglong(game.scores().Score()))),
                         QMessageBox::NoButton, &m_form);
    QPushButton* leave = question.addButton(tr("&Leave the challenge"), QMessageBox::AcceptRole);
    question.setDefaultButton(question.addButton(tr("&Keep playing"), QMessageBox::RejectRole));
    question.exec();
    if (question.clickedButton() != leave) return false;
    game.leaveChallenge();
    return true;
}

bool ChallengeControl::secret(std::uint32_t number) const {
    const Days today = m_session.today();
    return number == challengeNumber(today) && !m_session.challenges().finished(today);
}

bool ChallengeControl::holdBack(std::uint32_t number) {
    if (!secret(number)) return false;
    tell(tr("This is today's challenge. It can be seen once you have played it."));
    return true;
}

void ChallengeControl::tellStart() {
    if (m_session.challengeElsewhere())
        tell(tr("Another Varn window is playing your challenge, so this one begins a new game."));
}

void ChallengeControl::tell(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information,
                                QCoreApplication::translate("varn::Form1", "Today's challenge"),
                                text, QMessageBox::Ok, &m_form);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace varn
