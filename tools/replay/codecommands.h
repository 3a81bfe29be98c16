// codecommands.h: the replay driver's answers to `code`, `watch CODE` and `challenge DAY`, in the
// words of the script's commands.
#pragma once

#include <string>

#include "challenge.h"
#include "game.h"
#include "gamecode.h"
#include "judgement.h"

namespace varn {

// The day that `challenge YYYY-MM-DD` names; throws BadInput for a word that names none.
Days challengeDay(const std::string& word);
// "code: " and the game's code as the last word of the line, or "code: none" for a game that
// has none.
std::string codeLine(const Game& game);
// The code that `watch CODE` names; throws BadInput, saying what is wrong, for a word that is
// none.
GameCode watchedCode(const std::string& word);
// An action as a script writes it, with what ran inside it and the moment of each.
std::string actionText(const RecordedAction& action);
// `review CODE`: a line for each top-level action (its number from 1, the action, its points,
// the search's best action there and the points missed), then the accuracy.
std::string reviewLines(const GameCode& code, const ReviewSettings& settings);
// `par YYYY-MM-DD`: the day's par, its moves, and its game's code as the last word.
std::string parLine(Days day, const ParSettings& settings);

}  // namespace varn
