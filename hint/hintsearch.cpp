// hintsearch.cpp: the beam search over plans, widened while the budget lasts.
#include "hintsearch.h"

#include <algorithm>
#include <numeric>
#include <unordered_set>
#include <utility>

#include "clicklist.h"

namespace varn {

namespace {

constexpr HintAction kTransforms[] = {HintAction::Mirror, HintAction::Left, HintAction::Right};

// Plans that reach the same board with the same numbers still to come go on alike.
std::uint64_t positionKey(const Position& position) {
    std::uint64_t key = 14695981039346656037u ^ position.random.drawn;
    for (Code code : position.board)
        key = (key ^ static_cast<std::uint64_t>(code)) * 1099511628211u;
    return key;
}

}  // namespace

HintSearch::HintSearch(const Position& position, const UniformSource& random, HintSettings settings)
    : m_rules(random), m_root(position), m_settings(settings) {}

Hint HintSearch::run(std::stop_token stop) {
    using Clock = std::chrono::steady_clock;
    m_stop = std::move(stop);
    m_deadline = Clock::now() + m_settings.budget;
    expandRoot();
    if (m_rootPlans.empty()) return {};
    Plan best = *std::max_element(m_rootPlans.begin(), m_rootPlans.end(),
                                  [](const Plan& a, const Plan& b) { return a.rank < b.rank; });
    m_bestPoints = mostPoints(m_rootPlans);
    for (int width = std::clamp(m_settings.firstWidth, 1, std::max(1, m_settings.width));
         width > m_widthReached;) {
        const auto began = Clock::now();
        std::optional<Plan> found = runBeam(width);
        if (!found) break;
        best = *found;
        m_widthReached = width;
        width = nextWidth(width, Clock::now() - began);
    }
    Step first = m_firstSteps[static_cast<std::size_t>(best.first)];
    // A turn that scores nothing in the whole plan is no hint: the best click now is, if any.
    if (first.action != HintAction::Click && best.position.score == m_root.score) {
        const auto click = std::find_if(m_rootPlans.begin(), m_rootPlans.end(), [&](const Plan& p) {
            return m_firstSteps[static_cast<std::size_t>(p.first)].action == HintAction::Click;
        });
        if (click == m_rootPlans.end()) return {};
        first = m_firstSteps[static_cast<std::size_t>(click->first)];
    }
    return describe(first);
}

std::int64_t HintSearch::mostPoints(const std::vector<Plan>& plans) const {
    std::int64_t most = 0;
    for (const Plan& plan : plans)
        most = std::max(most, plan.position.score - m_root.score);
    return most;
}

// A beam's time grows with its width. The next is as wide as the time left allows, and at most
// four times as wide, so that a beam begun without the time to finish it is seldom lost.
int HintSearch::nextWidth(int width, std::chrono::steady_clock::duration took) const {
    using Seconds = std::chrono::duration<double>;
    const auto left = m_deadline - std::chrono::steady_clock::now();
    const double room = Seconds(left) / Seconds(took + std::chrono::microseconds(1));
    const double fits = 0.8 * room * width;
    return static_cast<int>(std::min({4.0 * width, static_cast<double>(m_settings.width), fits}));
}

// With nothing to remove there is no plan: a transform alone changes no group.
void HintSearch::expandRoot() {
    m_rules.load(m_root);
    if (ClickList(m_rules.tables()).empty()) return;
    expand(Plan{m_root, 0, -1, 0, false}, m_rootPlans);
}

std::optional<HintSearch::Plan> HintSearch::runBeam(int width) {
    std::vector<Plan> plans = m_rootPlans;
    keepBest(plans, width);
    for (int depth = 1; depth < m_settings.depth; ++depth) {
        std::vector<Plan> next;
        next.reserve(plans.size() * 24);
        // Each plan plays a few dozen actions at most: the time is checked often enough.
        for (const Plan& plan : plans) {
            if (outOfTime()) return std::nullopt;
            expand(plan, next);
        }
        keepBest(next, width);
        plans.swap(next);
    }
    m_bestPoints = mostPoints(plans);
    return plans.front();
}

// A plan with nothing left to remove stays as it is.
void HintSearch::expand(const Plan& plan, std::vector<Plan>& into) {
    m_rules.load(plan.position);
    const ClickList clicks(m_rules.tables());
    if (clicks.empty()) {
        into.push_back(plan);
        return;
    }
    for (const Click& click : clicks)
        playChild(plan, {HintAction::Click, click.cell}, into);
    if (plan.transformedLast) return;
    for (HintAction transform : kTransforms)
        playChild(plan, {transform, -1}, into);
}

void HintSearch::playChild(const Plan& plan, Step step, std::vector<Plan>& into) {
    int first = plan.first;
    if (first < 0) {
        first = static_cast<int>(m_firstSteps.size());
        m_firstSteps.push_back(step);
    }
    m_rules.load(plan.position);
    ++m_played;
    const bool played = m_rules.play(step.action, step.cell);
    const bool transform = step.action != HintAction::Click;
    Plan child{m_rules.position(), 0, first, plan.transforms + transform, transform};
    // A transform costs an action: of two plans that score alike, the one with fewer wins.
    child.rank = 8 * child.position.score - child.transforms;
    if (played) {
        child.rank += promise(m_rules.tables());
    } else {
        // The line ends where the numbers ran out, on an empty board: its points are all it
        // brings.
        child.position.board.fill(piece::Empty);
    }
    into.push_back(std::move(child));
}

// The best plans first, the earlier one of two that rank alike: clicks come before transforms
// and lower cells before higher ones.
void HintSearch::keepBest(std::vector<Plan>& plans, int width) const {
    std::vector<int> order(plans.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return plans[a].rank > plans[b].rank; });
    std::vector<Plan> kept;
    kept.reserve(static_cast<std::size_t>(width));
    std::unordered_set<std::uint64_t> seen;
    for (int index : order) {
        if (static_cast<int>(kept.size()) == width) break;
        const Plan& plan = plans[index];
        if (!seen.insert(positionKey(plan.position)).second) continue;
        kept.push_back(plan);
    }
    plans.swap(kept);
}

// Beside the points scored, in eighths of a point: a board with many groups, and a good one
// among them, promises more. The points of every group now and of the best one each count 3/8;
// more than that, and the plans hoard groups that they never score.
std::int64_t HintSearch::promise(const BoardTables& tables) {
    std::int64_t all = 0;
    std::int64_t best = 0;
    for (const Click& click : ClickList(tables)) {
        all += click.worth();
        best = std::max<std::int64_t>(best, click.worth());
    }
    return 3 * (all + best);
}

bool HintSearch::outOfTime() {
    if (!m_cut) {
        m_cut = m_stop.stop_requested() || std::chrono::steady_clock::now() >= m_deadline;
    }
    return m_cut;
}

Hint HintSearch::describe(Step first) {
    Hint hint;
    hint.action = first.action;
    if (first.action != HintAction::Click) return hint;
    m_rules.load(m_root);
    hint.cell = first.cell;
    hint.cells = m_rules.removedBy(first.cell);
    hint.points = m_rules.position().score - m_root.score;
    return hint;
}

Hint findHint(const Position& position, const UniformSource& random, const HintSettings& settings,
              std::stop_token stop) {
    return HintSearch(position, random, settings).run(std::move(stop));
}

}  // namespace varn
