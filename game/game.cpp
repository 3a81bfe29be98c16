// game.cpp: new game and the three transform buttons.
#include "game.h"

#include <utility>

#include "transforms.h"

namespace varn {

Game::Game(GameWindow& window, UniformSource& random, HighScoreFile scoreFile)
    : m_window(window),
      m_scores(window, std::move(scoreFile)),
      m_dealer(m_tables, window, random),
      m_settler(m_tables, window, m_dealer),
      m_move(m_tables, window, m_scores, m_settler) {}

void Game::ng_click() {
    m_scores.resetScore();
    m_scores.LoadHiScore();
    m_window.setBoardEnabled(false);
    // The marks stay: a settle interrupted by this new game closes them like gaps.
    m_tables.Board.fill(piece::Empty);
    m_dealer.DealBoard();
}

// A transform may run at any moment, inside a move or another transform included: it works
// on the board as it stands, treats every empty cell as a gap and leaves the board settled.
void Game::transformBoard(void (*permute)(BoardTables&)) {
    m_window.setBoardEnabled(false);
    m_window.setPointer(Pointer::Busy);
    m_tables.clearMarks();
    permute(m_tables);
    m_settler.RedrawAndSettle();
    m_window.setBoardEnabled(true);
    m_window.setPointer(Pointer::Custom);
}

void Game::Picture6_Click() {
    transformBoard(MirrorBoard);
}
void Game::Picture7_Click() {
    transformBoard(RotateBoardCounterClockwise);
}
void Game::picture8_click() {
    transformBoard(RotateBoardClockwise);
}

}  // namespace varn
