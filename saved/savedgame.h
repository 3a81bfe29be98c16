// savedgame.h: a game as its saved file holds it.
#pragma once

#include "history.h"

namespace varn {

// The state on the board and the history behind it. The two usually agree, but a new game's
// history is empty, and a board laid out from outside is no state of the history.
struct SavedGame {
    GameState current;
    History history;
    int hints = 0;  // the hints the game has used, which no undo takes back
};

}  // namespace varn
