// namedialog.cpp: the small dialog that asks a best game's name.
#include "namedialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "onscreenkeyboard.h"
#include "scoretable.h"

namespace varn {

namespace {
constexpr int kNamesShown = 4;  // in one row, well inside a handheld's screen
}

NameDialog::NameDialog(const QString& proposed, int rank, std::int64_t score,
                       const QStringList& usedBefore, QWidget* parent)
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
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    auto* names = new QHBoxLayout;
    int shown = 0;
    for (const QString& used : usedBefore) {
        if (used == proposed || shown == kNamesShown) continue;
        auto* choose = new QPushButton(used);
        choose->setAutoDefault(false);
        //: Said of a button that puts a name used before in the name's field.
        choose->setAccessibleDescription(tr("A name used before"));
        connect(choose, &QPushButton::clicked, this, [this, used, ok] {
            m_name->setText(used);
            ok->setFocus();
        });
        names->addWidget(choose);
        ++shown;
    }
    names->addStretch();
    auto* keyboard = new QPushButton(tr("&Keyboard"));
    keyboard->setAutoDefault(false);
    names->addWidget(keyboard);
    form->addRow(shown ? tr("Used before") : QString(), names);
    connect(keyboard, &QPushButton::clicked, this, [this] {
        m_name->selectAll();
        OnScreenKeyboard::openUnder(*m_name);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    form->addRow(buttons);
    m_name->setFocus();
}

QString NameDialog::name() const {
    const QString typed = m_name->text().trimmed();
    return result() == Accepted && !typed.isEmpty() ? typed : m_proposed;
}

}  // namespace varn
