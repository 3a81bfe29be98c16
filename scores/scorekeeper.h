// scorekeeper.h: the running score, the high score and the button that enters it.
#pragma once

#include <cstdint>
#include <string>

#include "highscorefile.h"
#include "scoreview.h"

namespace varn {

class ScoreKeeper {
  public:
    ScoreKeeper(ScoreView& view, HighScoreFile file);

    // The running score of the current game; it never falls during a game.
    std::int64_t Score() const { return m_score; }
    // The high score as last read from the file (its text) or last written to it.
    const std::string& HiScore() const { return m_hiScore; }

    // A new game: Score 0, shown as "0".
    void resetScore();
    void addPoints(int points) { m_score += points; }
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
    // Under the lock: refuses the entry, with the beep, when the file already holds a score as
    // good as `current`, and shows that one.
    bool refusedForStored(double current);

    ScoreView& m_view;
    HighScoreFile m_file;
    std::int64_t m_score = 0;
    std::string m_hiScore;
};

}  // namespace varn
