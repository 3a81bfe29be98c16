// gamenumberdialog.cpp: showing the game's number and reading another.
#include "gamenumberdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gamenumber.h"

namespace varn {

GameNumberDialog::GameNumberDialog(std::uint32_t current, QWidget* parent)
    : QDialog(parent), m_other(new QLineEdit), m_problem(new QLabel) {
    setWindowTitle(tr("Game number"));
    auto* form = new QFormLayout(this);
    auto* shown = new QLineEdit(QString::number(current));
    shown->setReadOnly(true);
    shown->selectAll();
    form->addRow(tr("&This game"), shown);
    m_other->setMaxLength(20);
    form->addRow(tr("&Other game"), m_other);
    m_problem->setText(
        tr("A game number is a whole number from 1 to %1.").arg(QString::number(kLastGameNumber)));
    m_problem->setWordWrap(true);
    form->addRow(m_problem);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    m_play = buttons->addButton(tr("&Play"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_chosen = parseGameNumber(m_other->text().toStdString());
        if (m_chosen) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_other, &QLineEdit::textChanged, this, &GameNumberDialog::check);
    form->addRow(buttons);
    // Only a button inside its dialog can be its default.
    m_play->setDefault(true);
    check();
    shown->setFocus();
}

// The hint speaks only once something that is no game number stands in the field.
void GameNumberDialog::check() {
    const bool valid = parseGameNumber(m_other->text().toStdString()).has_value();
    m_play->setEnabled(valid);
    m_problem->setVisible(!valid && !m_other->text().isEmpty());
}

}  // namespace varn
