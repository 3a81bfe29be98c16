// scorestable.h: a table of scores in the Scores dialog, read row by row by a screen reader.
#pragma once

#include <QStringList>
#include <QTableWidget>

namespace varn {

// Rows chosen whole, one at a time, titled by its columns; as tall as kRows rows, so that a full
// table shows every row without scrolling. Its cells are read, never edited.
class ScoresTable : public QTableWidget {
    Q_OBJECT

  public:
    static constexpr int kRows = 10;

    ScoresTable(const QStringList& titles, const QString& name, int rows,
                QWidget* parent = nullptr);

    // The texts of a row, left to right; the columns in `right` are aligned to the right.
    void setRow(int row, const QStringList& texts, const QList<int>& right);
    // Fits the columns to their texts once the rows are in; column `stretched` takes the rest.
    void fitColumns(int stretched);
};

}  // namespace varn
