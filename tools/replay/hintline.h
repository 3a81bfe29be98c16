// hintline.h: the replay driver's answer to `hint`, in the words of the script's commands.
#pragma once

#include <string>

#include "history.h"
#include "uniformsource.h"

namespace varn {

// "hint click I", "hint mirror", "hint left", "hint right" or "hint none": the action that the
// hint suggests for a game at `state` that deals from `random`. The search plays on a copy, so
// the game, its random numbers and its saved file stay as they are; and it has no time budget,
// so that a script's expected output holds on every machine.
std::string hintLine(const GameState& state, const UniformSource& random);

}  // namespace varn
