// watchplayer.cpp: playing a replay's actions at the pace of play, and its controls.
#include "watchplayer.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

#include "designtable.h"
#include "form1.h"
#include "gamesession.h"
#include "reviewpanel.h"

namespace varn {

WatchPlayer::WatchPlayer(Form1& form, GameSession& session) : m_form(form), m_session(session) {
    m_pace.setSingleShot(true);
    connect(&m_pace, &QTimer::timeout, this, &WatchPlayer::playNext);
    m_fall.setTimerType(Qt::PreciseTimer);
    connect(&m_fall, &QTimer::timeout, this, [this] {
        if (m_game) m_game->Timer1_Timer();
    });
    m_fall.setInterval(designTable().fallMilliseconds);
}

WatchPlayer::~WatchPlayer() = default;

// Built when first watching: most games never watch, and the status bar is where Qt would first
// load the fonts, on the way to the window's first frame.
void WatchPlayer::buildBar() {
    auto* bar = m_bar = new QToolBar(tr("Watching"), &m_form);
    bar->setObjectName("watchBar");
    bar->setMovable(false);
    bar->setFloatable(false);
    m_pause = addControl("pause", tr("Pause"), "P", &WatchPlayer::togglePause);
    addControl("step", tr("Step"), "S", &WatchPlayer::step);
    addControl("faster", tr("Faster"), "F", &WatchPlayer::faster);
    addControl("stopWatching", tr("Stop watching"), "Esc", &WatchPlayer::stop);
    bar->hide();
    m_form.addToolBar(Qt::BottomToolBarArea, bar);
    // The progress goes on a line of its own, under the controls, which fill the design's width.
    m_progress = new QLabel;
    m_progress->setObjectName("watchProgress");
    m_form.statusBar()->addWidget(m_progress, 1);
    m_form.statusBar()->setSizeGripEnabled(false);
    m_form.statusBar()->hide();
}

QAction* WatchPlayer::addControl(const char* name, const QString& text, const QString& key,
                                 void (WatchPlayer::*slot)()) {
    QAction* action = m_bar->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(key));
    action->setToolTip(text + " (" + QKeySequence(key).toString(QKeySequence::NativeText) + ')');
    connect(action, &QAction::triggered, this, slot);
    return action;
}

bool WatchPlayer::watch(const Replay& replay) {
    Game& kept = m_session.game();
    if (m_acting || kept.busy() || !m_form.boardEnabled()) return false;
    if (!m_game) {
        m_keptState = kept.state();
        m_keptHistory = kept.history();
        m_keptHints = kept.hints();
    }
    if (!m_bar) buildBar();
    if (m_panel) {
        m_panel->disconnect(this);
        m_panel->close();
    }
    m_review = {};
    m_game = std::make_unique<Game>(*this, m_random, this);
    m_replay = replay;
    m_next = 0;
    m_paused = false;
    m_stopAsked = false;
    m_pause->setText(tr("Pause"));
    m_bar->show();
    m_form.statusBar()->show();
    m_game->startReplay(m_replay);
    showProgress();
    m_pace.start(kPace / m_speed);
    return true;
}

bool WatchPlayer::review(const Replay& replay, const GameReview& review) {
    if (!watch(replay)) return false;
    setPaused(true);
    m_review = review;
    if (m_panel) m_panel->close();
    auto* panel = new ReviewPanel(replay.code, review, &m_form);
    m_panel = panel;
    panel->setAttribute(Qt::WA_DeleteOnClose);
    connect(panel, &ReviewPanel::shown, this, &WatchPlayer::showAction);
    connect(panel, &QDialog::finished, this, &WatchPlayer::stop);
    panel->show();
    return true;
}

// The review's position before the action, which the rules' own game puts back as a game
// continued at start-up is.
void WatchPlayer::showAction(int index) {
    if (!m_game || m_acting || index < 0 || std::size_t(index) >= m_review.actions.size()) return;
    const Position& before = m_review.positions[std::size_t(index)];
    m_game->resume({before.board, before.score, std::to_string(before.score), before.random},
                   History(), 0);
    m_next = std::size_t(index);
    setPaused(true);
    m_form.outlineHint(m_review.actions[std::size_t(index)].best);
}

void WatchPlayer::playNext() {
    if (!m_game || m_paused || m_acting) return;
    if (playOne() && !m_paused) m_pace.start(kPace / m_speed);
}

