// arrivaltext.h: how the game came to a state, as a word of the saved game's lines.
#pragma once

#include <string>
#include <string_view>

#include "playeraction.h"

namespace varn {

// "@deal " for a deal, '@' with the action's byte and ".M:B" for each action run inside it at
// moment M with byte B, then a blank; nothing when the way is not known (savedformat.h).
std::string arrivalText(const Arrival& arrival);
// Takes that word off the front of `rest` when it is there; a way not known when it is not.
// Throws SavedFormatError for a word that starts as one and is none.
Arrival parseArrival(std::string_view& rest);

}  // namespace varn
