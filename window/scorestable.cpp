// scorestable.cpp: the look and size of the tables of the Scores dialog.
#include "scorestable.h"

#include <QHeaderView>

namespace varn {

ScoresTable::ScoresTable(const QStringList& titles, const QString& name, int rows, QWidget* parent)
    : QTableWidget(rows, int(titles.size()), parent) {
    setHorizontalHeaderLabels(titles);
    setAccessibleName(name);
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
}

void ScoresTable::setRow(int row, const QStringList& texts, const QList<int>& right) {
    for (int column = 0; column < texts.size(); ++column) {
        auto* item = new QTableWidgetItem(texts[column]);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        const Qt::Alignment alignment = right.contains(column) ? Qt::AlignRight : Qt::AlignLeft;
        item->setTextAlignment(alignment | Qt::AlignVCenter);
        setItem(row, column, item);
    }
}

// The dialog opens wide enough for every column, and the table scrolls sideways only when it is
// made narrower; its height holds every row of a full table and the titles.
void ScoresTable::fitColumns(int stretched) {
    resizeColumnsToContents();
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
    const int rowHeight = verticalHeader()->defaultSectionSize();
    setMinimumHeight(horizontalHeader()->sizeHint().height() + kRows * rowHeight +
                     2 * frameWidth());
}

}  // namespace varn
