// padcontrol.cpp: a controller's presses handed to the board, the menus, the dialogs, the watch
// bar and the help, as commands or as the keys that those already take.
#include "padcontrol.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <algorithm>
#include <vector>

#include "boardcursor.h"
#include "designview.h"
#include "gamesession.h"
#include "helppanel.h"
#include "onscreenkeyboard.h"
#include "padhints.h"
#include "padmap.h"

namespace varn {

namespace {

Qt::Key keyOf(PadButton direction) {
    switch (direction) {
        case PadButton::DpadUp:
            return Qt::Key_Up;
        case PadButton::DpadDown:
            return Qt::Key_Down;
        case PadButton::DpadLeft:
            return Qt::Key_Left;
        default:
            return Qt::Key_Right;
    }
}

// A key as the control would get it from the keyboard, its parents taking it where it does
// not; whether anyone took it.
bool sendKey(QWidget& to, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    const bool taken = QApplication::sendEvent(&to, &press) && press.isAccepted();
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(&to, &release);
    return taken;
}

OnScreenKeyboard* keyboardOf(QWidget* focus) {
    for (QWidget* widget = focus; widget; widget = widget->parentWidget()) {
        if (auto* keyboard = qobject_cast<OnScreenKeyboard*>(widget)) return keyboard;
    }
    return nullptr;
}

bool takesKeys(const QWidget& widget, const QWidget& window) {
    return (widget.focusPolicy() & Qt::TabFocus) && !widget.focusProxy() && widget.isEnabled() &&
           widget.isVisibleTo(&window) && widget.window() == &window;
}

}  // namespace

PadControl::PadControl(QMainWindow& window, DesignView& view, HelpPanel& help, GameSession& session,
                       Run run)
    : m_window(window),
      m_view(view),
      m_help(help),
      m_run(std::move(run)),
      m_poller(session.padPoller()) {
    m_hints = std::make_unique<PadHints>(window, *m_poller);
    connect(m_poller.get(), &PadPoller::pressed, this, &PadControl::pressed);
    // Start-up time counts to the first frame: the module loads after it.
    view.boardFrame()->installEventFilter(this);
}

PadControl::~PadControl() = default;

bool PadControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, m_poller.get(), &PadPoller::start);
    }
    return false;
}

// A press while another program is in front is not meant for the game.
void PadControl::pressed(PadButton button, bool) {
    QWidget* active = QApplication::activeWindow();
    if (!active) return;
    m_hints->padUsed();
    QMenuBar* bar = m_window.menuBar();
    if (QWidget* popup = QApplication::activePopupWidget()) return inMenu(*popup, button);
    if (active == &m_window && bar->activeAction()) return inMenu(*bar, button);
    if (auto* keyboard = keyboardOf(active->focusWidget())) return keyboard->press(button);
    if (active != &m_window) return inDialog(*active, button);
    if (m_help.shown()) return inHelp(button);
    if (button == PadButton::Start) {
        if (auto* game = bar->findChild<QMenu*>(QStringLiteral("a2")))
            bar->setActiveAction(game->menuAction());
        return;
    }
    if (watchAction(m_window, PadButton::B)) return inWatch(button);
    onBoard(button);
}

// The first press that means the board shows its cursor where it stands, for the next to act
// on; a mouse player has never seen it.
void PadControl::onBoard(PadButton button) {
    QWidget* board = m_view.boardFrame();
    BoardCursor& cursor = *m_view.cursor();
    const bool meant = isDirection(button) || button == PadButton::A;
    if (meant && board->isEnabled() && !m_view.cell(cursor.cell())->cursorShown()) {
        board->setFocus(Qt::OtherFocusReason);
        cursor.moveTo(cursor.cell());
        if (button == PadButton::A) return;
    }
    if (isDirection(button)) {
        if (board->isEnabled()) sendKey(*board, keyOf(button));
        return;
    }
    const unsigned bit = padButtons({button});
    for (const CommandRow& row : kCommands) {
        if (row.pad & bit) return m_run(row.id, cursor.cell());
    }
}

