// challengeenddialog.cpp: building the dialog at the end of a challenge.
#include "challengeenddialog.h"

#include <QAccessible>
#include <QClipboard>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace varn {

ChallengeEndDialog::ChallengeEndDialog(const ChallengeResult& result, QWidget* parent)
    : QDialog(parent), m_line(QString::fromStdString(varn::resultLine(result))) {
    const QLocale locale;
    const QDate day = QDate(1970, 1, 1).addDays(result.day.time_since_epoch().count());
    setWindowTitle(tr("Challenge of %1").arg(locale.toString(day, QLocale::ShortFormat)));
    auto* form = new QFormLayout(this);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    const auto addRow = [&](const QString& caption, const QString& value) {
        auto* shown = new QLabel(value);
        // The result line is long: it wraps rather than widen the dialog past its window.
        shown->setWordWrap(true);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A screen reader reads the value as its name and the caption as what it is.
        shown->setAccessibleDescription(caption);
        form->addRow(caption, shown);
    };
    addRow(tr("Score"), locale.toString(qlonglong(result.score)));
    addRow(tr("Rank among your challenges"), locale.toString(result.rank));
    addRow(tr("Result"), m_line);
    m_copied = new QLabel;
    m_copied->setObjectName(QStringLiteral("copied"));
    form->addRow(m_copied);

    // One above the other, the buttons fit the narrowest window.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, Qt::Vertical);
    QPushButton* copyLine = buttons->addButton(tr("Copy result"), QDialogButtonBox::ActionRole);
    QPushButton* copyCode = buttons->addButton(tr("Copy game code"), QDialogButtonBox::ActionRole);
    copyCode->setEnabled(!result.code.empty());
    const QString code = QString::fromStdString(result.code);
    connect(copyLine, &QPushButton::clicked, this,
            [this] { copy(m_line, tr("The result is on the clipboard.")); });
    connect(copyCode, &QPushButton::clicked, this,
            [this, code] { copy(code, tr("The game code is on the clipboard.")); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    copyLine->setDefault(true);
    copyLine->setFocus();
    if (parent) setMaximumWidth(parent->window()->width());
}

// The words stand in the dialog, and a screen reader hears them at once.
void ChallengeEndDialog::copy(const QString& text, const QString& said) {
    QGuiApplication::clipboard()->setText(text);
    m_copied->setText(said);
    m_copied->setAccessibleName(said);
    QAccessibleEvent shown(m_copied, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace varn
