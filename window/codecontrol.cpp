// codecontrol.cpp: the dialogs and checks around game codes.
#include "codecontrol.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

#include "challengecontrol.h"
#include "codeplayer.h"
#include "form1.h"
#include "gamesession.h"
#include "reviewcontrol.h"
#include "watchcodedialog.h"
#include "watchplayer.h"

namespace varn {

void CodeControl::copy() {
    Game& game = m_session.game();
    if (game.challenge() && !game.challenge()->over()) {
        QMessageBox::information(&m_form, tr("Copy game code"),
                                 tr("A challenge has its code once it is over."));
        return;
    }
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
    std::optional<Replay> replay;
    WatchCodeDialog dialog(
        [&](const QString& text) {
            QString problem;
            replay = read(text.toStdString(), problem);
            return problem;
        },
        &m_form);
    if (dialog.exec() != QDialog::Accepted || !replay) return;
    if (dialog.reviewChosen()) return m_review.review(*replay);
    watch(*replay);
}

void CodeControl::open(const std::string& text, bool review) {
    QString problem;
    if (const std::optional<Replay> replay = read(text, problem))
        return review ? m_review.review(*replay) : watch(*replay);
    QMessageBox::warning(&m_form, tr("Watch a game code"), problem);
}

// A code that passes the reader may still hold what no player could do where the game stood:
// it is played through once, out of sight, before it is watched.
std::optional<Replay> CodeControl::read(const std::string& text, QString& problem) const {
    CodeProblem why = CodeProblem::None;
    std::optional<Replay> replay = parseReplay(text, why);
    if (replay && playable(*replay)) return replay;
    problem = why == CodeProblem::Foreign
                  ? tr("This is no Varn game code. A game code starts with \"varn\".")
              : why == CodeProblem::Newer
                  ? tr("This game code comes from a newer version of Varn.")
                  : tr("This game code is damaged: a character is missing or changed.");
    return std::nullopt;
}

void CodeControl::watch(const Replay& replay) {
    if (m_challenge.holdBack(replay.code.number) || !m_challenge.mayLeave()) return;
    // The hint was for the game in progress, which waits aside.
    m_form.clearHint();
    if (!m_watch.watch(replay)) m_form.beep();
}

}  // namespace varn
