// scorekeeper.cpp: keeping, showing and storing the scores.
#include "scorekeeper.h"

#include <iomanip>
#include <sstream>
#include <utility>

#include "directorylock.h"
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

// What the label shows of the file's line: a missing, unreadable or empty file still leaves a
// high score on display.
std::string shownLine(const std::string& line) {
    return line.empty() ? kNoHighScore : printable(line);
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
    if (!m_file.exists()) {
        // Another game here may create the file at the same moment and store its score in it.
        const DirectoryLock lock(m_file.path());
        if (!lock.heldElsewhere() && !m_file.exists()) m_file.writeLine(kNoHighScore);
    }
    m_hiScore = shownLine(m_file.readFirstLine());
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
    // file; the lock keeps any other from storing between the reading here and the writing.
    const DirectoryLock lock(m_file.path());
    if (!lock.heldElsewhere() && refusedForStored(current)) return;
    m_view.setLabelText(ScoreLabel::Label8, entered);
    m_hiScore = wholeNumberText(current);
    // The score stays on display for this run; the beep tells the player it was not stored.
    if (lock.heldElsewhere() || !m_file.writeLine(m_hiScore)) m_view.beep();
}

bool ScoreKeeper::refusedForStored(double current) {
    const std::string stored = m_file.readFirstLine();
    if (numericValue(stored) < current) return false;
    // The player now sees the score that beat theirs, as a new game would show it.
    m_hiScore = shownLine(stored);
    m_view.setLabelText(ScoreLabel::Label8, m_hiScore);
    m_view.beep();
    return true;
}

}  // namespace varn
