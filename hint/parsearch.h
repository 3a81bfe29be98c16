// parsearch.h: the par of a challenge: the score that the search makes of a day's game in
// the challenge's moves, and the actions that make it.
#pragma once

#include <cstdint>
#include <stop_token>

#include "judgement.h"
#include "rulescopy.h"

namespace varn {

// The board a challenge of game `number` begins with, as a new game deals it.
Position challengeDeal(std::uint32_t number);

// A beam over the whole challenge: after each move it keeps the `width` plans that scored most,
// judged with a look at what their boards promise, trying each click in each orientation that
// the settings allow. The same number and settings give the same par on every machine.
ParResult findPar(std::uint32_t number, const ParSettings& settings = {}, std::stop_token stop = {},
                  const Progress& progress = {});

}  // namespace varn
