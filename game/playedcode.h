// playedcode.h: a game's code as its history holds it: the game's number and the actions from
// its deal to where the game stands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "gamecode.h"
#include "history.h"

namespace varn {

// The code of game `number`, which stands at `now` after `history`: none for numbers that were
// given (0), for a history that does not reach back to the deal, or that does not stand at `now`.
std::optional<GameCode> playedCode(std::uint32_t number, const History& history,
                                   const GameState& now);
// `played`, whose actions `history` holds, cut to its last `most` actions at most, from the
// state before them when they are not all; none for a game that has no code, or when what is
// left is past the bounds of a code.
std::optional<Replay> lastActionsOf(std::optional<GameCode> played, const History& history,
                                    std::size_t most);
// The code's text; empty for none, or for one of more than `most` actions.
std::string codeText(const std::optional<GameCode>& played, std::size_t most = SIZE_MAX);

}  // namespace varn
