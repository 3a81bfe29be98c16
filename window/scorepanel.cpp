// scorepanel.cpp: the score labels' texts.
#include "scorepanel.h"

#include <QLabel>

#include "codepage1250.h"
#include "scorename.h"

namespace varn {

namespace {

// Labels show the 8-bit text of the Central European code page the game's files use.
QString fromCodePage(const std::string& text) {
    return QString::fromStdU16String(fromCodePage1250(text));
}

}  // namespace

ScorePanel::ScorePanel(QLabel* score, QLabel* highScore) : m_score(score), m_highScore(highScore) {}

std::string ScorePanel::text(ScoreLabel label) const {
    return label == ScoreLabel::Label4 ? m_scoreText : m_highScoreText;
}

void ScorePanel::setText(ScoreLabel label, const std::string& text) {
    const bool score = label == ScoreLabel::Label4;
    (score ? m_scoreText : m_highScoreText) = text;
    QLabel* shown = score ? m_score : m_highScore;
    shown->setText(fromCodePage(text));
    // Read out alone, a number needs to say which score it is.
    shown->setAccessibleName(scoreName(!score, shown->text()));
}

}  // namespace varn
