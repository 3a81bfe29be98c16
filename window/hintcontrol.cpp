// hintcontrol.cpp: asking, showing and clearing the hint.
#include "hintcontrol.h"

#include "form1.h"
#include "gamesession.h"

namespace varn {

void HintControl::ask() {
    clear();
    if (!m_form.boardEnabled() || m_session.game().challenge()) {
        m_form.beep();
        return;
    }
    m_session.askHint([this](const Hint& hint) { show(hint); });
}

// The keys go where the hint is, so that Space or Return follows it, and a screen reader reads
// what it suggests; the help panel keeps them while it is shown.
void HintControl::show(const Hint& hint) {
    if (hint.action == HintAction::None) {
        m_form.beep();
        return;
    }
    m_session.game().countHint();
    QWidget* button = m_view.show(hint);
    if (button && !m_form.helpShown()) {
        button->setFocus();
    } else {
        m_form.focusBoard();
    }
}

void HintControl::clear() {
    m_session.cancelHint();
    m_view.clear();
}

}  // namespace varn
