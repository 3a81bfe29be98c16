// scorekeeper.cpp: keeping, showing and storing the scores.
#include "scorekeeper.h"

#include <iomanip>
#include <sstream>
#include <utility>

#include "numericvalue.h"

namespace varn {

namespace {

// What the file's line shows when it has none worth showing.
constexpr const char* kNoHighScore = "0";

// The label shows the file's line as it stands, but control bytes of a damaged or foreign
// file would only garble it.
std::string printable(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) c = '?';
    }
    return text;
}

std::string wholeNumberText(double value) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(0) << value;
    return text.str();
}

}  // namespace

ScoreKeeper::ScoreKeeper(ScoreView& view, HighScoreFile file)
    : m_view(view), m_file(std::move(file)) {}

void ScoreKeeper::resetScore() {
    m_score = 0;
    m_view.setLabelText(ScoreLabel::Label4, "0");
}

void ScoreKeeper::showScore() {
    m_view.setLabelText(ScoreLabel::Label4, std::to_string(m_score));
}

void ScoreKeeper::restoreScore(std::int64_t score, const std::string& label4) {
    m_score = score;
    m_view.setLabelText(ScoreLabel::Label4, label4);
}

void ScoreKeeper::LoadHiScore() {
    if (!m_file.exists()) m_file.writeLine(kNoHighScore);
    const std::string line = m_file.readFirstLine();
    // A missing, unreadable or empty file still leaves a high score on display.
    m_hiScore = line.empty() ? kNoHighScore : printable(line);
    m_view.setLabelText(ScoreLabel::Label8, m_hiScore);
}

void ScoreKeeper::Command1_Click() {
    const double high = numericValue(m_view.labelText(ScoreLabel::Label8));
    const double current = numericValue(m_view.labelText(ScoreLabel::Label4));
    if (high >= current) {
        m_view.beep();
        return;
    }
    m_view.setLabelText(ScoreLabel::Label8, m_view.labelText(ScoreLabel::Label4));
    m_hiScore = wholeNumberText(current);
    // The score stays on display for this run; the beep tells the player it was not stored.
    if (!m_file.writeLine(m_hiScore)) m_view.beep();
}

}  // namespace varn
