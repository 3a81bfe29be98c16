// watchcodedialog.cpp: building the dialog that asks for a game code.
#include "watchcodedialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace varn {

WatchCodeDialog::WatchCodeDialog(Check check, QWidget* parent)
    : QDialog(parent),
      m_check(std::move(check)),
      m_code(new QPlainTextEdit),
      m_problem(new QLabel) {
    setWindowTitle(tr("Watch a game code"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("&Game code:"));
    caption->setBuddy(m_code);
    layout->addWidget(caption);
    m_code->setTabChangesFocus(true);
    m_code->installEventFilter(this);
    m_code->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_code->setWordWrapMode(QTextOption::WrapAnywhere);
    // Four lines of a short code's width, and room for the title: a long code scrolls on in its
    // field.
    const QFontMetrics metrics(m_code->font());
    m_code->setMinimumSize(std::max(metrics.horizontalAdvance(QLatin1Char('m')) * 28,
                                    fontMetrics().horizontalAdvance(windowTitle()) * 3 / 2),
                           metrics.lineSpacing() * 4);
    layout->addWidget(m_code, 1);
    m_problem->setWordWrap(true);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->hide();
    layout->addWidget(m_problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton* watch = buttons->addButton(tr("&Watch"), QDialogButtonBox::AcceptRole);
    QPushButton* review = buttons->addButton(tr("&Review"), QDialogButtonBox::ActionRole);
    watch->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { tryWatch(); });
    connect(review, &QPushButton::clicked, this, [this] { tryWatch(true); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_code->setFocus();
}

// A code holds no line end: Return in its field watches it, as in a one-line field.
bool WatchCodeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_code && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            tryWatch();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString WatchCodeDialog::text() const {
    return m_code->toPlainText();
}

void WatchCodeDialog::tryWatch(bool review) {
    const QString problem = m_check(text());
    m_review = review;
    if (problem.isEmpty()) return accept();
    m_problem->setText(problem);
    m_problem->setAccessibleName(problem);
    m_problem->show();
    m_code->setFocus();
}

}  // namespace varn
