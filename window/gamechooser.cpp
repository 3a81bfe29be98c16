// gamechooser.cpp: the game number, scores and name dialogs over the window.
#include "gamechooser.h"

#include "challengecontrol.h"
#include "command.h"
#include "gamenumberdialog.h"
#include "gamesession.h"
#include "namedialog.h"
#include "scoresdialog.h"

namespace varn {

// Today's challenge keeps its number to itself until the player has played it.
void GameChooser::chooseNumber() {
    const std::uint32_t number = m_session.game().number();
    const std::uint32_t today = challengeNumber(m_session.today());
    GameNumberDialog dialog(m_challenge.secret(number) ? 0 : number,
                            m_challenge.secret(today) ? today : 0, &m_window);
    if (dialog.exec() == QDialog::Accepted) playGame(*dialog.chosenGame());
}

void GameChooser::showScores() {
    const Days today = m_session.today();
    ScoresDialog dialog(ScoreTableFile().read(), m_session.challenges(), today, m_challenge.offer(),
                        &m_window);
    const int result = dialog.exec();
    if (result == ScoresDialog::kWatched || result == ScoresDialog::kReviewed)
        return m_open(dialog.watchedActions(), result == ScoresDialog::kReviewed);
    if (result != QDialog::Accepted) return;
    if (dialog.challengeChosen()) return m_run(Command::challenge_Click);
    playGame(dialog.chosenGame());
}

std::string GameChooser::askName(const std::string& proposed, int rank, std::int64_t score) {
    QStringList used;
    for (const BestGame& best : m_session.scoreTable().rows()) {
        const QString name = QString::fromStdString(best.name);
        if (!used.contains(name)) used << name;
    }
    NameDialog dialog(QString::fromStdString(proposed), rank, score, used, &m_window);
    dialog.exec();
    return dialog.name().toStdString();
}

void GameChooser::playGame(std::uint32_t number) {
    if (m_challenge.holdBack(number) || !m_challenge.mayLeave()) return;
    m_session.chooseNextGame(number);
    m_run(Command::ng_click);
}

}  // namespace varn
