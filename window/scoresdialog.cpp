// scoresdialog.cpp: building the "Scores" dialog from the tables of the best games and challenges.
#include "scoresdialog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "challengespage.h"
#include "scoreplot.h"
#include "scorestable.h"

namespace varn {

namespace {

QString localDateTime(Seconds time) {
    const auto seconds = time.time_since_epoch().count();
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
}

}  // namespace

ScoresDialog::ScoresDialog(const ScoreTable& table, const ChallengeTable& challenges, Days today,
                           bool challengeOffered, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Scores"));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget;
    m_tabs->addTab(buildBestGames(table), tr("&Best games"));
    m_tabs->addTab(buildChallenges(challenges, today), tr("&Challenges"));
    layout->addWidget(m_tabs, 1);

    QWidget* buttons = buildButtons(challengeOffered);
    for (const Page& page : m_pages) {
        connect(page.table, &QTableWidget::itemSelectionChanged, this, &ScoresDialog::offerRow);
        connect(page.table, &QTableWidget::itemDoubleClicked, this, &ScoresDialog::play);
        if (!page.games.empty()) page.table->selectRow(0);
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &ScoresDialog::offerRow);
    layout->addWidget(buttons);
    // Only a button inside its dialog can be its default.
    m_play->setDefault(true);
    offerRow();
    m_pages[0].table->setFocus();
}

// What the row chosen offers on a line of its own, above the dialog's own buttons: in one line
// they would not fit a small screen.
QWidget* ScoresDialog::buildButtons(bool challengeOffered) {
    auto* rowButtons = new QDialogButtonBox;
    m_play = rowButtons->addButton(tr("&Play this game"), QDialogButtonBox::AcceptRole);
    m_watch = rowButtons->addButton(tr("&Watch"), QDialogButtonBox::ActionRole);
    m_review = rowButtons->addButton(tr("&Review"), QDialogButtonBox::ActionRole);
    connect(rowButtons, &QDialogButtonBox::accepted, this, &ScoresDialog::play);
    connect(m_watch, &QPushButton::clicked, this, [this] { watch(kWatched); });
    connect(m_review, &QPushButton::clicked, this, [this] { watch(kReviewed); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* challenge =
        buttons->addButton(QCoreApplication::translate("varn::Form1", "Today's challenge"),
                           QDialogButtonBox::ActionRole);
    challenge->setEnabled(challengeOffered);
    connect(challenge, &QPushButton::clicked, this, [this] {
        m_challenge = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* both = new QWidget;
    auto* layout = new QVBoxLayout(both);
    layout->setContentsMargins({});
    layout->addWidget(rowButtons);
    layout->addWidget(buttons);
    return both;
}

// Each challenge is played again or watched as its day's game.
QWidget* ScoresDialog::buildChallenges(const ChallengeTable& challenges, Days today) {
    auto* page = new ChallengesPage(challenges, today);
    Page& rows = m_pages[1];
    rows.table = page->table();
    for (const ChallengeRow& row : challenges.best()) {
        rows.games.push_back(challengeNumber(row.day));
        rows.actions.push_back(row.code);
    }
    return page;
}

const ScoresDialog::Page& ScoresDialog::shown() const {
    return m_pages[std::size_t(m_tabs->currentIndex() == 1)];
}

QWidget* ScoresDialog::buildBestGames(const ScoreTable& table) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_pages[0].table = buildTable(table.rows());
    layout->addWidget(m_pages[0].table, 1);
    layout->addWidget(buildStatistics(table.statistics()));
    return page;
}

ScoresTable* ScoresDialog::buildTable(const std::vector<BestGame>& rows) {
    auto* table =
        new ScoresTable({tr("Rank"), tr("Name"), tr("Score"), tr("Date"), tr("Game"), tr("Hints")},
                        tr("Best games"), int(rows.size()));
    table->setObjectName(QStringLiteral("bestGames"));
    const QLocale locale;
    for (int row = 0; row < int(rows.size()); ++row) {
        const BestGame& best = rows[std::size_t(row)];
        // The game in plain digits, as the player writes the number back to play it again; a
        // score made with hints is another feat than one made without.
        table->setRow(row,
                      {locale.toString(row + 1), QString::fromStdString(best.name),
                       locale.toString(qlonglong(best.score)), localDateTime(best.time),
                       QString::number(best.game), locale.toString(best.hints)},
                      {0, 2, 4, 5});
        m_pages[0].games.push_back(best.game);
        m_pages[0].actions.push_back(best.actions);
    }
    table->fitColumns(1);
    return table;
}

QWidget* ScoresDialog::buildStatistics(const ScoreStatistics& statistics) {
    auto* box = new QGroupBox(tr("Statistics"));
    auto* form = new QFormLayout(box);
    const QLocale locale;
    const auto addRow = [&](const QString& caption, const QString& value) {
        auto* shown = new QLabel(value);
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A screen reader reads the value as its name and the caption as what it is.
        shown->setAccessibleDescription(caption);
        form->addRow(caption, shown);
    };
    addRow(tr("Games played"), locale.toString(qulonglong(statistics.played)));
    addRow(tr("Games entered"), locale.toString(qulonglong(statistics.entered)));
    addRow(tr("Best score"), locale.toString(qlonglong(statistics.best)));
    addRow(tr("Average score"), locale.toString(statistics.average(), 'f', 1));
    auto* plot = new ScorePlot(statistics.recent);
    form->addRow(new QLabel(plot->accessibleName()));
    form->addRow(plot);
    return box;
}

void ScoresDialog::offerRow() {
    const Page& page = shown();
    const int row = page.table->currentRow();
    const bool selected = !page.table->selectedItems().isEmpty() && row >= 0;
    m_play->setEnabled(selected);
    m_watch->setEnabled(selected && !page.actions[std::size_t(row)].empty());
    m_review->setEnabled(m_watch->isEnabled());
}

void ScoresDialog::watch(int result) {
    const Page& page = shown();
    const int row = page.table->currentRow();
    if (row < 0 || page.table->selectedItems().isEmpty()) return;
    m_watched = page.actions[std::size_t(row)];
    done(result);
}

void ScoresDialog::play() {
    const Page& page = shown();
    const int row = page.table->currentRow();
    if (row < 0 || page.table->selectedItems().isEmpty()) return;
    m_chosen = page.games[std::size_t(row)];
    accept();
}

}  // namespace varn
