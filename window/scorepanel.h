// scorepanel.h: the two score labels, as the rules and screen readers read them.
#pragma once

#include <string>

#include "scoreview.h"

class QLabel;

namespace varn {

// The rules read back the exact 8-bit text they set; the labels show it in the code page of
// the game's files, and a screen reader hears which score each number is.
class ScorePanel {
  public:
    ScorePanel(QLabel* score, QLabel* highScore);

    std::string text(ScoreLabel label) const;
    void setText(ScoreLabel label, const std::string& text);

  private:
    QLabel* m_score;      // Label4
    QLabel* m_highScore;  // Label8
    std::string m_scoreText;
    std::string m_highScoreText;
};

}  // namespace varn
