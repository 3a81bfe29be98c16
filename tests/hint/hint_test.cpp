// hint_test.cpp: the hint finds the plan that pays on boards made for it, always suggests a
// legal action, leaves the game it was asked about as it was, and answers from its thread.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <random>
#include <set>

#include "boardpicture.h"
#include "clicklist.h"
#include "groupsearch.h"
#include "headlessgame.h"
#include "hintsearch.h"
#include "hintworker.h"
#include "queuedsource.h"
#include "splitmixsource.h"
#include "temporarydirectory.h"

namespace varn {
namespace {

// Deep enough for a plan of three actions, and never short of time: the answer is the same
// on any machine.
const HintSettings kThreeDeep{3, 16, std::chrono::hours(1)};

// Greedy play takes the four 3s. The 4s are worth less now, but the gem above them falls
// between the two others: 3 points, then 30.
const char* const kGems = R"(
    1 2 1 2 1 2 1 2 1 2
    2 1 2 1 2 1 2 1 2 1
    1 2 1 2 1 2 1 2 1 2
    2 1 2 1 2 1 2 1 2 1
    1 2 1 2 1 2 1 2 1 2
    2 1 G 1 2 1 2 1 2 1
    1 2 4 2 1 2 1 2 1 2
    G G 4 4 2 1 2 1 2 1
    3 3 1 2 1 2 1 2 1 2
    3 3 2 1 2 1 2 1 2 1)";

struct Case {
    const char* name;
    std::string picture;
    HintAction action;
    int cell;
    std::vector<int> cells;
    std::int64_t points;
};

class HintCase : public ::testing::TestWithParam<Case> {};

TEST_P(HintCase, FindsTheFirstActionOfTheBestPlan) {
    const Case& c = GetParam();
    const SplitMixSource random(1);
    const Position position{test::boardFromPicture(c.picture).Board, 0, random.state()};
    const Hint hint = findHint(position, random, kThreeDeep);
    EXPECT_EQ(hint, (Hint{c.action, c.cell, c.cells, c.points}));
}

INSTANTIATE_TEST_SUITE_P(
    Boards, HintCase,
    ::testing::Values(
        Case{"GroupThatBringsThreeGemsTogether", kGems, HintAction::Click, 62, {62, 72, 73}, 3},
        // Stuck: the ladder only deals a new top row, and the bomb drops the 3s beside the third.
        Case{"BombThatOpensAStuckBoard",
             test::checkerWith({{8, 'R'}, {64, '3'}, {65, '3'}, {85, 'B'}, {93, '3'}}),
             HintAction::Click,
             85,
             {74, 75, 76, 84, 85, 86, 94, 95, 96},
             0},
        // The gems upside down: mirrored, the 4s fall away under the gem as above.
        Case{"MirrorThatLetsTheGemsFallTogether",
             test::checkerWith({{20, 'G'}, {21, 'G'}, {22, '4'}, {23, '4'}, {32, '4'}, {42, 'G'}}),
             HintAction::Mirror,
             -1,
             {},
             0},
        Case{"NoneOnAStuckBoardWithoutSpecialPieces",
             test::checkerWith({}),
             HintAction::None,
             -1,
             {},
             0}),
    [](const auto& info) { return info.param.name; });

// A list of numbers given in advance that ends after this action: the plan of the gems never
// comes, and the hint takes the most points there are now, without moving the list.
TEST(Hint, TakesTheMostNowWhenTheNumbersRunOut) {
    QueuedSource random{0.5f, 0.5f, 0.5f};
    const Position position{test::boardFromPicture(kGems).Board, 0, random.state()};
    const Hint hint = findHint(position, random, kThreeDeep);
    EXPECT_EQ(hint.cell, 80);
    EXPECT_EQ(random.remaining(), 3u);
}

// Out of time, or stopped, before any plan is finished: the click that ranks best now, after
// trying each action once, as the benchmark's count of actions shows.
TEST(Hint, AnswersAtOnceWhenStoppedOrOutOfTime) {
    const SplitMixSource random(1);
    const Position position{test::boardFromPicture(kGems).Board, 0, random.state()};
    std::stop_source stopped;
    stopped.request_stop();
    for (const auto& [budget, stop] :
         {std::pair(kThreeDeep.budget, stopped.get_token()),
          std::pair(std::chrono::steady_clock::duration(0), std::stop_token())}) {
        HintSearch search(position, random, {10, 1024, budget});
        EXPECT_EQ(search.run(stop).cell, 62);
        EXPECT_EQ(search.widthReached(), 0);
        EXPECT_GT(search.actionsPlayed(), 3) << "each click and transform of the root is counted";
    }
}

// The groups and special pieces as the rules find them, each at its first cell: what the
// hint's own list of clicks must hold, in the order of the board.
std::vector<std::pair<int, int>> clicksByTheRules(BoardTables tables) {
    std::set<std::pair<int, int>> clicks;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const Code code = tables.Board[cell];
        tables.clearMarks();
        const int size = code >= piece::Bomb && code < piece::Gem ? 0 : markGroup(tables, cell);
        int first = 0;
        while (first < cell && !(tables.isMarked(first) && tables.Board[first] == code))
            ++first;
        if (size == 0 || size >= kSmallestGroup) clicks.insert({first, size});
    }
    return {clicks.begin(), clicks.end()};
}

