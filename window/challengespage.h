// challengespage.h: the Scores dialog's page of the player's challenges.
#pragma once

#include <QWidget>

#include "challengetable.h"

namespace varn {

class ScoresTable;

// The best challenges, a row each with its rank, day, score and name, and the streak of days
// in a row up to `today`. It changes nothing.
class ChallengesPage : public QWidget {
    Q_OBJECT

  public:
    ChallengesPage(const ChallengeTable& challenges, Days today, QWidget* parent = nullptr);

    ScoresTable* table() const { return m_table; }

  private:
    ScoresTable* m_table = nullptr;
};

}  // namespace varn
