// form1.cpp: the design's handlers, start-up and closing, and the window operations.
#include "form1.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "accessiblepicturebox.h"
#include "designmenubar.h"
#include "designtable.h"
#include "gamechooser.h"
#include "helppanel.h"
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
            [this](Command command, int cell) { m_router->run(command, cell); });
    buildMenus();
    m_board = m_view->boardFrame()->parentWidget();
    m_scores = std::make_unique<ScorePanel>(m_view->control<QLabel>("Label4"),
                                            m_view->control<QLabel>("Label8"));
    buildControls();
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
        *menuBar(), [this](Command command, bool checked) { m_router->run(command, 0, checked); });
    m_zoom = new WindowZoom(
        *this, *m_view, m_menus->item<Command::fullScreen_Click>(),
        {&m_menus->item<Command::zoomIn_Click>(), &m_menus->item<Command::zoomOut_Click>(),
         &m_menus->item<Command::actualSize_Click>()});
    m_settings = std::make_unique<WindowSettings>(*this, *m_view, *m_zoom, m_session.sound(),
                                                  m_menus->item<Command::sound_Click>(),
                                                  m_menus->item<Command::continue_Click>());
}

void Form1::buildControls() {
    m_help = std::make_unique<HelpPanel>(*m_view);
    m_hint = std::make_unique<HintControl>(*this, m_session, *m_view);
    m_challenge = std::make_unique<ChallengeControl>(
        *this, m_session, m_menus->item<Command::challenge_Click>(),
        m_menus->item<Command::hint_Click>(), *m_view->control("Picture13"),
        *m_view->control<QLabel>("Label10"), *m_view->control<QLabel>("Label9"));
    if (auto* gameMenu = menuBar()->findChild<QMenu*>(QStringLiteral("a2")))
        connect(gameMenu, &QMenu::aboutToShow, this, [this] { m_challenge->offer(); });
    m_watch = std::make_unique<WatchPlayer>(*this, m_session);
    m_review = std::make_unique<ReviewControl>(*this, m_session, *m_challenge, *m_watch);
    m_codes = std::make_unique<CodeControl>(*this, m_session, *m_challenge, *m_watch, *m_review);
    m_challenge->openWith(*m_codes, *m_review);
    m_chooser = std::make_unique<GameChooser>(
        *this, m_session, *m_challenge, [this](Command c) { m_router->run(c); },
        [this](const std::string& text, bool review) { m_codes->open(text, review); });
    m_router = std::make_unique<CommandRouter>(CommandRouter::Parts{
        *this, m_session, *m_zoom, *m_settings, *m_hint, *m_challenge, *m_watch});
    m_pad = std::make_unique<PadControl>(*this, *m_view, *m_help, m_session,
                                         [this](Command c, int cell) { m_router->run(c, cell); });
}

Form1::~Form1() {
    m_session.cancelHint();
    m_session.detach();
}

// Start-up: the help text, the cells hidden in the board frame and the first game, all before
// the window is first shown.
void Form1::form_load() {
    m_view->control("Picture13")->hide();
    m_help->prepare();
    // The pattern pictures are held as pixmaps, never as widgets, so there is nothing to hide.
    for (int cell = 0; cell < kCellCount; ++cell)
        m_view->cell(cell)->hide();
    setLabelText(ScoreLabel::Label8, "0");
    m_session.beginGame(m_menus->item<Command::continue_Click>().isChecked());
    QTimer::singleShot(0, this, [this] { m_challenge->tellStart(); });
}

// The rules tell whether there is anything to take back; while a move runs the commands stay
// offered, and the rules answer them with the beep.
void Form1::enableHistoryCommands(bool undo, bool redo) {
    m_menus->item<Command::undo_Click>().setEnabled(undo);
    m_menus->item<Command::redo_Click>().setEnabled(redo);
}

void Form1::form_click() {
    if (!boardEnabled()) beep();
}

void Form1::Form_QueryUnload(std::int16_t& cancel, std::int16_t) {
    if (!boardEnabled()) cancel = kTrue;
    // A clip that plays stops even when the window stays open.
    m_session.sound().stopAll();
}

void Form1::keepSettings() {
    m_settings->save();
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

void Form1::pomoc_Click() {
    m_help->show(focusWidget());
}

void Form1::Command5_Click() {
    m_help->hide();
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
    // Today's challenge is offered only while no piece falls.
    if (m_challenge) m_challenge->offer();
    if (enabled && !focusWidget()) focusBoard();
}
bool Form1::boardEnabled() const {
    return m_board->isEnabled();
}
// While the help panel covers the board its keys stay on the panel, or a Space meant for OK
// would play a covered cell; closing the panel gives them to the board.
void Form1::focusBoard() {
    if (helpShown()) {
        m_help->giveKeysAfter(m_board);
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
