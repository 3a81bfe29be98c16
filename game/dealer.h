// dealer.h: lays the cells out and deals a random piece into every empty cell.
#pragma once

#include "boardtables.h"
#include "gamewindow.h"
#include "uniformsource.h"

namespace varn {

// Size of a cell in twips: 32 pixels at 15 twips a pixel.
inline constexpr int kCellTwips = 480;

class Dealer {
  public:
    Dealer(BoardTables& tables, GameWindow& window, UniformSource& random);

    // One new piece: an ordinary kind, a joker or, now and then, a special piece. Draws two
    // numbers, a third for a joker and a fourth when the joker turns into a special piece.
    static Code drawPiece(UniformSource& random);

    // Places and redraws all 100 cells, dealing into the empty ones only, shows them all and
    // enables board input.
    void DealBoard();
    // The same without dealing: every cell keeps its piece, an empty one included.
    void LayOutBoard();

  private:
    void layOut(bool deal);

    BoardTables& m_tables;
    GameWindow& m_window;
    UniformSource& m_random;
};

}  // namespace varn
