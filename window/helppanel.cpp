// helppanel.cpp: showing and hiding the help, turning its pages, and where the keys go.
#include "helppanel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

#include "designview.h"
#include "helptext.h"
#include "padglyphs.h"

namespace varn {

HelpPanel::HelpPanel(DesignView& view)
    : m_view(view),
      m_panel(view.control("Picture12")),
      m_text(view.control<QLabel>("Label3")),
      m_ok(view.control("Command5")),
      m_turn(view.control<QPushButton>("Command6")) {}

void HelpPanel::prepare() {
    m_panel->hide();
    m_text->setText(
        QString::fromStdString(helpText()).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    // The help text is set after the window is built, so it is fitted again now.
    m_view.fitTexts();
}

void HelpPanel::show(QWidget* focus) {
    if (m_panel->isHidden()) m_focusBefore = focus;
    showPage(false);
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

void HelpPanel::turnPage() {
    showPage(!onControls());
}

bool HelpPanel::onControls() const {
    return m_controls && !m_controls->isHidden();
}

void HelpPanel::setPadStyle(PadStyle style) {
    if (style == m_style) return;
    m_style = style;
    if (onControls()) writeControls();
}

// Built the first time it is turned to; it lies where the game's text lies, in its font.
void HelpPanel::showPage(bool controls) {
    if (controls && !m_controls) {
        m_controls = new QTextBrowser(m_panel);
        m_controls->setObjectName(QStringLiteral("helpControls"));
        m_controls->setFrameShape(QFrame::NoFrame);
        m_controls->viewport()->setAutoFillBackground(false);
        m_controls->setAutoFillBackground(false);
        m_controls->setOpenLinks(false);
        m_controls->setFocusPolicy(Qt::TabFocus);
        m_text->installEventFilter(this);
    }
    if (m_controls) {
        m_controls->setVisible(controls);
        if (controls) writeControls();
    }
    m_text->setVisible(!controls);
    m_turn->setText(controls ? tr("Back") : QCoreApplication::translate("varn::Form1", "Controls"));
    m_view.fitTexts();
}

bool HelpPanel::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
        event->type() == QEvent::FontChange) {
        if (onControls()) writeControls();
    }
    return false;
}

// From the panel's top margin down to the text's bottom, with the glyphs as tall as a line,
// drawn for the screen's pixel ratio.
void HelpPanel::writeControls() {
    const QRect text = m_text->geometry();
    m_controls->setGeometry(QRect(QPoint(text.left(), text.left()), text.bottomRight()));
    QFont font = m_text->font();
    font.setBold(false);
    m_controls->setFont(font);
    const int height = m_controls->fontMetrics().height();
    const qreal ratio = m_controls->devicePixelRatioF();
    QTextDocument& document = *m_controls->document();
    for (std::size_t button = 0; button < kPadButtonCount; ++button) {
        const QPixmap glyph = padGlyph(PadButton(button), m_style, height, ratio);
        document.addResource(QTextDocument::ImageResource,
                             QUrl(QStringLiteral("glyph:%1").arg(button)), glyph.toImage());
    }
    const int scroll = m_controls->verticalScrollBar()->value();
    m_controls->setHtml(controlsHelp(height));
    m_controls->verticalScrollBar()->setValue(scroll);
}

}  // namespace varn
