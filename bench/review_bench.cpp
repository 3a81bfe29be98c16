// review_bench.cpp: what the par and the review cost and what they find. Prints the speed of
// the rules' copy, then for each day of a week the par beside greedy play over the challenge's
// moves and the time the par takes, then the time of a review of a 50-move game and the
// accuracy that the review gives greedy play and the par's own game.
//
//   review_bench [--first YYYY-MM-DD] [--days N] [--width W] [--orientations N]
//                [--threads N] [--horizon H] [--review-width W] [--no-review]
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "clicklist.h"
#include "gamereview.h"
#include "headlessgame.h"
#include "parsearch.h"
#include "splitmixsource.h"

namespace varn {
namespace {

using Seconds = std::chrono::duration<double>;

struct Options {
    Days first = Days(std::chrono::year(2027) / 3 / 1);
    int days = 7;
    ParSettings par;
    ReviewSettings review;
    bool reviews = true;
};

double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// A challenge played in the real game, with its high-score file out of the way, and the
// positions it passed between its actions.
class Challenge {
  public:
    Challenge(Days day, const std::string& folder)
        : m_headless(m_random, HighScoreFile(folder + "/Varn_hsc.nrz")) {
        m_headless.window.stopTimer();
        m_headless.game.startChallenge(day);
        positions.push_back(positionOf(m_headless.game.state()));
    }
    Game& game() { return m_headless.game; }
    const UniformSource& random() const { return m_random; }
    bool over() const { return m_headless.game.challenge()->over(); }
    void play(PlayerAction action) {
        m_headless.game.replay({action, {}});
        actions.push_back(action);
        positions.push_back(positionOf(m_headless.game.state()));
    }

    std::vector<Position> positions;
    std::vector<PlayerAction> actions;

  private:
    SplitMixSource m_random{1};
    HeadlessGame m_headless;
};

// The group worth most now, else the first bomb or ladder; -1 when nothing can be removed.
int greedyClick(const BoardTables& tables) {
    const ClickList clicks(tables);
    const Click* best = nullptr;
    for (const Click& click : clicks)
        if (click.size > 0 && (best == nullptr || click.worth() > best->worth())) best = &click;
    if (best == nullptr) return clicks.empty() ? -1 : clicks.begin()->cell;
    return best->cell;
}

void playGreedy(Challenge& challenge) {
    while (!challenge.over()) {
        const int cell = greedyClick(challenge.game().tables());
        if (cell < 0) break;
        challenge.play(PlayerAction::click(cell));
    }
}

void timeCopy(const std::string& folder) {
    Challenge challenge(Days(std::chrono::year(2027) / 1 / 1), folder);
    const Position start = challenge.positions.front();
    const ClickList clicks(challenge.game().tables());
    RulesCopy rules(challenge.random());
    constexpr int kRounds = 20'000;
    const double began = processorSeconds();
    for (int round = 0; round < kRounds; ++round) {
        for (const Click& click : clicks) {
            rules.load(start);
            rules.play(HintAction::Click, click.cell);
        }
    }
    std::printf("moves on the rules' copy: %.0f k/s on one thread\n\n",
                kRounds * clicks.size() / (processorSeconds() - began) / 1e3);
}

struct ParRow {
    std::int64_t greedy = 0;
    ParResult par;
    double seconds = 0;
    double processor = 0;
};

ParRow parOf(Days day, const Options& options, const std::string& folder) {
    ParRow row;
    Challenge greedy(day, folder);
    playGreedy(greedy);
    row.greedy = greedy.game().scores().Score();
    const auto began = std::chrono::steady_clock::now();
    const double processorBegan = processorSeconds();
    row.par = findPar(challengeNumber(day), options.par);
    row.seconds = Seconds(std::chrono::steady_clock::now() - began).count();
    row.processor = processorSeconds() - processorBegan;
    return row;
}

void reviewRow(const char* name, Challenge& game, const Options& options) {
    const auto began = std::chrono::steady_clock::now();
    const GameReview review =
        reviewGame(game.positions, game.actions, game.random(), options.review);
    const double seconds = Seconds(std::chrono::steady_clock::now() - began).count();
    std::printf("%-7s %7zu %6lld %6lld %8.1f %%  %6.2f s  %6.0f k/s\n", name, game.actions.size(),
                static_cast<long long>(review.made), static_cast<long long>(review.missed),
                review.accuracy(), seconds,
                static_cast<double>(review.positionsTried) / seconds / 1e3);
}

void run(const Options& options, const std::string& folder) {
    std::printf(
        "day         number     greedy    par  par/greedy  moves  actions  s    cpu s"
        "  positions  k/s\n");
    double ratios = 0;
    std::int64_t greedyAll = 0;
    std::int64_t parAll = 0;
    double worst = 0;
    for (int i = 0; i < options.days; ++i) {
        const Days day = options.first + std::chrono::days(i);
        const ParRow row = parOf(day, options, folder);
        const double ratio = static_cast<double>(row.par.score) /
                             static_cast<double>(std::max<std::int64_t>(1, row.greedy));
        ratios += ratio;
        greedyAll += row.greedy;
        parAll += row.par.score;
        worst = std::max(worst, row.seconds);
        std::printf("%s  %10u  %6lld  %6lld  %9.2f  %5d  %7zu  %4.2f  %5.2f  %9lld  %4.0f\n",
                    dayText(day).c_str(), challengeNumber(day), static_cast<long long>(row.greedy),
                    static_cast<long long>(row.par.score), ratio, row.par.moves,
                    row.par.actions.size(), row.seconds, row.processor,
                    static_cast<long long>(row.par.positionsTried),
                    static_cast<double>(row.par.positionsTried) / row.seconds / 1e3);
        if (options.reviews && i == 0) {
            std::printf("  review   actions   made missed accuracy     time   positions/s\n");
            Challenge greedy(day, folder);
            playGreedy(greedy);
            reviewRow("greedy", greedy, options);
            Challenge par(day, folder);
            for (PlayerAction action : row.par.actions)
                par.play(action);
            reviewRow("par", par, options);
        }
    }
    std::printf(
        "mean par/greedy %.3f, total par/greedy %.3f, slowest par %.2f s (width %d, "
        "orientations %d, threads %d)\n",
        ratios / options.days, static_cast<double>(parAll) / static_cast<double>(greedyAll), worst,
        options.par.width, options.par.orientations, options.par.threads);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--no-review") {
            options.reviews = false;
            continue;
        }
        const std::string text = i + 1 < argc ? argv[++i] : "";
        const int value = std::atoi(text.c_str());
        if (arg == "--first") options.first = parseDay(text).value_or(options.first);
        if (arg == "--days") options.days = value;
        if (arg == "--width") options.par.width = value;
        if (arg == "--orientations") options.par.orientations = value;
        if (arg == "--threads") options.par.threads = options.review.threads = value;
        if (arg == "--horizon") options.review.horizon = value;
        if (arg == "--review-width") options.review.width = value;
    }
    return options;
}

}  // namespace
}  // namespace varn

int main(int argc, char** argv) {
    const varn::Options options = varn::parse(argc, argv);
    std::string folder = (std::filesystem::temp_directory_path() / "varn-review-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) return 1;
    varn::timeCopy(folder);
    varn::run(options, folder);
    std::filesystem::remove_all(folder);
    return 0;
}
