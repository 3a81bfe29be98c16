// gamereview.h: the review of a game: what each action scored against the best plan the hint's
// search finds where it was played, with the pieces that really followed.
#pragma once

#include <stop_token>
#include <vector>

#include "judgement.h"
#include "rulescopy.h"
#include "uniformsource.h"

namespace varn {

// `positions` are those the game passed between its top-level actions, the first before the
// first action and one after each; `random` deals the game (only its numbers matter: each
// position says where in them it stands). With H the horizon and V_h(p) the points of the best
// plan of h actions from p, action i missed
//
//   V_H(p_i) - (score(p_i+1) - score(p_i) + V_H-1(p_i+1)),  never below 0,
//
// With free turns (the default) a mirror or a turn misses nothing of itself: it is no move, and
// the turns before a click make one move with it, whose p_i is where the first of them began.
//
// Throws std::invalid_argument unless there is one position more than actions. A stop answers
// at once with a review that is not finished.
GameReview reviewGame(const std::vector<Position>& positions,
                      const std::vector<PlayerAction>& actions, const UniformSource& random,
                      const ReviewSettings& settings = {}, std::stop_token stop = {},
                      const Progress& progress = {});

}  // namespace varn
