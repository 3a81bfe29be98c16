// parsearch.cpp: the beam over a challenge's moves, its work shared between threads.
#include "parsearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <deque>
#include <functional>
#include <unordered_set>
#include <utility>

#include "challenge.h"
#include "clicklist.h"
#include "shares.h"
#include "splitmixsource.h"

namespace varn {

namespace {

// The transforms that reach each orientation from the one before, fewest first.
struct Turn {
    std::array<HintAction, 3> steps;
    int count;
};
constexpr HintAction M = HintAction::Mirror;
constexpr HintAction L = HintAction::Left;
constexpr HintAction R = HintAction::Right;
constexpr std::array<Turn, 8> kTurns{{
    {{}, 0},
    {{M}, 1},
    {{L}, 1},
    {{R}, 1},
    {{L, L}, 2},
    {{M, L}, 2},
    {{M, R}, 2},
    {{M, L, L}, 3},
}};
// A plan with nothing left to remove goes on as it is.
constexpr std::uint8_t kStay = 0xFF;

// Four words hashed side by side, which the processor multiplies at once.
std::uint64_t positionKey(const Position& position) {
    constexpr std::size_t kWords = sizeof(position.board) / sizeof(std::uint64_t);
    static_assert(kWords * sizeof(std::uint64_t) == sizeof(position.board));
    std::array<std::uint64_t, kWords + 3> words{};
    std::memcpy(words.data(), position.board.data(), sizeof(position.board));
    std::array<std::uint64_t, 4> lanes{position.random.drawn, 1, 2, 3};
    for (std::size_t i = 0; i < kWords; i += 4) {
        for (std::size_t lane = 0; lane < 4; ++lane)
            lanes[lane] = (lanes[lane] ^ words[i + lane]) * 0x9E3779B97F4A7C15u;
    }
    return lanes[0] ^ std::rotl(lanes[1], 16) ^ std::rotl(lanes[2], 32) ^ std::rotl(lanes[3], 48);
}

// Beside the points, in sixteenths of a point, what the board promises: 5/16 of the points of
// its groups, 8/16 of those of the best and 4/16 for each pair of neighbours that would join:
// a board whose pieces lie together makes groups of the pieces still to come. A board holds more
// groups than the moves left can click, and groups hoarded past the last move are worth
// nothing, so only the best groups count, as many as the moves left. More than that, and the
// plans hoard groups that they never score.
std::int64_t promise(const BoardTables& tables, int movesLeft) {
    if (movesLeft == 0) return 0;
    const ClickList clicks(tables);
    std::array<int, kCellCount> worths;
    int count = 0;
    for (const Click& click : clicks)
        worths[static_cast<std::size_t>(count++)] = click.worth();
    std::sort(worths.begin(), worths.begin() + count, std::greater<>());
    std::int64_t all = 0;
    for (int i = 0; i < std::min(count, movesLeft); ++i)
        all += worths[static_cast<std::size_t>(i)];
    return 5 * all + 8 * (count > 0 ? worths[0] : 0) + 4 * clicks.joiningPairs();
}

struct Plan {
    Position position;
    std::int32_t step;  // its last step in the search's list, -1 for none
};

struct Step {
    std::int32_t before;  // the step before, -1 for none
    std::uint8_t turn;
    std::uint8_t cell;
};

struct Child {
    std::int64_t rank;
    std::uint64_t key;
    std::int32_t plan;
    std::uint8_t turn;
    std::uint8_t cell;
};

// Better first; of two alike, the one from the earlier plan, turn and cell, so that the order
// is the same whichever thread found them.
bool before(const Child& a, const Child& b) {
    if (a.rank != b.rank) return a.rank > b.rank;
    if (a.plan != b.plan) return a.plan < b.plan;
    if (a.turn != b.turn) return a.turn < b.turn;
    return a.cell < b.cell;
}

// One thread's copy of the rules and what it found.
class Share {
  public:
    explicit Share(const UniformSource& random) : m_rules(random) {}

    std::vector<Child> children;
    std::int64_t played = 0;

    void expand(const std::vector<Plan>& plans, int index, int orientations, int movesLeft) {
        const Plan& plan = plans[static_cast<std::size_t>(index)];
        m_rules.load(plan.position);
        if (ClickList(m_rules.tables()).empty()) {
            children.push_back(
                {16 * plan.position.score, positionKey(plan.position), index, kStay, 0});
            return;
        }
        for (int turn = 0; turn < orientations; ++turn) {
            const Position turned = orient(plan.position, turn);
            const ClickList clicks(m_rules.tables());
            for (const Click& click : clicks) {
                m_rules.load(turned);
                play(HintAction::Click, click.cell);
                const Position after = m_rules.position();
                children.push_back({16 * after.score + promise(m_rules.tables(), movesLeft),
                                    positionKey(after), index, static_cast<std::uint8_t>(turn),
                                    static_cast<std::uint8_t>(click.cell)});
            }
        }
    }

    // The position a child stands at.
    Position follow(const Position& from, const Child& child) {
        if (child.turn == kStay) return from;
        orient(from, child.turn);
        play(HintAction::Click, child.cell);
        return m_rules.position();
    }

  private:
    // Loads `from` turned to orientation `turn` and returns it.
    Position orient(const Position& from, int turn) {
        m_rules.load(from);
        const Turn& steps = kTurns[static_cast<std::size_t>(turn)];
        for (int i = 0; i < steps.count; ++i)
            play(steps.steps[static_cast<std::size_t>(i)]);
        return steps.count == 0 ? from : m_rules.position();
    }

