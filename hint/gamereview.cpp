// gamereview.cpp: the searches that judge a game's actions, each made once and shared out
// between threads.
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

// The best plan of `horizon` actions from position `at` of the game: its points and its first
// action, and the actions it played to find them.
struct Search {
    std::size_t at;
    int horizon;
    Hint first;
    std::int64_t points = 0;
    std::int64_t played = 0;
    std::vector<std::size_t> judging;  // the actions that wait for it
};

void run(Search& search, const std::vector<Position>& positions, const UniformSource& random,
         int width, const std::stop_token& stop) {
    // Never short of time: the width alone decides the work.
    HintSearch hint(positions[search.at], random,
                    {search.horizon, width, std::chrono::hours(24), width});
    search.first = hint.run(stop);
    search.points = hint.bestPoints();
    search.played = hint.actionsPlayed();
}

// What each action needs. A free turn misses nothing of itself: the turns before a click and
// the click are one move, judged against the best plan from where the first of them began,
// so that turns on the way to a good orientation are never charged for where they pass.
class Plans {
  public:
    Plans(const std::vector<PlayerAction>& actions, const ReviewSettings& settings) {
        const int horizon = settings.horizon;
        const auto free = [&](std::size_t i) {
            return settings.freeTurns && !actions[i].isClick();
        };
        std::size_t moveBegan = 0;
        for (std::size_t i = 0; i < actions.size(); ++i) {
            if (i == 0 || !free(i - 1)) moveBegan = i;
            shown.push_back(find(i, horizon, i));
            from.push_back(free(i) ? kNone : find(moveBegan, horizon, i));
            after.push_back(free(i) || horizon <= 1 ? kNone : find(i + 1, horizon - 1, i));
        }
    }

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<Search> searches;    // in the order of the game
    std::vector<std::size_t> shown;  // the best plan where the action was played
    std::vector<std::size_t> from;   // the best plan from where its move began
    std::vector<std::size_t> after;  // the best plan after it, one action shorter

  private:
    // The search from position `at` over `horizon` actions, made once; `action` waits for it.
    std::size_t find(std::size_t at, int horizon, std::size_t action) {
        std::size_t index = searches.size();
        for (std::size_t s = searches.size(); s-- > 0 && searches[s].at >= at;)
            if (searches[s].at == at && searches[s].horizon == horizon) index = s;
        if (index == searches.size()) searches.push_back({at, horizon, {}, 0, 0, {}});
        std::vector<std::size_t>& judging = searches[index].judging;
        if (std::find(judging.begin(), judging.end(), action) == judging.end())
            judging.push_back(action);
        return index;
    }
};

}  // namespace

namespace {

// Runs every search of `plans`; `progress` hears of each action once all its searches are done.
void runSearches(Plans& plans, std::size_t actions, const std::vector<Position>& positions,
                 const UniformSource& random, const ReviewSettings& settings,
                 const std::stop_token& stop, const Progress& progress) {
    std::vector<int> waiting(actions, 0);
    for (const Search& search : plans.searches)
        for (std::size_t action : search.judging)
            ++waiting[action];
    // Each share takes the next search not yet taken: which share makes which search changes
    // nothing of the verdict.
    std::atomic<std::size_t> next = 0;
    std::mutex reporting;
    int judged = 0;
    const int total = static_cast<int>(actions);
    runShares(std::max(1, settings.threads), [&](int) {
        for (std::size_t s = next++; s < plans.searches.size() && !stop.stop_requested();
             s = next++) {
            Search& search = plans.searches[s];
            run(search, positions, random, settings.width, stop);
            const std::lock_guard lock(reporting);
            const int before = judged;
            for (std::size_t action : search.judging)
                judged += --waiting[action] == 0;
            if (progress && judged > before && !stop.stop_requested()) progress(judged, total);
        }
    });
}

// Action `i` weighed against the searches' plans.
ActionReview judge(const Plans& plans, const std::vector<Position>& positions, std::size_t i) {
    const auto points = [&](std::size_t search) {
        return search == Plans::kNone ? 0 : plans.searches[search].points;
    };
    ActionReview judgement;
    judgement.points = positions[i + 1].score - positions[i].score;
    judgement.best = plans.searches[plans.shown[i]].first;
    if (plans.from[i] != Plans::kNone) {
        judgement.missed = std::max<std::int64_t>(
            0, points(plans.from[i]) - judgement.points - points(plans.after[i]));
    }
    return judgement;
}

}  // namespace

GameReview reviewGame(const std::vector<Position>& positions,
                      const std::vector<PlayerAction>& actions, const UniformSource& random,
                      const ReviewSettings& settings, std::stop_token stop,
                      const Progress& progress) {
    if (positions.size() != actions.size() + 1)
        throw std::invalid_argument("a review needs one position more than actions");
    Plans plans(actions, settings);
    runSearches(plans, actions.size(), positions, random, settings, stop, progress);
    GameReview review;
    if (stop.stop_requested()) return review;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        review.actions.push_back(judge(plans, positions, i));
        review.made += review.actions.back().points;
        review.missed += review.actions.back().missed;
    }
    for (const Search& search : plans.searches)
        review.positionsTried += search.played;
    review.positions = positions;
    review.finished = true;
    return review;
}

}  // namespace varn
