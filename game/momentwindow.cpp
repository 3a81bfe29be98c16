// momentwindow.cpp: passing the operations on, and where the moments start.
#include "momentwindow.h"

namespace varn {

void MomentWindow::restart() {
    m_moment = 0;
    m_quiet = false;
}

void MomentWindow::advance() {
    ++m_moment;
    if (m_atMoment) m_atMoment();
}

void MomentWindow::doEvents() {
    if (!m_quiet) advance();
    m_window.doEvents();
    m_quiet = true;
}

void MomentWindow::playClip(int clip) {
    advance();
    m_window.playClip(clip);
    m_quiet = false;
}

void MomentWindow::setLabelText(ScoreLabel label, const std::string& text) {
    m_quiet = false;
    m_window.setLabelText(label, text);
}

void MomentWindow::beep() {
    m_quiet = false;
    m_window.beep();
}

void MomentWindow::showPattern(int cell, int pattern) {
    m_quiet = false;
    m_window.showPattern(cell, pattern);
}

void MomentWindow::setCellVisible(int cell, bool visible) {
    m_quiet = false;
    m_window.setCellVisible(cell, visible);
}

void MomentWindow::placeCell(int cell, int left, int top, int width, int height) {
    m_quiet = false;
    m_window.placeCell(cell, left, top, width, height);
}

void MomentWindow::repaintCell(int cell) {
    m_quiet = false;
    m_window.repaintCell(cell);
}

void MomentWindow::repaintBoard() {
    m_quiet = false;
    m_window.repaintBoard();
}

void MomentWindow::setBoardEnabled(bool enabled) {
    m_quiet = false;
    m_window.setBoardEnabled(enabled);
}

void MomentWindow::focusBoard() {
    m_quiet = false;
    m_window.focusBoard();
}

void MomentWindow::setPointer(Pointer pointer) {
    m_quiet = false;
    m_window.setPointer(pointer);
}

void MomentWindow::startTimer() {
    m_quiet = false;
    m_window.startTimer();
}

void MomentWindow::stopTimer() {
    m_quiet = false;
    m_window.stopTimer();
}

void MomentWindow::enableHistoryCommands(bool undo, bool redo) {
    m_quiet = false;
    m_window.enableHistoryCommands(undo, redo);
}

std::string MomentWindow::askName(const std::string& proposed, int rank, std::int64_t score) {
    m_quiet = false;
    return m_window.askName(proposed, rank, score);
}

void MomentWindow::showChallenge(const std::optional<Challenge>& challenge) {
    m_quiet = false;
    m_window.showChallenge(challenge);
}

void MomentWindow::challengeOver(const ChallengeResult& result) {
    m_quiet = false;
    m_window.challengeOver(result);
}

}  // namespace varn
