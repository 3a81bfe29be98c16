// gamechooser.cpp: the game number, scores and name dialogs over the window.
#include "gamechooser.h"

#include <QInputDialog>
#include <QMessageBox>

#include "challengeenddialog.h"
#include "command.h"
#include "gamenumberdialog.h"
#include "gamesession.h"
#include "namedialog.h"
#include "scoresdialog.h"

namespace varn {

void GameChooser::chooseNumber() {
    GameNumberDialog dialog(m_session.game().number(), &m_window);
    if (dialog.exec() == QDialog::Accepted) playGame(*dialog.chosenGame());
}

void GameChooser::showScores() {
    const Days today = m_session.today();
    ScoresDialog dialog(ScoreTableFile().read(), m_session.challenges(), today, &m_window);
    const int result = dialog.exec();
    if (result == ScoresDialog::kWatched) return watchText(dialog.watchedActions());
    if (result != QDialog::Accepted) return;
    if (dialog.challengeChosen()) return startChallenge();
    playGame(dialog.chosenGame());
}

void GameChooser::startChallenge() {
    m_session.startChallenge();
}

// The dialog opens beside the game, not inside the move that ended it: the move runs to its end
// and the board can be looked at while the dialog is up.
void GameChooser::showChallengeResult(const ChallengeResult& result) {
    auto* dialog = new ChallengeEndDialog(result, m_session.game().number(), &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void GameChooser::watchCode() {
    bool given = false;
    const QString text =
        QInputDialog::getText(&m_window, tr("Watch a game code"), tr("&Game code:"),
                              QLineEdit::Normal, QString(), &given);
    if (given) watchText(text.toStdString());
}

void GameChooser::watchText(const std::string& text) {
    CodeProblem problem = CodeProblem::None;
    const std::optional<Replay> replay = parseReplay(text, problem);
    if (replay) return m_watch(*replay);
    const QString why = problem == CodeProblem::Foreign
                            ? tr("This is no Varn game code. A game code starts with \"varn\".")
                        : problem == CodeProblem::Newer
                            ? tr("This game code comes from a newer version of Varn.")
                            : tr("This game code is damaged: a character is missing or changed.");
    QMessageBox::warning(&m_window, tr("Watch a game code"), why);
}

std::string GameChooser::askName(const std::string& proposed, int rank, std::int64_t score) {
    NameDialog dialog(QString::fromStdString(proposed), rank, score, &m_window);
    dialog.exec();
    return dialog.name().toStdString();
}

void GameChooser::playGame(std::uint32_t number) {
    m_session.chooseNextGame(number);
    m_run(Command::ng_click);
}

}  // namespace varn
