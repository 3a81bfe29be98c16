// scorekeeper.h: the running score, the high score and the button that enters it.
#pragma once

#include <cstdint>
#include <string>

#include "highscorestore.h"
#include "scoreview.h"

namespace varn {

class ScoreKeeper {
  public:
    // The most the 16-digit score label can show. Play stops counting there; a file that holds
    // more is damaged.
    static constexpr std::int64_t kMaxScore = 9'999'999'999'999'999;
    // The longest text the score label is given in play: the design's sixteen digits.
    static constexpr std::size_t kMaxLabelLength = 16;

    // Without a store the high score lives in the label alone, as a search on a copy of the
    // game wants it.
    explicit ScoreKeeper(ScoreView& view, HighScoreStore* store = nullptr);

    // The running score of the current game; it never falls during a game.
    std::int64_t Score() const { return m_score; }
    // The high score as last read from the file (its text) or last written to it.
    const std::string& HiScore() const { return m_hiScore; }

    // A new game: Score 0, shown as "0".
    void resetScore();
    // Held at kMaxScore, whatever the score and the points.
    void addPoints(int points);
    // Shows Score in the score label as plain decimal digits.
    void showScore();
    // An undo or a redo: the score and the text that showed it, as they were then.
    void restoreScore(std::int64_t score, const std::string& label4);

    // Makes sure the file exists, reads the high score from it and shows it.
    void LoadHiScore();
    // The "Enter score" button: stores the running score when it beats both the shown high
    // score and the one in the file, which another game in the same directory may have stored.
    void Command1_Click();

  private:
    void showHighScore(const std::string& line);
    void entryDone(HighScoreStore::Outcome outcome, const std::string& entered,
                   const std::string& line);

    ScoreView& m_view;
    HighScoreStore* m_store;
    std::int64_t m_score = 0;
    std::string m_hiScore;
};

}  // namespace varn
