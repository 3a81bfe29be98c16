// gamenumberdialog.cpp: showing the game's number and reading another.
#include "gamenumberdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gamenumber.h"

namespace varn {

GameNumberDialog::GameNumberDialog(std::uint32_t current, std::uint32_t withheld, QWidget* parent)
    : QDialog(parent), m_other(new QLineEdit), m_problem(new QLabel), m_withheld(withheld) {
    setWindowTitle(tr("Game number"));
    auto* form = new QFormLayout(this);
    auto* shown = new QLineEdit(current ? QString::number(current)
                                        : tr("today's challenge, shown once it is over"));
    shown->setReadOnly(true);
    shown->selectAll();
    form->addRow(tr("&This game"), shown);
    m_other->setMaxLength(20);
    form->addRow(tr("&Other game"), m_other);
    m_problem->setWordWrap(true);
    form->addRow(m_problem);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    m_play = buttons->addButton(tr("&Play"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (!check()) return;
        m_chosen = parseGameNumber(m_other->text().toStdString());
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_other, &QLineEdit::textChanged, this, &GameNumberDialog::check);
    form->addRow(buttons);
    // Only a button inside its dialog can be its default.
    m_play->setDefault(true);
    check();
    shown->setFocus();
}

// The line speaks only once something that cannot be played stands in the field.
bool GameNumberDialog::check() {
    const std::optional<std::uint32_t> number = parseGameNumber(m_other->text().toStdString());
    const bool withheld = number && *number == m_withheld;
    m_problem->setText(withheld ? tr("This is today's challenge. Play it with \"Today's "
                                     "challenge\" in the Game menu.")
                                : tr("A game number is a whole number from 1 to %1.")
                                      .arg(QString::number(kLastGameNumber)));
    m_play->setEnabled(number && !withheld);
    m_problem->setVisible((!number || withheld) && !m_other->text().isEmpty());
    return number && !withheld;
}

}  // namespace varn