// False once the watch has stopped or come to its end.
bool WatchPlayer::playOne() {
    if (m_next == m_replay.code.actions.size()) {
        finish();
        return false;
    }
    m_form.clearHint();
    m_acting = true;
    // A code is checked before it is watched: one that goes wrong here goes no further.
    const bool played = m_game->replay(m_replay.code.actions[m_next++]);
    m_acting = false;
    if (!played) m_next = m_replay.code.actions.size();
    if (m_stopAsked) {
        stop();
        return false;
    }
    showProgress();
    if (m_next < m_replay.code.actions.size()) return true;
    finish();
    return false;
}

// The last board and score stay on show until the player stops watching.
void WatchPlayer::finish() {
    m_pace.stop();
    m_paused = true;
    m_pause->setEnabled(false);
    showProgress();
}

void WatchPlayer::togglePause() {
    if (!m_game || m_next == m_replay.code.actions.size()) return;
    setPaused(!m_paused);
    if (!m_paused) m_pace.start(kPace / m_speed);
}

void WatchPlayer::setPaused(bool paused) {
    m_paused = paused;
    m_pause->setText(m_paused ? tr("Resume") : tr("Pause"));
    if (m_paused) m_pace.stop();
    showProgress();
}

// The watch stays paused after the step, and says so.
void WatchPlayer::step() {
    if (!m_game || m_acting || m_next == m_replay.code.actions.size()) return;
    setPaused(true);
    playOne();
}

void WatchPlayer::faster() {
    m_speed = m_speed == kFastest ? 1 : m_speed * 2;
    m_fall.setInterval(designTable().fallMilliseconds / m_speed);
    if (m_pace.isActive()) m_pace.start(kPace / m_speed);
    showProgress();
}

void WatchPlayer::stop() {
    if (!m_game) return;
    if (m_acting) {
        m_stopAsked = true;
        return;
    }
    m_pace.stop();
    m_fall.stop();
    m_game.reset();
    m_review = {};
    if (m_panel) m_panel->close();
    m_form.clearHint();
    m_bar->hide();
    m_form.statusBar()->hide();
    m_pause->setEnabled(true);
    m_session.game().resume(m_keptState, m_keptHistory, m_keptHints);
    m_form.focusBoard();
}

void WatchPlayer::showProgress() {
    const auto total = qulonglong(m_replay.code.actions.size());
    QString text = tr("Game %1: action %2 of %3, speed %4×")
                       .arg(m_replay.code.number)
                       .arg(qulonglong(m_next))
                       .arg(total)
                       .arg(m_speed);
    if (m_next == total) {
        text = tr("Game %1: the end, score %2")
                   .arg(m_replay.code.number)
                   .arg(m_game->scores().Score());
    } else if (m_paused) {
        text += ' ' + tr("(paused)");
    }
    m_progress->setText(text);
    m_progress->setAccessibleName(text);
}

std::string WatchPlayer::labelText(ScoreLabel label) const {
    return m_form.labelText(label);
}
void WatchPlayer::setLabelText(ScoreLabel label, const std::string& text) {
    m_form.setLabelText(label, text);
}
void WatchPlayer::beep() {
    m_form.beep();
}
void WatchPlayer::showPattern(int cell, int pattern) {
    m_form.showPattern(cell, pattern);
}
void WatchPlayer::setCellVisible(int cell, bool visible) {
    m_form.setCellVisible(cell, visible);
}
void WatchPlayer::placeCell(int cell, int left, int top, int width, int height) {
    m_form.placeCell(cell, left, top, width, height);
}
int WatchPlayer::boardLeft() const {
    return m_form.boardLeft();
}
int WatchPlayer::boardTop() const {
    return m_form.boardTop();
}
void WatchPlayer::repaintCell(int cell) {
    m_form.repaintCell(cell);
}
void WatchPlayer::repaintBoard() {
    m_form.repaintBoard();
}
void WatchPlayer::setBoardEnabled(bool enabled) {
    m_form.setBoardEnabled(enabled);
}
bool WatchPlayer::boardEnabled() const {
    return m_form.boardEnabled();
}
void WatchPlayer::setPointer(Pointer pointer) {
    m_form.setPointer(pointer);
}
// Faster than the pace of play, a clip does not hold the game up: each speed plays as fast as it
// says, its clips cut short by the next.
void WatchPlayer::playClip(int clip) {
    m_session.sound().play(clip, m_speed == 1);
}

void WatchPlayer::doEvents() {
    QCoreApplication::processEvents(m_fall.isActive() ? QEventLoop::WaitForMoreEvents
                                                      : QEventLoop::AllEvents);
}

// The high score on show stays: the watched game reads the one the game in progress shows.
void WatchPlayer::load(Loaded loaded) {
    loaded(m_session.game().scores().HiScore());
}

}  // namespace varn
