// savedgamefile.h: where the game in progress is kept, and reading it back at start.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "savedgame.h"

namespace varn {

// $XDG_STATE_HOME/varn/game.txt, or ~/.local/state/varn/game.txt.
std::string savedGamePath();

// The game saved at `path`, or nothing when there is none. A file that cannot be read or
// understood costs nothing the player had: it is renamed aside to "<path>.damaged-N" and one
// line on `log` says why and where it went; the result is then nothing too. A file larger than
// any saved game can be is refused without being read.
std::optional<SavedGame> loadSavedGame(const std::string& path, std::ostream& log);

}  // namespace varn
