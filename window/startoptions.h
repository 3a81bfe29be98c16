// startoptions.h: what the command line asks of the game, read before any window exists.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "gamecode.h"

namespace varn {

struct StartOptions {
    // The game to start with, from "--game N" or "--game=N"; a fresh number when none.
    std::optional<std::uint32_t> game;
    // A game code to watch once the window is up, from "--watch CODE" or "--watch=CODE".
    std::optional<Replay> watch;
    // One line for stderr when the command line asks for something the game cannot do; the
    // game then starts no window and ends with status 2.
    std::string problem;

    static StartOptions read(int argc, const char* const* argv);
};

}  // namespace varn
