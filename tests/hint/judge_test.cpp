// judge_test.cpp: the review charges a move with the points that the best plan makes beyond
// it, the par's actions replay to the par in the real game, and the worker answers the last job.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <future>
#include <tuple>

#include "boardpicture.h"
#include "constantsource.h"
#include "gamereview.h"
#include "headlessgame.h"
#include "judgeworker.h"
#include "parsearch.h"
#include "splitmixsource.h"
#include "temporarydirectory.h"

namespace varn {
namespace {

// Plans of three actions, narrow: each search is a few thousand actions on the rules' copy.
const ReviewSettings kReview{3, 16, 2};
// The par's beam at a width that a test can afford, with both threads.
const ParSettings kNarrowPar{4, 4, 2};

Days day(int year, unsigned month, unsigned dayOfMonth) {
    return Days(std::chrono::year(year) / month / dayOfMonth);
}

struct ReviewCase {
    const char* name;
    int cell;
    std::int64_t points;
    std::int64_t missed;
};

// Two gems and a joker make 30 points clicked together; the joker joins the 2s beside them
// too, and the bomb below would blow the gems away. Each column holds two kinds that no column
// beside it holds, so no fall makes a group of them. Every new piece is a 0: whatever goes
// comes back as a block of 0s at the top. The best three actions are the gems, the bomb and
// the 0s it brings, which join those that the gems brought: 30 + 0 + 9.
const char* const kGemsBesideABomb = R"(
    1 3 1 3 1 3 1 3 1 3
    2 4 2 4 2 4 2 4 2 4
    1 3 1 3 1 3 1 3 1 3
    2 4 2 4 2 4 2 4 2 4
    1 3 1 3 1 3 1 3 1 3
    2 4 2 4 2 4 2 4 2 4
    1 3 4 3 1 3 1 3 1 3
    G G J 2 2 4 2 4 2 4
    B 3 0 3 1 3 1 3 1 3
    2 4 2 4 2 4 2 4 2 4)";

class ReviewOfAMove : public ::testing::TestWithParam<ReviewCase> {};

TEST_P(ReviewOfAMove, MissesWhatTheBestPlanMakesBeyondIt) {
    const ReviewCase& c = GetParam();
    const test::ConstantSource zeros;
    const Position before{test::boardFromPicture(kGemsBesideABomb).Board, 0, zeros.state()};
    RulesCopy rules(zeros);
    rules.load(before);
    rules.play(HintAction::Click, c.cell);
    const GameReview review =
        reviewGame({before, rules.position()}, {PlayerAction::click(c.cell)}, zeros, kReview);
    ASSERT_TRUE(review.finished);
    EXPECT_EQ(review.actions.at(0).points, c.points);
    EXPECT_EQ(review.actions.at(0).missed, c.missed);
    EXPECT_EQ(review.actions.at(0).best.cell, 70) << "the gems";
}

INSTANTIATE_TEST_SUITE_P(
    Moves, ReviewOfAMove,
    ::testing::Values(ReviewCase{"TheBestMoveMissesNothing", 70, 30, 0},
                      // The 0s then, 6 from the bomb and 3 from the 2s: 39 - (3 + 9).
                      ReviewCase{"BreakingTheGemsGroupMissesItsPoints", 73, 3, 27},
                      // Two blocks of six 0s then: 39 - (0 + 12).
                      ReviewCase{"ABombThatBlowsTheGemsAwayMissesThem", 80, 0, 27}),
    [](const auto& info) { return info.param.name; });

// The turns before a click are one move with it, judged from where the first turn began: a
// detour that comes back costs nothing, and the 2s clicked upside down (the bomb's 0s then join
// theirs and the 0 that fell beside them: 10) miss 39 - (3 + 10), judged as the board stood
// before the mirror, though upside down three actions make 40.
TEST(Review, JudgesTheTurnsBeforeAClickWithIt) {
    const test::ConstantSource zeros;
    RulesCopy rules(zeros);
    const PlayerAction mirror{PlayerAction::kMirror}, left{PlayerAction::kLeft},
        right{PlayerAction::kRight};
    for (const auto& [actions, missed] :
         {std::pair(std::vector{left, right, PlayerAction::click(70)}, std::vector<int>{0, 0, 0}),
          std::pair(std::vector{mirror, PlayerAction::click(23)}, std::vector<int>{0, 26})}) {
        std::vector<Position> positions{{test::boardFromPicture(kGemsBesideABomb).Board, 0, {}}};
        for (PlayerAction action : actions) {
            rules.load(positions.back());
            const HintAction hint[] = {HintAction::Mirror, HintAction::Left, HintAction::Right};
            rules.play(action.isClick() ? HintAction::Click : hint[action.code - mirror.code],
                       action.code);
            positions.push_back(rules.position());
        }
        std::vector<int> judged;
        for (const ActionReview& review : reviewGame(positions, actions, zeros, kReview).actions)
            judged.push_back(static_cast<int>(review.missed));
        EXPECT_EQ(judged, missed);
    }
}

// The par's game, played in the real game from the challenge's own deal, ends at the par,
// which is pinned at the narrow width; so does a watch of its game code.
TEST(Par, ReplaysInTheRealGameToItsScore) {
    const test::TemporaryDirectory dir;
    const Days today = day(2026, 3, 14);
    const ParResult par = findPar(challengeNumber(today), kNarrowPar);
    GameCode code{challengeNumber(today), {}};
    for (PlayerAction action : par.actions)
        code.actions.push_back({action, {}});
    CodeProblem problem = CodeProblem::None;
    const Replay watch{parseGameCode(formatGameCode(code), problem), std::nullopt};
    for (bool challenge : {true, false}) {
        SplitMixSource random(1);
        HeadlessGame headless(random, HighScoreFile(dir.file(kHighScoreFileName)));
        headless.window.stopTimer();
        if (challenge) {
            ASSERT_TRUE(headless.game.startChallenge(today));
            const Position deal = challengeDeal(challengeNumber(today));
            EXPECT_EQ(positionOf(headless.game.state()).board, deal.board);
            EXPECT_EQ(positionOf(headless.game.state()).random, deal.random);
        } else {
            headless.game.startReplay(watch);
        }
        for (const RecordedAction& action : watch.code.actions)
            headless.game.replay(action);
        EXPECT_EQ(headless.game.scores().Score(), par.score);
        if (challenge) {
            EXPECT_EQ(headless.game.challenge()->movesUsed, par.moves);
        }
    }
    EXPECT_EQ(par.moves, kChallengeMoves);
    EXPECT_EQ(par.score, 461);
}

// Pinned at a narrow width and two orientations: the same on one thread as on two.
TEST(Par, IsTheSameOnEveryMachineAndThread) {
    for (int threads : {1, 2}) {
        EXPECT_EQ(findPar(challengeNumber(day(2026, 12, 8)), {4, 2, threads}).score, 375);
    }
}

// A new job stops the one in hand, which is never answered, and so does the worker's end: a
// par or a review this wide would take hours.
TEST(JudgeWorker, AnswersTheLastJobAskedFor) {
    const test::ConstantSource zeros;
    const Position before{test::boardFromPicture(kGemsBesideABomb).Board, 0, zeros.state()};
    RulesCopy rules(zeros);
    rules.load(before);
    rules.play(HintAction::Click, 70);
    const std::vector<Position> positions{before, rules.position()};
    const std::vector<PlayerAction> actions{PlayerAction::click(70)};
    std::promise<std::pair<std::uint64_t, GameReview>> answer;
    std::atomic<int> answers = 0;
    std::vector<std::tuple<std::uint64_t, int, int>> progress;
    std::uint64_t ticket = 0;
    {
        JudgeWorker worker(
            [&](std::uint64_t, const ParResult&) { ++answers; },
            [&](std::uint64_t answered, const GameReview& review) {
                if (answers++ == 0) answer.set_value({answered, review});
            },
            [&](std::uint64_t of, int done, int total) { progress.emplace_back(of, done, total); });
        worker.startPar(1, {1'000'000, 8, 2});
        ticket = worker.startReview(positions, actions, zeros, kReview);
        auto future = answer.get_future();
        ASSERT_EQ(future.wait_for(std::chrono::minutes(1)), std::future_status::ready);
        EXPECT_EQ(future.get(), std::pair(ticket, reviewGame(positions, actions, zeros, kReview)));
        worker.startReview(positions, actions, zeros, {40, 1'000'000, 2});
    }
    EXPECT_EQ(answers, 1);
    EXPECT_NE(std::find(progress.begin(), progress.end(), std::tuple(ticket, 1, 1)),
              progress.end());
}

}  // namespace
}  // namespace varn