std::vector<std::pair<int, int>> listedClicks(const BoardTables& tables) {
    std::vector<std::pair<int, int>> listed;
    for (const Click& click : ClickList(tables))
        listed.emplace_back(click.cell, click.size);
    return listed;
}

// The cells that showed a picture of their removal, in the order of the board.
std::vector<int> removedCells(const ScriptedWindow& window) {
    std::set<int> removed;
    for (const auto& effect : window.effects())
        removed.insert(effect.cell);
    return {removed.begin(), removed.end()};
}

// Through numbered games, mostly following the hint and now and then clicking anywhere:
// asking never changes the game, the hint sees the clicks the rules allow, and a suggested
// click removes the cells it names and scores the points it names.
TEST(Hint, IsALegalActionAndLeavesTheGameAsItWas) {
    const test::TemporaryDirectory dir;
    for (std::uint32_t number : {3u, 4u}) {
        SplitMixSource random(number);
        HeadlessGame headless(random, HighScoreFile(dir.file(kHighScoreFileName)));
        headless.window.stopTimer();
        headless.window.recordEffects();
        random.chooseNextGame(number);
        headless.game.ng_click();
        std::mt19937 choices(number);
        for (int action = 0; action < 60; ++action) {
            const GameState before = headless.game.state();
            const Hint hint = findHint(positionOf(before), random, {3, 4, std::chrono::hours(1)});
            ASSERT_EQ(headless.game.state(), before);
            ASSERT_EQ(listedClicks(headless.game.tables()),
                      clicksByTheRules(headless.game.tables()));
            headless.window.resetCounters();
            if (action % 4 == 3 || hint.action != HintAction::Click) {
                headless.game.Element_Click(std::uniform_int_distribution(0, 99)(choices));
                continue;
            }
            headless.game.Element_Click(hint.cell);
            ASSERT_EQ(removedCells(headless.window), hint.cells);
            ASSERT_EQ(headless.game.scores().Score() - before.score, hint.points);
        }
    }
}

// A new hint cancels the one in hand, whose answer never comes; so does the worker's end.
TEST(HintWorker, AnswersTheLastHintAskedFor) {
    const HintSettings seconds{12, 4096, std::chrono::hours(1)};
    std::promise<std::pair<std::uint64_t, Hint>> answer;
    std::atomic<int> answers = 0;
    const SplitMixSource random(1);
    const Position position{test::boardFromPicture(kGems).Board, 0, random.state()};
    {
        HintWorker worker([&](std::uint64_t ticket, const Hint& hint) {
            if (answers++ == 0) answer.set_value({ticket, hint});
        });
        worker.start(position, random, seconds);
        const std::uint64_t ticket = worker.start(position, random, kThreeDeep);
        auto future = answer.get_future();
        ASSERT_EQ(future.wait_for(std::chrono::minutes(1)), std::future_status::ready);
        EXPECT_EQ(future.get(), std::pair(ticket, findHint(position, random, kThreeDeep)));
        worker.start(position, random, seconds);
    }
    EXPECT_EQ(answers, 1);
}

}  // namespace
}  // namespace varn
