// gametestbase.cpp: the common set-up of the game tests.
#include "gametestbase.h"

namespace varn::test {

GameTestBase::GameTestBase()
    : m_headless(m_random, HighScoreFile(m_dir.file(kHighScoreFileName))),
      m_window(m_headless.window),
      m_game(m_headless.game) {
    m_window.recordEffects();
    m_window.stopTimer();  // as after the first tick that follows start-up
}

void GameTestBase::setBoard(const std::string& picture) {
    m_game.tables() = boardFromPicture(picture);
    for (int cell = 0; cell < kCellCount; ++cell) {
        m_window.showPattern(cell, m_game.tables().Board[cell]);
        m_window.setCellVisible(cell, true);
    }
}

std::vector<int> GameTestBase::effectCells(int pattern) const {
    std::vector<int> cells;
    for (const auto& effect : m_window.effects()) {
        if (effect.pattern == pattern) cells.push_back(effect.cell);
    }
    return cells;
}

void GameTestBase::click(int cell) {
    m_window.resetCounters();
    m_game.Element_Click(cell);
}

std::string checkerWith(std::initializer_list<std::pair<int, char>> pieces) {
    std::string picture;
    for (char c : std::string(kCheckerBoard)) {
        if (c != '\n') picture += c;
    }
    for (const auto& [cell, symbol] : pieces)
        picture[static_cast<std::size_t>(cell)] = symbol;
    return picture;
}

}  // namespace varn::test
