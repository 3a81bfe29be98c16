// scriptedwindow.cpp: the recording stand-in for the window.
#include "scriptedwindow.h"

#include <stdexcept>

namespace varn {

ScriptedWindow::ScriptedWindow() {
    m_clips.reserve(16);
}

void ScriptedWindow::resetCounters() {
    m_ticks = 0;
    m_beeps = 0;
    m_eventCalls = 0;
    m_focusCount = 0;
    m_clips.clear();
    m_effects.clear();
}

void ScriptedWindow::setBoardPosition(int left, int top) {
    m_boardLeft = left;
    m_boardTop = top;
}

std::string ScriptedWindow::labelText(ScoreLabel label) const {
    return label == ScoreLabel::Label4 ? m_label4 : m_label8;
}

void ScriptedWindow::setLabelText(ScoreLabel label, const std::string& text) {
    (label == ScoreLabel::Label4 ? m_label4 : m_label8) = text;
}

void ScriptedWindow::showPattern(int cell, int pattern) {
    if (!isPatternIndex(pattern)) refusePicture(pattern);
    m_patterns.at(cell) = pattern;
    if (m_recordEffects && !isBoardCode(pattern)) recordEffect(cell, pattern);
}

void ScriptedWindow::recordEffect(int cell, int pattern) {
    m_effects.push_back({cell, pattern});
}

void ScriptedWindow::refusePicture(int pattern) {
    throw std::out_of_range("there is no picture " + std::to_string(pattern));
}

void ScriptedWindow::placeCell(int cell, int left, int top, int width, int height) {
    m_placements.at(cell) = {left, top, width, height};
}

void ScriptedWindow::doEvents() {
    const int call = ++m_eventCalls;
    if (m_hook) m_hook(call);
    if (m_timerRunning) {
        ++m_ticks;
        if (m_tick) {
            m_tick();
        } else {
            m_timerRunning = false;
        }
    }
}

void ScriptedWindow::playClip(int clip) {
    doEvents();
    m_clips.push_back(clip);
}

void ScriptedWindow::enableHistoryCommands(bool undo, bool redo) {
    m_undoOffered = undo;
    m_redoOffered = redo;
}

}  // namespace varn
