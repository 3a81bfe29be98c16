// hintsearch.h: the search behind the hint: plans of several actions, played on a copy of the
// rules with the numbers the game will really deal.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "hint.h"
#include "rulescopy.h"

namespace varn {

// A beam search over plans of `depth` actions: at each action it plays every click and
// transform of every plan kept, on the rules' copy, and keeps the `width` plans that scored
// most, judged with a look at what their boards promise. It answers with the first action
// of the best plan, widening the beam while the budget lasts.
class HintSearch {
  public:
    HintSearch(const Position& position, const UniformSource& random, HintSettings settings);

    // Runs until the widest beam is done, the budget is spent or `stop` is asked for; a stop
    // or a spent budget answers with the best plan finished so far. Runs once for each search.
    Hint run(std::stop_token stop = {});

    // The width of the widest beam finished, 0 when none was, and the actions played.
    int widthReached() const { return m_widthReached; }
    std::int64_t actionsPlayed() const { return m_played; }
    // The most points that a plan of the widest beam finished makes; without a beam finished,
    // those of the best action alone.
    std::int64_t bestPoints() const { return m_bestPoints; }

  private:
    struct Step {
        HintAction action;
        int cell;
    };
    struct Plan {
        Position position;
        std::int64_t rank;  // in eighths of a point
        int first;          // the index of its first step in m_firstSteps
        int transforms;
        bool transformedLast;
    };

    int nextWidth(int width, std::chrono::steady_clock::duration took) const;
    void expandRoot();
    std::optional<Plan> runBeam(int width);
    void expand(const Plan& plan, std::vector<Plan>& into);
    void playChild(const Plan& plan, Step step, std::vector<Plan>& into);
    void keepBest(std::vector<Plan>& plans, int width) const;
    std::int64_t mostPoints(const std::vector<Plan>& plans) const;
    static std::int64_t promise(const BoardTables& tables);
    bool outOfTime();
    Hint describe(Step first);

    RulesCopy m_rules;
    Position m_root;
    HintSettings m_settings;
    std::chrono::steady_clock::time_point m_deadline;
    std::stop_token m_stop;
    std::vector<Step> m_firstSteps;
    std::vector<Plan> m_rootPlans;
    int m_widthReached = 0;
    std::int64_t m_played = 0;
    std::int64_t m_bestPoints = 0;
    bool m_cut = false;
};

// The hint for a game that stands at `position` and deals from `random`, which stays as it is.
Hint findHint(const Position& position, const UniformSource& random, const HintSettings& settings,
              std::stop_token stop = {});

}  // namespace varn
