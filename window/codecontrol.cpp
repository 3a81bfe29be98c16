// codecontrol.cpp: the dialogs and checks around game codes.
#include "codecontrol.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

#include "form1.h"
#include "gamesession.h"
#include "watchplayer.h"

namespace varn {

void CodeControl::copy() {
    Game& game = m_session.game();
    const std::optional<GameCode> code = game.busy() ? std::nullopt : game.code();
    if (!code) {
        QMessageBox::information(
            &m_form, tr("Copy game code"),
            tr("This game has no code: it did not begin with its own deal, or an older Varn "
               "saved it. The next new game will have one."));
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(formatGameCode(*code)));
}

void CodeControl::ask() {
    bool given = false;
    const QString text = QInputDialog::getText(&m_form, tr("Watch a game code"), tr("&Game code:"),
                                               QLineEdit::Normal, QString(), &given);
    if (given) watchText(text.toStdString());
}

void CodeControl::watchText(const std::string& text) {
    CodeProblem problem = CodeProblem::None;
    const std::optional<Replay> replay = parseReplay(text, problem);
    if (replay) return watch(*replay);
    const QString why = problem == CodeProblem::Foreign
                            ? tr("This is no Varn game code. A game code starts with \"varn\".")
                        : problem == CodeProblem::Newer
                            ? tr("This game code comes from a newer version of Varn.")
                            : tr("This game code is damaged: a character is missing or changed.");
    QMessageBox::warning(&m_form, tr("Watch a game code"), why);
}

void CodeControl::watch(const Replay& replay) {
    // The hint was for the game in progress, which waits aside.
    m_form.clearHint();
    if (!m_watch.watch(replay)) m_form.beep();
}

}  // namespace varn
