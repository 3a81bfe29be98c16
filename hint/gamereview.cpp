// gamereview.cpp: two searches for each action, the actions shared out between threads.
#include "gamereview.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <stdexcept>

#include "hintsearch.h"
#include "shares.h"

namespace varn {

namespace {

struct Judged {
    ActionReview review;
    std::int64_t played = 0;
};

// The points of the best plan of `horizon` actions from `position`, and its first action.
struct Best {
    Hint first;
    std::int64_t points = 0;
    std::int64_t played = 0;
};

Best bestPlan(const Position& position, const UniformSource& random, int horizon, int width,
              const std::stop_token& stop) {
    if (horizon <= 0) return {};
    // Never short of time: the width alone decides the work.
    HintSearch search(position, random, {horizon, width, std::chrono::hours(24), width});
    Best best;
    best.first = search.run(stop);
    best.points = search.bestPoints();
    best.played = search.actionsPlayed();
    return best;
}

Judged judge(const Position& before, PlayerAction action, const Position& after,
             const UniformSource& random, const ReviewSettings& settings,
             const std::stop_token& stop) {
    const int left =
        action.isClick() || !settings.freeTurns ? settings.horizon - 1 : settings.horizon;
    const Best here = bestPlan(before, random, settings.horizon, settings.width, stop);
    const Best next = bestPlan(after, random, left, settings.width, stop);
    Judged judged;
    judged.review.points = after.score - before.score;
    judged.review.best = here.first;
    judged.review.missed =
        std::max<std::int64_t>(0, here.points - judged.review.points - next.points);
    judged.played = here.played + next.played;
    return judged;
}

}  // namespace

GameReview reviewGame(const std::vector<Position>& positions,
                      const std::vector<PlayerAction>& actions, const UniformSource& random,
                      const ReviewSettings& settings, std::stop_token stop,
                      const Progress& progress) {
    if (positions.size() != actions.size() + 1)
        throw std::invalid_argument("a review needs one position more than actions");
    const int total = static_cast<int>(actions.size());
    std::vector<Judged> judged(actions.size());
    // Each share takes the next action not yet taken: which share judges which action changes
    // nothing of the verdict.
    std::atomic<int> next = 0;
    std::mutex reporting;
    int done = 0;
    runShares(std::max(1, settings.threads), [&](int) {
        for (int i = next++; i < total && !stop.stop_requested(); i = next++) {
            const auto at = static_cast<std::size_t>(i);
            judged[at] =
                judge(positions[at], actions[at], positions[at + 1], random, settings, stop);
            const std::lock_guard lock(reporting);
            ++done;
            if (progress && !stop.stop_requested()) progress(done, total);
        }
    });
    GameReview review;
    if (stop.stop_requested()) return review;
    for (const Judged& action : judged) {
        review.actions.push_back(action.review);
        review.made += action.review.points;
        review.missed += action.review.missed;
        review.positionsTried += action.played;
    }
    review.finished = true;
    return review;
}

}  // namespace varn
