// scorekeeper.cpp: keeping, showing and storing the scores.
#include "scorekeeper.h"

#include <iomanip>
#include <sstream>

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

ScoreKeeper::ScoreKeeper(ScoreView& view, HighScoreStore* store) : m_view(view), m_store(store) {}

void ScoreKeeper::resetScore() {
    m_score = 0;
    m_view.setLabelText(ScoreLabel::Label4, "0");
}

void ScoreKeeper::addPoints(int points) {
    m_score = points > kMaxScore - m_score ? kMaxScore : m_score + points;
}

void ScoreKeeper::showScore() {
    m_view.setLabelText(ScoreLabel::Label4, std::to_string(m_score));
}

void ScoreKeeper::restoreScore(std::int64_t score, const std::string& label4) {
    m_score = score;
    m_view.setLabelText(ScoreLabel::Label4, label4);
}

void ScoreKeeper::LoadHiScore() {
    if (!m_store) return showHighScore(m_hiScore);
    m_store->load([this](const std::string& line) { showHighScore(line); });
}

// A missing, unreadable or empty file still leaves a high score on display.
void ScoreKeeper::showHighScore(const std::string& line) {
    m_hiScore = line.empty() ? kNoHighScore : printable(line);
    m_view.setLabelText(ScoreLabel::Label8, m_hiScore);
}

void ScoreKeeper::Command1_Click() {
    const std::string entered = m_view.labelText(ScoreLabel::Label4);
    const double current = numericValue(entered);
    if (numericValue(m_view.labelText(ScoreLabel::Label8)) >= current) {
        m_view.beep();
        return;
    }
    // Another game in this directory may have stored a better score since this one read the
    // file: the store compares under its lock, and may answer later.
    if (!m_store) return entryDone(HighScoreStore::Outcome::Stored, entered, {});
    m_store->store(current, wholeNumberText(current),
                   [this, entered](HighScoreStore::Outcome outcome, const std::string& line) {
                       entryDone(outcome, entered, line);
                   });
}

void ScoreKeeper::entryDone(HighScoreStore::Outcome outcome, const std::string& entered,
                            const std::string& line) {
    if (outcome == HighScoreStore::Outcome::Beaten) {
        // The player now sees the score that beat theirs, as a new game would show it.
        showHighScore(line);
    } else {
        m_view.setLabelText(ScoreLabel::Label8, entered);
        m_hiScore = wholeNumberText(numericValue(entered));
    }
    // The score stays on display for this run; the beep tells the player it was not stored.
    if (outcome != HighScoreStore::Outcome::Stored) m_view.beep();
}

}  // namespace varn