// The d-pad walks the bar's buttons, whatever controls it holds, and A presses the one it came
// to; the named controls take their buttons at once.
void PadControl::inWatch(PadButton button) {
    auto* bar = m_window.findChild<QToolBar*>(QStringLiteral("watchBar"));
    std::vector<QWidget*> buttons;
    for (QAction* action : bar->actions()) {
        QWidget* shown = bar->widgetForAction(action);
        if (shown && shown->isVisible() && shown->isEnabled()) buttons.push_back(shown);
    }
    const auto at = std::find(buttons.begin(), buttons.end(), QApplication::focusWidget());
    if ((button == PadButton::DpadLeft || button == PadButton::DpadRight) && !buttons.empty()) {
        const int count = int(buttons.size());
        const int from = at == buttons.end() ? (button == PadButton::DpadRight ? -1 : 0)
                                             : int(at - buttons.begin());
        const int to = (from + (button == PadButton::DpadRight ? 1 : -1) + count) % count;
        return buttons[std::size_t(to)]->setFocus(Qt::OtherFocusReason);
    }
    if (auto* pressed = qobject_cast<QAbstractButton*>(at == buttons.end() ? nullptr : *at);
        pressed && button == PadButton::A) {
        return pressed->click();
    }
    if (QAction* action = watchAction(m_window, button)) action->trigger();
}

void PadControl::inHelp(PadButton button) {
    m_help.setPadStyle(m_poller->style());
    auto* focus = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    switch (button) {
        case PadButton::A:
            if (focus) focus->click();
            return;
        case PadButton::B:
        case PadButton::Start:
            return m_run(Command::Command5_Click, 0);
        case PadButton::LeftShoulder:
        case PadButton::RightShoulder:
            return m_run(Command::Command6_Click, 0);
        case PadButton::DpadLeft:
        case PadButton::DpadRight:
            for (const char* name : {"Command6", "Command5"}) {
                if (m_view.control(name) != focus) return m_view.control(name)->setFocus();
            }
            return;
        case PadButton::DpadUp:
        case PadButton::DpadDown:
            if (m_help.onControls()) sendKey(*m_help.controls(), keyOf(button));
            return;
        default:
            return;
    }
}

// A menu on the bar, or the bar itself once a walk sideways has come to an item without one.
// B and Start close the menus at once.
void PadControl::inMenu(QWidget& menu, PadButton button) {
    if (isDirection(button)) {
        sendKey(menu, keyOf(button));
    } else if (button == PadButton::A) {
        sendKey(menu, Qt::Key_Return);
    } else if (button == PadButton::B || button == PadButton::Start) {
        if (menu.isWindow()) menu.close();
        m_window.menuBar()->setActiveAction(nullptr);
    }
}

void PadControl::inDialog(QWidget& dialog, PadButton button) {
    QWidget* focus = dialog.focusWidget();
    if (isDirection(button)) {
        const bool forward = button == PadButton::DpadDown || button == PadButton::DpadRight;
        if (!focus || !sendKey(*focus, keyOf(button))) walk(dialog, focus, forward);
        return;
    }
    switch (button) {
        case PadButton::A:
            return activate(dialog, focus);
        case PadButton::LeftShoulder:
        case PadButton::RightShoulder:
            return turnPage(dialog, button == PadButton::LeftShoulder ? -1 : 1);
        default:
            break;
    }
    if (QAbstractButton* target = dialogButton(dialog, button)) {
        if (target->isEnabled()) target->click();
    } else if (button == PadButton::B) {
        sendKey(focus ? *focus : dialog, Qt::Key_Escape);
    }
}

void PadControl::activate(QWidget& dialog, QWidget* focus) {
    if (auto* button = qobject_cast<QAbstractButton*>(focus)) {
        if (button->isEnabled()) button->click();
    } else if (auto* line = qobject_cast<QLineEdit*>(focus); line && !line->isReadOnly()) {
        OnScreenKeyboard::openUnder(*line);
    } else if (auto* list = qobject_cast<QComboBox*>(focus)) {
        list->showPopup();
    } else {
        sendKey(focus ? *focus : dialog, Qt::Key_Return);
    }
}

// Round the dialog's controls in the order of Tab, as a control that does not take an arrow
// would have it.
void PadControl::walk(QWidget& dialog, QWidget* focus, bool forward) {
    QWidget* from = focus ? focus : &dialog;
    QWidget* next = from;
    do {
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
        if (takesKeys(*next, dialog)) {
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    } while (next != from);
}

void PadControl::turnPage(QWidget& dialog, int by) {
    auto* tabs = dialog.findChild<QTabWidget*>();
    if (!tabs || tabs->count() == 0) return;
    tabs->setCurrentIndex((tabs->currentIndex() + by + tabs->count()) % tabs->count());
    for (QWidget* control : tabs->currentWidget()->findChildren<QWidget*>()) {
        if (takesKeys(*control, dialog)) return control->setFocus(Qt::TabFocusReason);
    }
}

}  // namespace varn
