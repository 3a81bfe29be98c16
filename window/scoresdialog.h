// scoresdialog.h: the "Scores" dialog: the best games, the statistics and the recent scores, and
// the player's challenges.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "challengetable.h"
#include "scoretable.h"

class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace varn {

class ScoresTable;

// Shows a table as it was read; it changes nothing. Its tables are read row by row, with the
// column titles, by a screen reader, and a row of the page shown chosen with "Play this game"
// closes the dialog as accepted; "Watch" closes it with kWatched, for a row that kept its
// actions. Return plays the selected row, Escape closes. "Today's challenge", offered when
// `challengeOffered`, closes it as accepted too.
class ScoresDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ScoresDialog(const ScoreTable& table, const ChallengeTable& challenges = {},
                          Days today = {}, bool challengeOffered = false,
                          QWidget* parent = nullptr);

    // What exec() returns when the player chose to watch a row, or to review it.
    static constexpr int kWatched = 2;
    static constexpr int kReviewed = 3;

    // The game number of the row played; 0 when none was.
    std::uint32_t chosenGame() const { return m_chosen; }
    // Whether the player chose today's challenge.
    bool challengeChosen() const { return m_challenge; }
    // The actions of the row watched or reviewed (BestGame::actions, or a challenge's code).
    const std::string& watchedActions() const { return m_watched; }

  private:
    // A page's table, and the game and actions of each of its rows.
    struct Page {
        ScoresTable* table = nullptr;
        std::vector<std::uint32_t> games;
        std::vector<std::string> actions;
    };

    QWidget* buildButtons(bool challengeOffered);
    QWidget* buildChallenges(const ChallengeTable& challenges, Days today);
    const Page& shown() const;
    QWidget* buildBestGames(const ScoreTable& table);
    ScoresTable* buildTable(const std::vector<BestGame>& rows);
    QWidget* buildStatistics(const ScoreStatistics& statistics);
    void play();
    // Closes with `result` for the row chosen, when it kept its actions.
    void watch(int result);
    void offerRow();

    QTabWidget* m_tabs = nullptr;
    std::array<Page, 2> m_pages;  // the best games, the challenges
    QPushButton* m_play = nullptr;
    QPushButton* m_watch = nullptr;
    QPushButton* m_review = nullptr;
    std::uint32_t m_chosen = 0;
    bool m_challenge = false;
    std::string m_watched;
};

}  // namespace varn
