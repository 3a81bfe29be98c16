// form1.cpp: the design's handlers, start-up and closing, and the window operations.
#include "form1.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>

#include "accessiblepicturebox.h"
#include "designmenubar.h"
#include "designtable.h"
#include "gamechooser.h"
#include "helptext.h"
#include "hintview.h"
#include "picturebox.h"
#include "watchplayer.h"
#include "windowsettings.h"
#include "windowzoom.h"

namespace varn {

Form1::Form1(GameSession& session, PictureProvider& pictures) : m_session(session) {
    QAccessible::installFactory(AccessiblePictureBox::factory);
    session.attach(*this);
    m_view = new DesignView(*this, pictures);
    connect(m_view, &DesignView::handlerCalled, this,
            [this](Command command, int cell) { run(command, cell); });
    buildMenus();
    m_board = m_view->boardFrame()->parentWidget();
    m_scores = std::make_unique<ScorePanel>(m_view->control<QLabel>("Label4"),
                                            m_view->control<QLabel>("Label8"));
    m_chooser = std::make_unique<GameChooser>(
        *this, session, [this](Command c) { run(c, 0); },
        [this](const Replay& replay) { watch(replay); });
    m_watch = std::make_unique<WatchPlayer>(*this, session);
    m_hint = std::make_unique<HintView>(*m_view);
    findPanels();
    if (auto* gameMenu = menuBar()->findChild<QMenu*>(QStringLiteral("a2")))
        connect(gameMenu, &QMenu::aboutToShow, this, &Form1::offerChallenge);
    enableHistoryCommands(false, false);
    setLabelText(ScoreLabel::Label4, designTable().scoreText);
    setLabelText(ScoreLabel::Label8, designTable().scoreText);
    // The timer is enabled in the design: it ticks once soon after start-up and stops itself.
    startTimer();
    m_settings->restore();
    form_load();
}

void Form1::buildMenus() {
    m_menus = std::make_unique<DesignMenuBar>(
        *menuBar(), [this](Command command, bool checked) { run(command, 0, checked); });
    m_zoom = new WindowZoom(
        *this, *m_view, m_menus->item<Command::fullScreen_Click>(),
        {&m_menus->item<Command::zoomIn_Click>(), &m_menus->item<Command::zoomOut_Click>(),
         &m_menus->item<Command::actualSize_Click>()});
    m_settings = std::make_unique<WindowSettings>(*this, *m_view, *m_zoom, m_session.sound(),
                                                  m_menus->item<Command::sound_Click>(),
                                                  m_menus->item<Command::continue_Click>());
}

void Form1::findPanels() {
    m_helpPanel = m_view->control("Picture12");
    m_helpText = m_view->control<QLabel>("Label3");
    m_helpOk = m_view->control("Command5");
    m_movesPanel = m_view->control("Picture13");
    m_movesLeft = m_view->control<QLabel>("Label10");
}

Form1::~Form1() {
    m_session.cancelHint();
    m_session.detach();
}

// The window's own handlers; the rules run the rest of their commands. A command of the window
// without a handler here does not build.
Form1::OwnHandler Form1::ownHandler(Command command) {
    static constexpr Handlers<OwnHandler> own = byCommand<OwnHandler>({
        {Command::form_click, [](Form1& form, int, bool) { form.form_click(); }},
        {Command::Element_Click, [](Form1& form, int cell, bool) { form.playCell(cell); }},
        {Command::pomoc_Click, [](Form1& form, int, bool) { form.pomoc_Click(); }},
        {Command::Command5_Click, [](Form1& form, int, bool) { form.Command5_Click(); }},
        {Command::gameNumber_Click, [](Form1& form, int, bool) { form.gameNumber_Click(); }},
        {Command::challenge_Click, [](Form1& form, int, bool) { form.challenge_Click(); }},
        {Command::scores_Click, [](Form1& form, int, bool) { form.scores_Click(); }},
        {Command::copyCode_Click, [](Form1& form, int, bool) { form.copyCode_Click(); }},
        {Command::watchCode_Click, [](Form1& form, int, bool) { form.watchCode_Click(); }},
        {Command::hint_Click, [](Form1& form, int, bool) { form.hint_Click(); }},
        {Command::sound_Click, [](Form1& form, int, bool on) { form.m_session.sound().setOn(on); }},
        {Command::zoomIn_Click, [](Form1& form, int, bool) { form.m_zoom->zoomIn(); }},
        {Command::zoomOut_Click, [](Form1& form, int, bool) { form.m_zoom->zoomOut(); }},
        {Command::actualSize_Click, [](Form1& form, int, bool) { form.m_zoom->actualSize(); }},
        {Command::fullScreen_Click,
         [](Form1& form, int, bool on) { form.m_zoom->setFullScreen(on); }},
        // Its item keeps the choice, which counts at the next start.
        {Command::continue_Click, [](Form1&, int, bool) {}},
    });
    static_assert(handlesEvery(own, false), "a command of the window's has no handler");
    return own[indexOf(command)];
}

void Form1::run(Command command, int cell, bool checked) {
    if (refusedWhileWatching(command)) return;
    // Whatever the rules do, the game the hint was for is gone.
    if (commandRow(command).rules) clearHint();
    if (const OwnHandler handler = ownHandler(command)) {
        handler(*this, cell, checked);
    } else {
        perform(game(), command, cell);
    }
    if (commandRow(command).setting) m_settings->save();
}

bool Form1::refusedWhileWatching(Command command) {
    const bool allowed = commandRow(command).setting || command == Command::pomoc_Click ||
                         command == Command::Command5_Click;
    if (!m_watch->watching() || allowed) return false;
    beep();
    return true;
}

void Form1::copyCode_Click() {
    const std::optional<GameCode> code = game().busy() ? std::nullopt : game().code();
    if (!code) {
        QMessageBox::information(
            this, tr("Copy game code"),
            tr("This game has no code: it did not begin with its own deal, or an older Varn "
               "saved it. The next new game will have one."));
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(formatGameCode(*code)));
}

void Form1::watch(const Replay& replay) {
    // The hint was for the game in progress, which waits aside.
    clearHint();
    if (!m_watch->watch(replay)) beep();
}

// Start-up: the help text, the cells hidden in the board frame and the first game, all before
// the window is first shown.
void Form1::form_load() {
    m_helpPanel->hide();
    m_movesPanel->hide();
    m_helpText->setText(
        QString::fromStdString(helpText()).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    // The help text is set after the window is built, so it is fitted again now.
    m_view->fitTexts();
    // The pattern pictures are held as pixmaps, never as widgets, so there is nothing to hide.
    for (int cell = 0; cell < kCellCount; ++cell)
        m_view->cell(cell)->hide();
    setLabelText(ScoreLabel::Label8, "0");
    m_session.beginGame(m_menus->item<Command::continue_Click>().isChecked());
}

// The rules tell whether there is anything to take back; while a move runs the commands stay
// offered, and the rules answer them with the beep.
void Form1::enableHistoryCommands(bool undo, bool redo) {
    m_menus->item<Command::undo_Click>().setEnabled(undo);
    m_menus->item<Command::redo_Click>().setEnabled(redo);
}

// A challenge takes away what would let a player try again: undo, redo and the hint.
void Form1::showChallenge(const std::optional<Challenge>& challenge) {
    m_menus->item<Command::hint_Click>().setEnabled(!challenge);
    m_movesPanel->setVisible(challenge.has_value());
    if (!challenge) return;
    const QString moves = QString::number(challenge->movesLeft());
    m_movesLeft->setText(moves);
    // Read out alone, the number needs to say what it counts.
    static const QRegularExpression colon(QStringLiteral("[:：\\s]+$"));
    m_movesLeft->setAccessibleName(m_view->control<QLabel>("Label9")->text().remove(colon) + ' ' +
                                   moves);
}

void Form1::offerChallenge() {
    m_menus->item<Command::challenge_Click>().setEnabled(
        !m_session.challenges().begun(m_session.today()));
}

void Form1::form_click() {
    if (!boardEnabled()) beep();
}

void Form1::Form_QueryUnload(std::int16_t& cancel, std::int16_t) {
    if (!boardEnabled()) cancel = kTrue;
    // A clip that plays stops even when the window stays open.
    m_session.sound().stopAll();
}

void Form1::closeEvent(QCloseEvent* event) {
    std::int16_t cancel = kFalse;
    Form_QueryUnload(cancel, 0);
    if (cancel) {
        event->ignore();
        return;
    }
    m_settings->save();
    event->accept();
}

// The keyboard follows the panel while it is shown, so Escape or Return close it, and then
// goes back where it was.
void Form1::pomoc_Click() {
    if (m_helpPanel->isHidden()) m_focusBeforeHelp = focusWidget();
    m_helpPanel->show();
    m_helpOk->setFocus();
}

void Form1::Command5_Click() {
    m_helpPanel->hide();
    if (m_focusBeforeHelp) m_focusBeforeHelp->setFocus();
}

void Form1::beep() {
    ++m_beeps;
    QApplication::beep();
}

// The frame inside the backing holds the board's keys. Disabling the backing takes the focus
// from it and gives it to no other control (Qt would pass it on to the next one only from the
// backing itself, where a key meant for the board would press a picture button), so the
// board's keys arrive at the window while it is busy, and the board takes them back after.
void Form1::setBoardEnabled(bool enabled) {
    m_board->setEnabled(enabled);
    if (enabled && !focusWidget()) focusBoard();
}
bool Form1::boardEnabled() const {
    return m_board->isEnabled();
}
// While the help panel covers the board its keys stay on the panel, or a Space meant for OK
// would play a covered cell; closing the panel gives them to the board.
void Form1::focusBoard() {
    if (m_helpPanel->isVisible()) {
        m_focusBeforeHelp = m_board;
    } else {
        m_board->setFocus();
    }
}

void Form1::playCell(int cell) {
    if (boardEnabled()) {
        game().Element_Click(cell);
    } else {
        form_click();
    }
}

void Form1::hint_Click() {
    clearHint();
    // Every result of a challenge is the player's own.
    if (!boardEnabled() || game().challenge()) {
        beep();
        return;
    }
    m_session.askHint([this](const Hint& hint) { showHint(hint); });
}

// The keys go where the hint is, so that Space or Return follows it, and a screen reader reads
// what it suggests; the help panel keeps them while it is shown.
void Form1::showHint(const Hint& hint) {
    if (hint.action == HintAction::None) {
        beep();
        return;
    }
    game().countHint();
    QWidget* button = m_hint->show(hint);
    if (button && m_helpPanel->isHidden()) {
        button->setFocus();
    } else {
        focusBoard();
    }
}

void Form1::clearHint() {
    m_session.cancelHint();
    m_hint->clear();
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // With no control holding the keys, those of the busy board arrive here: a play is
    // refused the way a click is.
    if (!focusWidget() && PictureBox::isPressKey(*event)) {
        form_click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Form1::doEvents() {
    // While the timer runs a tick is due within 50 ms, so the wait blocks until an event
    // arrives instead of spinning; otherwise only what is pending runs.
    QCoreApplication::processEvents(timerRunning() ? QEventLoop::WaitForMoreEvents
                                                   : QEventLoop::AllEvents);
}

}  // namespace varn
