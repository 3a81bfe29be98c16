// actionlistener.h: what hears of each action that changed the game, as the saved game does.
#pragma once

#include "history.h"

namespace varn {

// The kinds of action after which the game is in a new state: the same ones that make, clear or
// walk the history.
enum class GameAction {
    Change,   // a move or a transform; the history has a new entry
    NewGame,  // the history is empty again
    Undo,
    Redo,
};

class ActionListener {
  public:
    virtual ~ActionListener() = default;
    // A top-level action has ended and took the game from `before` to `after`. An action that
    // changed nothing (a beep, an entered score) is never told.
    virtual void actionEnded(GameAction action, const GameState& before,
                             const GameState& after) = 0;
    // The game has now used `hints` hints; a hint changes no state, and an undo keeps the count.
    virtual void hintCounted(int hints) = 0;
    // The challenge in progress was left before its last move, which changes no state either.
    virtual void challengeChanged() {}
};

}  // namespace varn
