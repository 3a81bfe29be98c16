// actionname.h: an action of a game as a player reads it in a review.
#pragma once

#include <QString>

#include "hint.h"
#include "playeraction.h"

namespace varn {

// "Row 3, column 4", "Mirror", "Turn left" or "Turn right"; "Nothing" for a hint of none.
QString actionName(PlayerAction action);
QString actionName(const Hint& hint);

}  // namespace varn
