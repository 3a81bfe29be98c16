// playeraction.h: the one map from the design's handler names to the game's handlers, which
// the window, the headless window and the replay driver all go through.
#pragma once

#include <optional>
#include <string_view>

#include "game.h"

namespace varn {

enum class PlayerAction { Click, Mirror, Left, Right, NewGame, Enter, Undo, Redo };

// Runs the handler of the command; `cell` counts for a click only.
void perform(Game& game, PlayerAction action, int cell = 0);

// The command whose handler the design names, e.g. "Picture6_Click"; none for a handler of the
// window's own.
std::optional<PlayerAction> actionNamed(std::string_view handler);

}  // namespace varn
