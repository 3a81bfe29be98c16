// windowrelay.cpp: each window operation passed on, or kept while no window is attached.
#include "windowrelay.h"

namespace varn {

std::string WindowRelay::labelText(ScoreLabel label) const {
    if (m_window) return m_window->labelText(label);
    return label == ScoreLabel::Label4 ? m_label4 : m_label8;
}

void WindowRelay::setLabelText(ScoreLabel label, const std::string& text) {
    if (m_window) return m_window->setLabelText(label, text);
    (label == ScoreLabel::Label4 ? m_label4 : m_label8) = text;
}

void WindowRelay::beep() {
    if (m_window) m_window->beep();
}

void WindowRelay::showPattern(int cell, int pattern) {
    if (m_window) m_window->showPattern(cell, pattern);
}

void WindowRelay::setCellVisible(int cell, bool visible) {
    if (m_window) m_window->setCellVisible(cell, visible);
}

void WindowRelay::placeCell(int cell, int left, int top, int width, int height) {
    if (m_window) m_window->placeCell(cell, left, top, width, height);
}

void WindowRelay::repaintCell(int cell) {
    if (m_window) m_window->repaintCell(cell);
}

void WindowRelay::repaintBoard() {
    if (m_window) m_window->repaintBoard();
}

void WindowRelay::setBoardEnabled(bool enabled) {
    if (m_window) return m_window->setBoardEnabled(enabled);
    m_boardEnabled = enabled;
}

bool WindowRelay::boardEnabled() const {
    return m_window ? m_window->boardEnabled() : m_boardEnabled;
}

void WindowRelay::focusBoard() {
    if (m_window) m_window->focusBoard();
}

void WindowRelay::setPointer(Pointer pointer) {
    if (m_window) m_window->setPointer(pointer);
}

void WindowRelay::startTimer() {
    if (m_window) m_window->startTimer();
}

void WindowRelay::stopTimer() {
    if (m_window) m_window->stopTimer();
}

void WindowRelay::doEvents() {
    if (m_window) m_window->doEvents();
}

void WindowRelay::playClip(int clip) {
    if (m_window) m_window->playClip(clip);
}

void WindowRelay::enableHistoryCommands(bool undo, bool redo) {
    if (m_window) m_window->enableHistoryCommands(undo, redo);
}

std::string WindowRelay::askName(const std::string& proposed, int rank, std::int64_t score) {
    return m_window ? m_window->askName(proposed, rank, score) : std::string();
}

void WindowRelay::showChallenge(const std::optional<Challenge>& challenge) {
    if (m_window) m_window->showChallenge(challenge);
}

void WindowRelay::challengeOver(const ChallengeResult& result) {
    if (m_window) m_window->challengeOver(result);
}

}  // namespace varn