    void play(HintAction action, int cell = -1) {
        ++played;
        m_rules.play(action, cell);
    }

    RulesCopy m_rules;
};

class ParSearch {
  public:
    ParSearch(std::uint32_t number, const ParSettings& settings)
        : m_random(number), m_settings(settings) {
        m_settings.threads = std::max(1, m_settings.threads);
        m_settings.orientations = std::clamp(m_settings.orientations, 1, 8);
        m_settings.width = std::max(1, m_settings.width);
        for (int i = 0; i < m_settings.threads; ++i)
            m_shares.emplace_back(m_random);
        m_plans.push_back({challengeDeal(number), -1});
    }

    ParResult run(const std::stop_token& stop, const Progress& progress) {
        for (int move = 0; move < kChallengeMoves; ++move) {
            m_move = move;
            if (!expandAll(stop)) return {};
            std::vector<Child> kept = keepBest();
            m_plans = followAll(kept);
            if (progress) progress(move + 1, kChallengeMoves);
        }
        return answer();
    }

  private:
    // False when a stop came first.
    bool expandAll(const std::stop_token& stop) {
        const int count = static_cast<int>(m_plans.size());
        runShares(m_settings.threads, [&](int share) {
            Share& mine = m_shares[static_cast<std::size_t>(share)];
            mine.children.clear();
            for (int index = share; index < count; index += m_settings.threads) {
                if (stop.stop_requested()) return;
                mine.expand(m_plans, index, m_settings.orientations, kChallengeMoves - 1 - m_move);
            }
        });
        return !stop.stop_requested();
    }

    // The best `width` children, one for each position reached.
    std::vector<Child> keepBest() {
        std::vector<Child> all;
        for (Share& share : m_shares)
            all.insert(all.end(), share.children.begin(), share.children.end());
        const auto width = static_cast<std::size_t>(m_settings.width);
        // Most of the children lose; sorting a few times as many as are kept nearly always
        // finds enough different ones among them.
        std::size_t sorted = std::min(all.size(), 4 * width);
        for (;;) {
            std::partial_sort(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(sorted),
                              all.end(), before);
            std::vector<Child> kept;
            kept.reserve(width);
            std::unordered_set<std::uint64_t> seen;
            for (std::size_t i = 0; i < sorted && kept.size() < width; ++i)
                if (seen.insert(all[i].key).second) kept.push_back(all[i]);
            if (kept.size() == width || sorted == all.size()) return kept;
            sorted = all.size();
        }
    }

    std::vector<Plan> followAll(const std::vector<Child>& kept) {
        std::vector<Plan> next(kept.size());
        const int count = static_cast<int>(kept.size());
        runShares(m_settings.threads, [&](int share) {
            Share& mine = m_shares[static_cast<std::size_t>(share)];
            for (int index = share; index < count; index += m_settings.threads) {
                const Child& child = kept[static_cast<std::size_t>(index)];
                const Plan& from = m_plans[static_cast<std::size_t>(child.plan)];
                next[static_cast<std::size_t>(index)].position = mine.follow(from.position, child);
            }
        });
        for (int index = 0; index < count; ++index) {
            const Child& child = kept[static_cast<std::size_t>(index)];
            const Plan& from = m_plans[static_cast<std::size_t>(child.plan)];
            Plan& plan = next[static_cast<std::size_t>(index)];
            plan.step = from.step;
            if (child.turn == kStay) continue;
            plan.step = static_cast<std::int32_t>(m_steps.size());
            m_steps.push_back({from.step, child.turn, child.cell});
        }
        return next;
    }

    ParResult answer() const {
        const auto best = std::max_element(
            m_plans.begin(), m_plans.end(),
            [](const Plan& a, const Plan& b) { return a.position.score < b.position.score; });
        ParResult result;
        result.score = best->position.score;
        result.finished = true;
        std::vector<Step> steps;
        for (std::int32_t at = best->step; at >= 0;
             at = m_steps[static_cast<std::size_t>(at)].before)
            steps.push_back(m_steps[static_cast<std::size_t>(at)]);
        std::reverse(steps.begin(), steps.end());
        for (const Step& step : steps) {
            const Turn& turn = kTurns[step.turn];
            for (int i = 0; i < turn.count; ++i)
                result.actions.push_back(actionOf(turn.steps[static_cast<std::size_t>(i)]));
            result.actions.push_back(PlayerAction::click(step.cell));
        }
        result.moves = static_cast<int>(steps.size());
        for (const Share& share : m_shares)
            result.positionsTried += share.played;
        return result;
    }

    static PlayerAction actionOf(HintAction transform) {
        switch (transform) {
            case HintAction::Mirror:
                return {PlayerAction::kMirror};
            case HintAction::Left:
                return {PlayerAction::kLeft};
            default:
                return {PlayerAction::kRight};
        }
    }

    SplitMixSource m_random;
    ParSettings m_settings;
    int m_move = 0;
    std::deque<Share> m_shares;  // a copy of the rules never moves
    std::vector<Plan> m_plans;
    std::vector<Step> m_steps;
};

}  // namespace

Position challengeDeal(std::uint32_t number) {
    SplitMixSource random(number);
    random.chooseNextGame(number);
    random.newGame();
    BoardTables tables;
    tables.Board.fill(piece::Empty);
    SilentWindow window;
    Dealer(tables, window, random).DealBoard();
    return {tables.Board, 0, random.state()};
}

ParResult findPar(std::uint32_t number, const ParSettings& settings, std::stop_token stop,
                  const Progress& progress) {
    return ParSearch(number, settings).run(stop, progress);
}

}  // namespace varn
