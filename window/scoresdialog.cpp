// scoresdialog.cpp: building the "Scores" dialog from a table of the best games.
#include "scoresdialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "scoreplot.h"

namespace varn {

namespace {

QTableWidgetItem* cellItem(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

QString localDateTime(Seconds time) {
    const auto seconds = time.time_since_epoch().count();
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
}

}  // namespace

ScoresDialog::ScoresDialog(const ScoreTable& table, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Scores"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("&Best games"));
    m_table = buildTable(table.rows());
    caption->setBuddy(m_table);
    layout->addWidget(caption);
    layout->addWidget(m_table, 1);
    layout->addWidget(buildStatistics(table.statistics()));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    m_play = buttons->addButton(tr("&Play this game"), QDialogButtonBox::AcceptRole);
    m_watch = buttons->addButton(tr("&Watch"), QDialogButtonBox::ActionRole);
    m_play->setEnabled(false);
    m_watch->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &ScoresDialog::play);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_watch, &QPushButton::clicked, this, &ScoresDialog::watch);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &ScoresDialog::offerRow);
    connect(m_table, &QTableWidget::itemDoubleClicked, this, &ScoresDialog::play);
    layout->addWidget(buttons);
    // Only a button inside its dialog can be its default.
    m_play->setDefault(true);
    if (!m_games.empty()) m_table->selectRow(0);
    m_table->setFocus();
}

QTableWidget* ScoresDialog::buildTable(const std::vector<BestGame>& rows) {
    const QStringList titles = {tr("Rank"), tr("Name"), tr("Score"),
                                tr("Date"), tr("Game"), tr("Hints")};
    auto* table = new QTableWidget(int(rows.size()), int(titles.size()));
    table->setHorizontalHeaderLabels(titles);
    table->setAccessibleName(tr("Best games"));
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    const QLocale locale;
    const auto right = Qt::AlignRight;
    for (int row = 0; row < int(rows.size()); ++row) {
        const BestGame& best = rows[std::size_t(row)];
        table->setItem(row, 0, cellItem(locale.toString(row + 1), right));
        table->setItem(row, 1, cellItem(QString::fromStdString(best.name)));
        table->setItem(row, 2, cellItem(locale.toString(qlonglong(best.score)), right));
        table->setItem(row, 3, cellItem(localDateTime(best.time)));
        // Plain digits, as the player writes the number back to play the game again; a score
        // made with hints is another feat than one made without.
        table->setItem(row, 4, cellItem(QString::number(best.game), right));
        table->setItem(row, 5, cellItem(locale.toString(best.hints), right));
        m_games.push_back(best.game);
        m_actions.push_back(best.actions);
    }
    table->resizeColumnsToContents();
    // The dialog opens wide enough for every column, and the table scrolls when it is made
    // smaller.
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
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
    const bool selected = !m_table->selectedItems().isEmpty();
    const int row = m_table->currentRow();
    m_play->setEnabled(selected);
    m_watch->setEnabled(selected && row >= 0 && !m_actions[std::size_t(row)].empty());
}

void ScoresDialog::watch() {
    const int row = m_table->currentRow();
    if (row < 0 || m_table->selectedItems().isEmpty()) return;
    m_watched = m_actions[std::size_t(row)];
    done(kWatched);
}

void ScoresDialog::play() {
    const int row = m_table->currentRow();
    if (row < 0 || m_table->selectedItems().isEmpty()) return;
    m_chosen = m_games[std::size_t(row)];
    accept();
}

}  // namespace varn
