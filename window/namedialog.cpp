// namedialog.cpp: the small dialog that asks a best game's name.
#include "namedialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "scoretable.h"

namespace varn {

NameDialog::NameDialog(const QString& proposed, int rank, std::int64_t score, QWidget* parent)
    : QDialog(parent), m_proposed(proposed), m_name(new QLineEdit(proposed)) {
    setWindowTitle(tr("New best game"));
    auto* form = new QFormLayout(this);
    auto* news = new QLabel(tr("Your score of %1 is number %2 in the table of the best games.")
                                .arg(QLocale().toString(qlonglong(score)))
                                .arg(rank));
    news->setWordWrap(true);
    form->addRow(news);
    m_name->setMaxLength(int(ScoreTable::kMaxNameLength));
    m_name->selectAll();
    form->addRow(tr("Your &name"), m_name);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    form->addRow(buttons);
    m_name->setFocus();
}

QString NameDialog::name() const {
    const QString typed = m_name->text().trimmed();
    return result() == Accepted && !typed.isEmpty() ? typed : m_proposed;
}

}  // namespace varn
