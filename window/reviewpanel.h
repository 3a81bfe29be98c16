// reviewpanel.h: the review of a game beside the watch that plays it: its accuracy, its misses
// along the game, the largest of them, and each action with the search's best there.
#pragma once

#include <QDialog>

#include "gamecode.h"
#include "judgement.h"

namespace varn {

class ScoresTable;

// Each action is a row: its number, what was played, its points, the search's best action there
// and the points missed, read row by row by a screen reader. Choosing a row, or one of the
// largest misses, asks to see the game where that action was played (shown()). Closing the
// panel ends the review's watch.
class ReviewPanel : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kLargest = 3;

    ReviewPanel(const GameCode& code, const GameReview& review, QWidget* parent = nullptr);

  signals:
    // The player chose to see action `index`, from 0, before it was played.
    void shown(int index);

  private:
    QWidget* buildLargest(const GameReview& review);

    ScoresTable* m_table;
};

}  // namespace varn
