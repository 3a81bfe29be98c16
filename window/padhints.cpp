// padhints.cpp: following the last input, and putting the glyphs on and off the screens.
#include "padhints.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QMainWindow>
#include <QToolBar>

#include "onscreenkeyboard.h"
#include "padglyphs.h"
#include "padhintline.h"
#include "padmap.h"
#include "padpoller.h"

namespace varn {

namespace {

QString windowText(const char* text) {
    return QCoreApplication::translate("varn::Form1", text);
}

}  // namespace

PadHints::PadHints(QMainWindow& window, PadPoller& poller) : m_window(window), m_poller(poller) {
    qApp->installEventFilter(this);
    connect(&poller, &PadPoller::styleChanged, this, [this] {
        if (m_pad) refresh();
    });
}

PadHints::~PadHints() {
    qApp->removeEventFilter(this);
}

void PadHints::padUsed() {
    setPad(true);
}

// The keys that the game gives itself (PadControl) are not the player's.
bool PadHints::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::TouchBegin:
            if (event->spontaneous()) setPad(false);
            break;
        case QEvent::Show:
        case QEvent::Hide:
            if (!m_pad || !watched->isWidgetType()) break;
            if (watched->objectName() == QLatin1String("watchBar")) {
                refresh();
            } else if (event->type() != QEvent::Show) {
            } else if (auto* dialog = qobject_cast<QDialog*>(watched)) {
                markDialog(*dialog);
            } else if (auto* keyboard = qobject_cast<OnScreenKeyboard*>(watched)) {
                explain(*keyboard);
            }
            break;
        default:
            break;
    }
    return false;
}

void PadHints::setPad(bool pad) {
    if (pad == m_pad) return;
    m_pad = pad;
    refresh();
}

void PadHints::refresh() {
    if (!m_pad) return unmarkAll();
    refreshLine();
    markWatchBar();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            markDialog(*dialog);
    }
    for (PadHintLine* line : m_keyboardLines) {
        if (!line) continue;
        line->setStyle(m_poller.style());
        line->show();
    }
}

// Built at the first press: most players never use a controller. The watch bar has the glyphs
// of its own controls.
void PadHints::refreshLine() {
    if (!m_bar) {
        m_bar = new QToolBar(&m_window);
        m_bar->setObjectName(QStringLiteral("padHints"));
        m_bar->setMovable(false);
        m_bar->setFloatable(false);
        m_bar->toggleViewAction()->setVisible(false);
        m_line = new PadHintLine;
        m_bar->addWidget(m_line);
        m_window.addToolBar(Qt::BottomToolBarArea, m_bar);
    }
    using enum PadButton;
    m_line->setHints({{{A}, tr("Play")},
                      {{X}, windowText("Hint")},
                      {{LeftShoulder, RightShoulder}, tr("Turn")},
                      {{LeftTrigger}, windowText("Mirror")},
                      {{Y}, windowText("Undo")},
                      {{Back}, windowText("Redo")},
                      {{RightTrigger}, windowText("Enter score")},
                      {{Start}, tr("Menu")}});
    m_line->setStyle(m_poller.style());
    m_bar->setVisible(!watchAction(m_window, PadButton::B));
}

void PadHints::markDialog(QWidget& dialog) {
    for (const PadButton button : {PadButton::Start, PadButton::B, PadButton::X, PadButton::Y})
        mark(dialogButton(dialog, button), button);
}

void PadHints::markWatchBar() {
    for (const PadButton button : {PadButton::A, PadButton::X, PadButton::Y, PadButton::B})
        mark(watchAction(m_window, button), button);
    if (auto* bar = m_window.findChild<QToolBar*>(QStringLiteral("watchBar")))
        bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void PadHints::mark(QAbstractButton* button, PadButton glyph) {
    if (!button) return;
    const int height = button->fontMetrics().height();
    button->setIconSize(padGlyphSize(glyph, height).toSize());
    button->setIcon(padGlyphIcon(glyph, m_poller.style()));
    if (std::find(m_buttons.begin(), m_buttons.end(), button) == m_buttons.end())
        m_buttons.emplace_back(button);
}

void PadHints::mark(QAction* action, PadButton glyph) {
    if (!action) return;
    action->setIcon(padGlyphIcon(glyph, m_poller.style()));
    if (std::find(m_actions.begin(), m_actions.end(), action) == m_actions.end())
        m_actions.emplace_back(action);
}

void PadHints::unmarkAll() {
    for (QAbstractButton* button : m_buttons) {
        if (button) button->setIcon(QIcon());
    }
    for (QAction* action : m_actions) {
        if (action) action->setIcon(QIcon());
    }
    m_buttons.clear();
    m_actions.clear();
    if (m_bar) m_bar->hide();
    for (PadHintLine* line : m_keyboardLines) {
        if (line) line->hide();
    }
}

void PadHints::explain(OnScreenKeyboard& keyboard) {
    auto* grid = qobject_cast<QGridLayout*>(keyboard.layout());
    if (!grid || keyboard.findChild<PadHintLine*>()) return;
    auto* line = new PadHintLine(&keyboard);
    const auto keyboardText = [](const char* text) {
        return QCoreApplication::translate("varn::OnScreenKeyboard", text);
    };
    using enum PadButton;
    line->setHints({{{A}, tr("Type")},
                    {{X}, keyboardText("Backspace")},
                    {{Y}, keyboardText("Space")},
                    {{Start}, keyboardText("Done")},
                    {{B}, tr("Close")}});
    line->setStyle(m_poller.style());
    grid->addWidget(line, grid->rowCount(), 0, 1, -1);
    std::erase_if(m_keyboardLines, [](const QPointer<PadHintLine>& kept) { return !kept; });
    m_keyboardLines.emplace_back(line);
}

}  // namespace varn
