// helppanel.cpp: showing and hiding the help, and where the keys go.
#include "helppanel.h"

#include <QLabel>

#include "designview.h"
#include "helptext.h"

namespace varn {

HelpPanel::HelpPanel(DesignView& view)
    : m_view(view),
      m_panel(view.control("Picture12")),
      m_text(view.control<QLabel>("Label3")),
      m_ok(view.control("Command5")) {}

void HelpPanel::prepare() {
    m_panel->hide();
    m_text->setText(
        QString::fromStdString(helpText()).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    // The help text is set after the window is built, so it is fitted again now.
    m_view.fitTexts();
}

void HelpPanel::show(QWidget* focus) {
    if (m_panel->isHidden()) m_focusBefore = focus;
    m_panel->show();
    m_ok->setFocus();
}

void HelpPanel::hide() {
    m_panel->hide();
    if (m_focusBefore) m_focusBefore->setFocus();
}

bool HelpPanel::shown() const {
    return m_panel->isVisible();
}

}  // namespace varn
