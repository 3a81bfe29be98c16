// hint_bench.cpp: what the hint costs and what it pays. Prints the time per hint at each
// depth of the search, then the points of 100 actions on twenty numbered games played by
// following the hint, by greedy play (the group worth most now) and by random play.
//
//   hint_bench [--depth D] [--width W] [--budget MS] [--games N] [--first NUMBER] [--actions N]
//              [--no-depths]
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "clicklist.h"
#include "headlessgame.h"
#include "hintsearch.h"
#include "splitmixsource.h"

namespace varn {
namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

// The processor time of this thread: on a machine that others share, the wall clock also counts
// the time the thread waited for a processor.
double processorMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

enum class Player { Hinted, Greedy, Random };

struct Options {
    HintSettings settings;
    int games = 20;
    int firstGame = 1;
    int actions = 100;
    bool depths = true;
};

struct Outcome {
    std::int64_t points = 0;
    std::vector<double> hintMs;
    std::vector<double> processorMs;
    std::int64_t widths = 0;
    std::int64_t played = 0;
    int transforms = 0;

    void add(const Outcome& other) {
        points += other.points;
        hintMs.insert(hintMs.end(), other.hintMs.begin(), other.hintMs.end());
        processorMs.insert(processorMs.end(), other.processorMs.begin(), other.processorMs.end());
        widths += other.widths;
        played += other.played;
        transforms += other.transforms;
    }
};

// A game of its own number, with its high-score file out of the way.
class BenchGame {
  public:
    BenchGame(std::uint32_t number, const std::string& folder)
        : m_random(number), m_headless(m_random, HighScoreFile(folder + "/Varn_hsc.nrz")) {
        m_headless.window.stopTimer();
        m_random.chooseNextGame(number);
        m_headless.game.ng_click();
    }
    Game& game() { return m_headless.game; }
    const UniformSource& random() const { return m_random; }

