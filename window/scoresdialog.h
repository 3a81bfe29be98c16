// scoresdialog.h: the "Scores" dialog: the best games, the statistics and the recent scores, and
// the player's challenges.
#pragma once

#include <QDialog>
#include <cstdint>

#include "challengetable.h"
#include "scoretable.h"

class QPushButton;

namespace varn {

class ScoresTable;

// Shows a table as it was read; it changes nothing. Its table is read row by row, with the
// column titles, by a screen reader, and a row chosen with "Play this game" closes the dialog
// as accepted; "Watch" closes it with kWatched, for a row that kept its actions. Return plays
// the selected row, Escape closes. "Today's challenge", offered while today's is still to be
// played, closes it as accepted too.
class ScoresDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ScoresDialog(const ScoreTable& table, const ChallengeTable& challenges = {},
                          Days today = {}, QWidget* parent = nullptr);

    // What exec() returns when the player chose to watch a row.
    static constexpr int kWatched = 2;

    // The game number of the row played; 0 when none was.
    std::uint32_t chosenGame() const { return m_chosen; }
    // Whether the player chose today's challenge.
    bool challengeChosen() const { return m_challenge; }
    // The actions of the row watched (BestGame::actions).
    const std::string& watchedActions() const { return m_watched; }

  private:
    QWidget* buildBestGames(const ScoreTable& table);
    ScoresTable* buildTable(const std::vector<BestGame>& rows);
    QWidget* buildStatistics(const ScoreStatistics& statistics);
    void play();
    void watch();
    void offerRow();

    ScoresTable* m_table = nullptr;
    QPushButton* m_play = nullptr;
    QPushButton* m_watch = nullptr;
    std::vector<std::uint32_t> m_games;  // the game number of each row
    std::vector<std::string> m_actions;  // the actions of each row
    std::uint32_t m_chosen = 0;
    bool m_challenge = false;
    std::string m_watched;
};

}  // namespace varn
