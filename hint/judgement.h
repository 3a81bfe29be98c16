// judgement.h: what the par of a challenge and the review of a game answer, and the settings
// of the searches behind them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "hint.h"
#include "playeraction.h"
#include "rulescopy.h"

namespace varn {

// Work done so far of the whole: moves searched for a par, actions judged for a review. May be
// called from a worker's thread, never from two at once, and `done` only grows.
using Progress = std::function<void(int done, int total)>;

// A par is judged by work and not by time, so every machine finds the same par. The work is
// fixed by the width alone; the threads only share it and never change the answer.
struct ParSettings {
    // Plans kept after each move.
    int width = 140;
    // Orientations tried before each click, in the order mirror and quarter turns reach them:
    // 1 (as dealt), 4 (one transform at most) or 8 (all the board's orientations).
    int orientations = 8;
    int threads = 2;
};

struct ParResult {
    std::int64_t score = 0;
    int moves = 0;
    // The top-level actions from the deal, the last of them the last move: the game's code.
    std::vector<PlayerAction> actions;
    // Actions played on the rules' copy: the work, the same on every machine.
    std::int64_t positionsTried = 0;
    // False when a stop came first; the rest is then empty.
    bool finished = false;
    bool operator==(const ParResult&) const = default;
};

struct ReviewSettings {
    // Each position is judged by the best plan of `horizon` actions that the hint's beam finds
    // at this width; the work is fixed by these two alone.
    int horizon = 6;
    int width = 64;
    int threads = 2;
    // A mirror or a turn scores nothing and is no move: the turns before a click and the
    // click are judged as one move, from where the first turn began, so that turns on the
    // way to a good orientation are charged nothing for where they pass. Otherwise each turn
    // uses up an action of the horizon and is judged alone, as a click is.
    bool freeTurns = true;
};

struct ActionReview {
    std::int64_t points = 0;  // what the action scored
    Hint best;                // the search's first action there
    std::int64_t missed = 0;  // points the best plan makes beyond this action's, never below 0
    bool operator==(const ActionReview&) const = default;
};

struct GameReview {
    std::vector<ActionReview> actions;
    // Where the game stood before each action, and after the last: where a player who reads
    // the review goes to see a miss.
    std::vector<Position> positions;
    std::int64_t made = 0;
    std::int64_t missed = 0;
    std::int64_t positionsTried = 0;
    // False when a stop came first; the rest is then empty.
    bool finished = false;
    bool operator==(const GameReview&) const = default;

    // Points made of the points there were to make, in percent; 100 when there were none.
    double accuracy() const {
        return made + missed == 0
                   ? 100.0
                   : 100.0 * static_cast<double>(made) / static_cast<double>(made + missed);
    }
};

}  // namespace varn
