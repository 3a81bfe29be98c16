// game.h: the whole game behind the window: board, scores and the handlers of every command.
#pragma once

#include "boardtables.h"
#include "dealer.h"
#include "gamewindow.h"
#include "move.h"
#include "scorekeeper.h"
#include "settler.h"
#include "uniformsource.h"

namespace varn {

class Game {
  public:
    Game(GameWindow& window, UniformSource& random, HighScoreFile scoreFile = HighScoreFile());
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    BoardTables& tables() { return m_tables; }
    const BoardTables& tables() const { return m_tables; }
    const ScoreKeeper& scores() const { return m_scores; }

    // A click on cell 0..99.
    void Element_Click(int cell) { m_move.Element_Click(cell); }
    // A tick of the falling timer.
    void Timer1_Timer() { m_settler.Timer1_Timer(); }
    // The three picture buttons: mirror, a quarter turn left, a quarter turn right.
    void Picture6_Click();
    void Picture7_Click();
    void picture8_click();
    // "New game": score 0, high score from the file, a whole new board.
    void ng_click();
    // "Enter score".
    void Command1_Click() { m_scores.Command1_Click(); }

  private:
    void transformBoard(void (*permute)(BoardTables&));

    GameWindow& m_window;
    BoardTables m_tables;
    ScoreKeeper m_scores;
    Dealer m_dealer;
    Settler m_settler;
    Move m_move;
};

}  // namespace varn
