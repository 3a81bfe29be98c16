// reviewcontrol.cpp: asking a review, showing its progress and opening it.
#include "reviewcontrol.h"

#include <QMessageBox>
#include <QProgressDialog>

#include "challengecontrol.h"
#include "form1.h"
#include "gamesession.h"
#include "watchplayer.h"

namespace varn {

ReviewControl::~ReviewControl() {
    m_session.cancelReview();
}

void ReviewControl::reviewGame() {
    Game& game = m_session.game();
    const std::optional<GameCode> code = game.busy() ? std::nullopt : game.code();
    if (!code) {
        QMessageBox::information(&m_form, tr("Review game"),
                                 tr("This game has no code, and so no review: it did not begin "
                                    "with its own deal, or an older Varn saved it."));
        return;
    }
    review({*code, std::nullopt});
}

void ReviewControl::review(const Replay& replay) {
    const bool playing = m_session.game().challenge() && !m_session.game().challenge()->over();
    if (m_challenge.holdBack(replay.code.number) || (playing && !m_challenge.mayLeave())) return;
    if (m_progress) m_progress->close();
    auto* progress = new QProgressDialog(tr("Reviewing game %1…").arg(replay.code.number),
                                         tr("Cancel"), 0, int(replay.code.actions.size()), &m_form);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->setWindowTitle(tr("Review game"));
    // Shown at once, however short the work: the review takes its place when it is done.
    progress->setMinimumDuration(0);
    progress->setValue(0);
    progress->show();
    m_progress = progress;
    QObject::connect(progress, &QProgressDialog::canceled, progress, [this, progress] {
        m_session.cancelReview();
        progress->close();
    });
    m_session.askReview(
        replay,
        [this](int done, int) {
            if (m_progress) m_progress->setValue(done);
        },
        [this, replay](const GameReview& review) { answered(replay, review); });
}

void ReviewControl::answered(const Replay& replay, const GameReview& review) {
    if (m_progress) m_progress->close();
    if (!review.finished) {
        QMessageBox::warning(&m_form, tr("Review game"),
                             QCoreApplication::translate(
                                 "varn::CodeControl",
                                 "This game code is damaged: a character is missing or changed."));
        return;
    }
    if (!m_watch.review(replay, review)) m_form.beep();
}

}  // namespace varn
