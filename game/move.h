// move.h: a click on a board cell: a group, a bomb or a ladder is removed and the board settles.
#pragma once

#include "boardtables.h"
#include "gamewindow.h"
#include "scorekeeper.h"
#include "settler.h"

namespace varn {

// The clip that goes with each kind of removal.
inline constexpr int kGroupClip = 1;
inline constexpr int kBombClip = 2;
inline constexpr int kLadderClip = 3;

// A group needs at least this many pieces.
inline constexpr int kSmallestGroup = 3;
// Each piece of a group scores this, and of a group clicked on a gem ten times as much.
inline constexpr int kPointsPerCell = 1;
inline constexpr int kGemPointsPerCell = 10;

class Move {
  public:
    Move(BoardTables& tables, GameWindow& window, ScoreKeeper& scores, Settler& settler);

    void Element_Click(int cell);

  private:
    // Marks the area of a bomb or ladder in `cell` and shows its effect picture; returns the
    // clip to play, or 0 when the cell holds no special piece.
    int markSpecialArea(int cell);
    void markArea(int cell, Code effect);
    void removeSpecialArea(int clip);
    void removeGroup(int cell);
    // Turns the group into money bags one at a time and scores each cell.
    void clearGroup(int clickedCell);

    BoardTables& m_tables;
    GameWindow& m_window;
    ScoreKeeper& m_scores;
    Settler& m_settler;
};

}  // namespace varn
