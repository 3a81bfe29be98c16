// startoptions.h: what the command line asks of the game, read before any window exists.
#pragma once

#include <cstdint>
#include <functional>
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
    // Today's challenge, game `today`, is no game to start or watch before the player has
    // finished it, which `played` tells: asked only when the command line names it.
    void holdBack(std::uint32_t today, const std::function<bool()>& played);
};

}  // namespace varn
