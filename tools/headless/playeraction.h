// playeraction.h: the commands a player gives, run through the game's own handlers.
#pragma once

#include "game.h"

namespace varn {

enum class PlayerAction { Click, Mirror, Left, Right, NewGame, Enter, Undo, Redo };

// Runs the handler of the command; `cell` counts for a click only.
void perform(Game& game, PlayerAction action, int cell = 0);

}  // namespace varn
