// helptext.h: the text of the help panel.
#pragma once

#include <string>

namespace varn {

// The welcome line, the rules with our credit in front, and the farewell, joined by carriage
// returns, in the player's language, as UTF-8.
std::string helpText();

}  // namespace varn
