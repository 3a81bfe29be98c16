// challengeenddialog.cpp: building the dialog at the end of a challenge.
#include "challengeenddialog.h"

#include <QClipboard>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace varn {

ChallengeEndDialog::ChallengeEndDialog(const ChallengeResult& result, std::uint32_t game,
                                       QWidget* parent)
    : QDialog(parent), m_line(QString::fromStdString(varn::resultLine(result, game))) {
    const QLocale locale;
    const QDate day = QDate(1970, 1, 1).addDays(result.day.time_since_epoch().count());
    setWindowTitle(tr("Challenge of %1").arg(locale.toString(day, QLocale::ShortFormat)));
    auto* form = new QFormLayout(this);
    const auto addRow = [&](const QString& caption, const QString& value) {
        auto* shown = new QLabel(value);
        // The result line is long: it wraps rather than widen the dialog past a small screen.
        shown->setWordWrap(true);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A screen reader reads the value as its name and the caption as what it is.
        shown->setAccessibleDescription(caption);
        form->addRow(caption, shown);
    };
    addRow(tr("Score"), locale.toString(qlonglong(result.score)));
    addRow(tr("Rank among your challenges"), locale.toString(result.rank));
    addRow(tr("Result"), m_line);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* copy = buttons->addButton(tr("Copy result"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_line); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    copy->setDefault(true);
    copy->setFocus();
}

}  // namespace varn
