// challengespage.cpp: building the page of the challenges from their table.
#include "challengespage.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include "scorestable.h"

namespace varn {

ChallengesPage::ChallengesPage(const ChallengeTable& challenges, Days today, QWidget* parent)
    : QWidget(parent) {
    const std::vector<ChallengeRow> rows = challenges.best();
    m_table = new ScoresTable({tr("Rank"), tr("Date"), tr("Score"), tr("Par"), tr("Name")},
                              tr("Challenges"), int(rows.size()));
    m_table->setObjectName(QStringLiteral("challenges"));
    const QLocale locale;
    for (int row = 0; row < int(rows.size()); ++row) {
        const ChallengeRow& challenge = rows[std::size_t(row)];
        const QDate day = QDate(1970, 1, 1).addDays(challenge.day.time_since_epoch().count());
        // A day whose par was never worked out, before the game had pars, shows none.
        m_table->setRow(row,
                        {locale.toString(row + 1), locale.toString(day, QLocale::ShortFormat),
                         locale.toString(qlonglong(challenge.score)),
                         challenge.par > 0 ? locale.toString(qlonglong(challenge.par)) : "–",
                         QString::fromStdString(challenge.name)},
                        {0, 2, 3});
    }
    m_table->fitColumns(4);
    const int streak = challenges.streak(today);
    auto* streakLabel = new QLabel(tr("Days in a row: %1").arg(locale.toString(streak)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(streakLabel);
}

}  // namespace varn
