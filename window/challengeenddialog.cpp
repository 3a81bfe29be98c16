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
    : QDialog(parent), m_result(result), m_line(QString::fromStdString(varn::resultLine(result))) {
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
        return shown;
    };
    addRow(tr("Score"), locale.toString(qlonglong(result.score)));
    m_par = addRow(tr("Par"), tr("being worked out…"));
    m_par->setObjectName(QStringLiteral("par"));
    addRow(tr("Rank among your challenges"), locale.toString(result.rank));
    m_shared = addRow(tr("Result"), m_line);
    m_copied = new QLabel;
    m_copied->setObjectName(QStringLiteral("copied"));
    form->addRow(m_copied);
    form->addRow(buildButtons());
    if (result.par > 0) setPar(result.par, {});
    // The window's frame is the desktop's: room is left for it.
    if (parent) setMaximumWidth(parent->window()->width() - 16);
}

// One above the other, the buttons fit the narrowest window.
QDialogButtonBox* ChallengeEndDialog::buildButtons() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, Qt::Vertical);
    QPushButton* copyLine = buttons->addButton(tr("Copy result"), QDialogButtonBox::ActionRole);
    QPushButton* copyCode = buttons->addButton(tr("Copy game code"), QDialogButtonBox::ActionRole);
    QPushButton* review = buttons->addButton(tr("&Review"), QDialogButtonBox::ActionRole);
    m_watchPar = buttons->addButton(tr("Watch &par"), QDialogButtonBox::ActionRole);
    copyCode->setEnabled(!m_result.code.empty());
    review->setEnabled(!m_result.code.empty());
    m_watchPar->setEnabled(false);
    connect(copyLine, &QPushButton::clicked, this,
            [this] { copy(m_line, tr("The result is on the clipboard.")); });
    connect(copyCode, &QPushButton::clicked, this, [this] {
        copy(QString::fromStdString(m_result.code), tr("The game code is on the clipboard."));
    });
    connect(review, &QPushButton::clicked, this, [this] { emit reviewAsked(m_result.code); });
    connect(m_watchPar, &QPushButton::clicked, this, [this] { emit parWatchAsked(m_parCode); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    copyLine->setDefault(true);
    copyLine->setFocus();
    return buttons;
}

// The share of the par joins the result line.
void ChallengeEndDialog::setPar(std::int64_t par, const std::string& code) {
    m_result.par = par;
    if (!code.empty()) m_parCode = code;
    m_line = QString::fromStdString(varn::resultLine(m_result));
    m_shared->setText(m_line);
    m_par->setText(QLocale().toString(qlonglong(par)));
    m_watchPar->setEnabled(!m_parCode.empty());
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