  private:
    SplitMixSource m_random;
    HeadlessGame m_headless;
};

// A group when there is one, else a bomb or ladder; -1 when nothing can be removed.
int pickClick(const BoardTables& tables, Player player, std::mt19937& choices) {
    const ClickList clicks(tables);
    std::vector<Click> groups;
    for (const Click& click : clicks)
        if (click.size > 0) groups.push_back(click);
    if (groups.empty()) return clicks.empty() ? -1 : clicks.begin()->cell;
    if (player == Player::Random) {
        return groups[std::uniform_int_distribution<std::size_t>(0, groups.size() - 1)(choices)]
            .cell;
    }
    return std::max_element(groups.begin(), groups.end(),
                            [](const Click& a, const Click& b) { return a.worth() < b.worth(); })
        ->cell;
}

// One action as the hint suggests it; false when it suggests none.
bool followHint(BenchGame& bench, const HintSettings& settings, Outcome& outcome) {
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = processorMilliseconds();
    HintSearch search(positionOf(bench.game().state()), bench.random(), settings);
    const Hint hint = search.run();
    outcome.hintMs.push_back(Milliseconds(std::chrono::steady_clock::now() - start).count());
    outcome.processorMs.push_back(processorMilliseconds() - processorStart);
    outcome.widths += search.widthReached();
    outcome.played += search.actionsPlayed();
    switch (hint.action) {
        case HintAction::None:
            return false;
        case HintAction::Click:
            bench.game().Element_Click(hint.cell);
            break;
        case HintAction::Mirror:
            ++outcome.transforms;
            bench.game().Picture6_Click();
            break;
        case HintAction::Left:
            ++outcome.transforms;
            bench.game().Picture7_Click();
            break;
        case HintAction::Right:
            ++outcome.transforms;
            bench.game().picture8_click();
            break;
    }
    return true;
}

Outcome play(std::uint32_t number, Player player, const Options& options,
             const std::string& folder) {
    BenchGame bench(number, folder);
    std::mt19937 choices(number);
    Outcome outcome;
    for (int action = 0; action < options.actions; ++action) {
        if (player == Player::Hinted) {
            if (!followHint(bench, options.settings, outcome)) break;
            continue;
        }
        const int cell = pickClick(bench.game().tables(), player, choices);
        if (cell < 0) break;
        bench.game().Element_Click(cell);
    }
    outcome.points = bench.game().scores().Score();
    return outcome;
}

double mean(const std::vector<double>& values) {
    double sum = 0;
    for (double v : values)
        sum += v;
    return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

double maximum(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// What the search's two steps cost alone, in processor time: a move on the rules' copy, loaded
// and played as the search plays each plan, and the list of the clicks of a board.
void timeSteps(const std::string& folder) {
    BenchGame bench(1, folder);
    const Position start = positionOf(bench.game().state());
    const ClickList clicks(bench.game().tables());
    RulesCopy rules(bench.random());
    constexpr int kRounds = 20'000;
    double began = processorMilliseconds();
    for (int round = 0; round < kRounds; ++round) {
        for (const Click& click : clicks) {
            rules.load(start);
            rules.play(HintAction::Click, click.cell);
        }
    }
    const double moves = kRounds * clicks.size() / (processorMilliseconds() - began);
    began = processorMilliseconds();
    volatile int listed = 0;
    for (int round = 0; round < kRounds; ++round)
        listed = listed + ClickList(bench.game().tables()).size();
    const double lists = kRounds / (processorMilliseconds() - began);
    std::printf("moves on the rules' copy: %.0f k/s; click lists: %.0f k/s\n\n", moves, lists);
}

// Twenty hints in each of three games, at one depth.
Outcome hintsAt(int depth, HintSettings settings, const std::string& folder) {
    Options one;
    one.settings = settings;
    one.settings.depth = depth;
    one.actions = 20;
    Outcome all;
    for (std::uint32_t number = 1; number <= 3; ++number)
        all.add(play(number, Player::Hinted, one, folder));
    return all;
}

// What a whole search of each depth costs at a width of 64, without a budget, and how wide a
// search of that depth gets within the budget.
void timeDepths(const Options& options, const std::string& folder) {
    HintSettings unbounded = options.settings;
    unbounded.width = 64;
    unbounded.budget = std::chrono::hours(1);
    std::printf("        width 64, no budget          within the budget of %.0f ms\n",
                Milliseconds(options.settings.budget).count());
    std::printf("depth  mean ms  max ms  max cpu ms   mean ms  max ms  max cpu ms  width\n");
    for (int depth = 1; depth <= options.settings.depth; ++depth) {
        const Outcome whole = hintsAt(depth, unbounded, folder);
        const Outcome budgeted = hintsAt(depth, options.settings, folder);
        std::printf(
            "%5d  %7.2f  %6.2f  %10.2f   %7.2f  %6.2f  %10.2f  %5.0f\n", depth, mean(whole.hintMs),
            maximum(whole.hintMs), maximum(whole.processorMs), mean(budgeted.hintMs),
            maximum(budgeted.hintMs), maximum(budgeted.processorMs),
            static_cast<double>(budgeted.widths) / static_cast<double>(budgeted.hintMs.size()));
    }
}

void printHintCosts(const Outcome& hinted, const HintSettings& settings) {
    const double hints = static_cast<double>(hinted.hintMs.size());
    std::printf(
        "per hint: mean %.2f ms, max %.2f ms (processor: mean %.2f ms, max %.2f ms), mean width "
        "%.1f, %.0f actions played (depth %d, budget %.0f ms)\n",
        mean(hinted.hintMs), maximum(hinted.hintMs), mean(hinted.processorMs),
        maximum(hinted.processorMs), static_cast<double>(hinted.widths) / hints,
        static_cast<double>(hinted.played) / hints, settings.depth,
        Milliseconds(settings.budget).count());
}

void comparePlayers(const Options& options, const std::string& folder) {
    std::printf(
        "\ngame  hinted  greedy  random  turns  (points over %d actions; turns: hinted "
        "transforms)\n",
        options.actions);
    Outcome hinted;
    Outcome greedy;
    Outcome random;
    for (int game = 1; game <= options.games; ++game) {
        const auto number = static_cast<std::uint32_t>(options.firstGame + game - 1);
        const Outcome h = play(number, Player::Hinted, options, folder);
        const Outcome g = play(number, Player::Greedy, options, folder);
        const Outcome r = play(number, Player::Random, options, folder);
        std::printf("%4u  %6lld  %6lld  %6lld  %5d\n", number, static_cast<long long>(h.points),
                    static_cast<long long>(g.points), static_cast<long long>(r.points),
                    h.transforms);
        hinted.add(h);
        greedy.add(g);
        random.add(r);
    }
    const double games = options.games;
    const auto points = [](const Outcome& o) { return static_cast<double>(o.points); };
    std::printf("mean  %6.1f  %6.1f  %6.1f\n", points(hinted) / games, points(greedy) / games,
                points(random) / games);
    std::printf("hinted / greedy = %.3f, greedy / random = %.3f\n", points(hinted) / points(greedy),
                points(greedy) / points(random));
    printHintCosts(hinted, options.settings);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const int value = i + 1 < argc ? std::atoi(argv[i + 1]) : 0;
        if (arg == "--no-depths") {
            options.depths = false;
            continue;
        }
        if (arg == "--depth") options.settings.depth = value;
        if (arg == "--width") options.settings.width = value;
        if (arg == "--budget") options.settings.budget = std::chrono::milliseconds(value);
        if (arg == "--games") options.games = value;
        if (arg == "--first") options.firstGame = value;
        if (arg == "--actions") options.actions = value;
        ++i;
    }
    return options;
}

}  // namespace
}  // namespace varn

int main(int argc, char** argv) {
    const varn::Options options = varn::parse(argc, argv);
    std::string folder = (std::filesystem::temp_directory_path() / "varn-hint-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) return 1;
    if (options.depths) {
        varn::timeSteps(folder);
        varn::timeDepths(options, folder);
    }
    varn::comparePlayers(options, folder);
    std::filesystem::remove_all(folder);
    return 0;
}
