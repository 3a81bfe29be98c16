// reviewpanel.cpp: building the review's panel from a review.
#include "reviewpanel.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "actionname.h"
#include "missplot.h"
#include "scorestable.h"

namespace varn {

ReviewPanel::ReviewPanel(const GameCode& code, const GameReview& review, QWidget* parent)
    : QDialog(parent),
      m_table(new ScoresTable({tr("Action"), tr("Played"), tr("Points"), tr("Best"), tr("Missed")},
                              tr("Actions"), int(review.actions.size()))) {
    setWindowTitle(tr("Review of game %1").arg(code.number));
    const QLocale locale;
    auto* layout = new QVBoxLayout(this);
    auto* accuracy = new QLabel(tr("Accuracy %1 %: %2 points made, %3 missed")
                                    .arg(locale.toString(review.accuracy(), 'f', 0),
                                         locale.toString(qlonglong(review.made)),
                                         locale.toString(qlonglong(review.missed))));
    accuracy->setObjectName(QStringLiteral("accuracy"));
    accuracy->setWordWrap(true);
    accuracy->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(accuracy);
    layout->addWidget(new MissPlot(review));
    layout->addWidget(buildLargest(review));
    m_table->setObjectName(QStringLiteral("reviewedActions"));
    for (std::size_t i = 0; i < review.actions.size(); ++i) {
        const ActionReview& action = review.actions[i];
        m_table->setRow(int(i),
                        {locale.toString(qulonglong(i + 1)), actionName(code.actions[i].action),
                         locale.toString(qlonglong(action.points)), actionName(action.best),
                         locale.toString(qlonglong(action.missed))},
                        {0, 2, 4});
    }
    m_table->fitColumns(1);
    connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row) { emit shown(row); });
    layout->addWidget(m_table, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

// Each of the largest misses goes to its row, which shows it.
QWidget* ReviewPanel::buildLargest(const GameReview& review) {
    auto* box = new QGroupBox(tr("Largest misses"));
    auto* layout = new QVBoxLayout(box);
    std::vector<std::size_t> order(review.actions.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return review.actions[a].missed > review.actions[b].missed;
    });
    const QLocale locale;
    for (std::size_t i = 0; i < order.size() && i < kLargest; ++i) {
        const ActionReview& miss = review.actions[order[i]];
        if (miss.missed == 0) break;
        auto* button = new QPushButton(tr("Action %1: %2 points missed; better: %3")
                                           .arg(locale.toString(qulonglong(order[i] + 1)),
                                                locale.toString(qlonglong(miss.missed)),
                                                actionName(miss.best)));
        const int row = int(order[i]);
        connect(button, &QPushButton::clicked, this, [this, row] {
            m_table->selectRow(row);
            m_table->setFocus();
        });
        layout->addWidget(button);
    }
    if (layout->isEmpty()) layout->addWidget(new QLabel(tr("No action missed a point.")));
    return box;
}

}  // namespace varn
