// history_test.cpp: what the game's round trips cannot show, such as labels that are not the
// score's digits and boards laid out from outside.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "command.h"
#include "gamecode.h"
#include "headlessgame.h"
#include "history.h"
#include "savedformat.h"
#include "splitmixsource.h"

namespace varn {
namespace {

// A state told apart by its score, its label and one cell at each end of the board.
GameState stateOf(std::int64_t score, const std::string& label, Code corner = 14) {
    GameState state{{}, score, label, {9, static_cast<std::uint64_t>(score)}};
    state.board.fill(static_cast<Code>(score % 5));
    state.board[0] = state.board[kCellCount - 1] = corner;
    return state;
}

// Undo and redo put back the states in turn; `step` counts states from the first one.
void expectWalk(History& history, const std::vector<GameState>& states) {
    for (std::size_t step = states.size() - 1; step-- > 0;)
        ASSERT_EQ(history.undo(), states[step]) << "undo to state " << step;
    ASSERT_FALSE(history.canUndo());
    for (std::size_t step = 1; step < states.size(); ++step)
        ASSERT_EQ(history.redo(), states[step]) << "redo to state " << step;
    ASSERT_FALSE(history.canRedo());
}

// Labels that are not their score's digits come back exactly. A board laid out between two
// actions is a step back of its own; an action after an undo drops the states ahead, and the
// labels they kept go with them.
TEST(History, KeepsEachStateExactlyAndDropsThoseAheadOfAnAction) {
    const GameState design = stateOf(0, kDesignScoreText);
    History history;
    history.record(design, stateOf(5, "five"));
    history.record(stateOf(6, "6", 0), stateOf(7, "seven"));
    history.undo();
    history.undo();
    history.record(stateOf(5, "five"), stateOf(8, "8", 5));
    history.record(stateOf(8, "8", 5), stateOf(40, "0040"));
    EXPECT_EQ(history.undoCount(), 3u);
    expectWalk(history, {design, stateOf(5, "five"), stateOf(8, "8", 5), stateOf(40, "0040")});
}

// A long game on the real rules, some of it undone, walked, rebuilt and copied: each stands at
// the same state and walks the same way. Its 513 states fill two of the blocks they are kept in
// and begin a third.
TEST(History, RebuiltFromItsStatesWalksTheSame) {
    SplitMixSource random(5);
    HeadlessGame headless(random);
    headless.window.stopTimer();
    std::mt19937 cells(5);
    for (int click = 1; click < 100'000 && headless.game.history().undoCount() < 512; ++click) {
        headless.game.Element_Click(static_cast<int>(cells() % kCellCount));
        // A board that has no group left is dealt afresh, as from outside.
        if (click % 1000 == 0) {
            for (Code& code : headless.game.tables().Board)
                code = Dealer::drawPiece(random);
        }
    }
    ASSERT_EQ(headless.game.history().undoCount(), 512u);
    for (int i = 0; i < 200; ++i)
        headless.game.undo_Click();
    const History& played = headless.game.history();
    History rebuilt(played.states(), played.position());
    EXPECT_EQ(rebuilt.position(), 312u);
    EXPECT_EQ(rebuilt.redoCount(), 200u);
    History copy = played;
    EXPECT_EQ(rebuilt.redo(), copy.redo());
    EXPECT_EQ(rebuilt.states(), played.states());
    EXPECT_EQ(copy.states(), played.states());
    EXPECT_EQ(played.states().front().label4, kDesignScoreText);
}

// A game of turns and clicks, some undone, then all of its actions and then only its last ones
// are replayed in another game, from its number's deal and from the state before them: each
// replay ends in the same state, the random position included.
TEST(History, ActionsReplayedFromTheDealOrTheStateBeforeThemEndTheSame) {
    SplitMixSource random(1);
    HeadlessGame played(random);
    random.chooseNextGame(77);
    played.game.ng_click();
    std::mt19937 cells(77);
    for (int action = 0; action < 400; ++action) {
        const auto pick = cells() % (kCellCount + 13);
        if (pick >= kCellCount + 10) {
            played.game.undo_Click();
        } else {
            perform(played.game,
                    pick < kCellCount ? Command::Element_Click : Command::Picture6_Click,
                    int(pick));
        }
    }
    for (const std::size_t most : {std::size_t(1'000'000), std::size_t(40)}) {
        // As a row of the table keeps it and a copied code carries it: in words.
        CodeProblem problem = CodeProblem::None;
        const std::optional<Replay> replay =
            parseReplay(formatReplay(*played.game.lastActions(most)), problem);
        ASSERT_TRUE(replay);
        EXPECT_EQ(replay->start.has_value(), most == 40);
        SplitMixSource again(2);
        HeadlessGame watched(again);
        watched.game.startReplay(*replay);
        for (const RecordedAction& action : replay->code.actions)
            watched.game.replay(action);
        EXPECT_EQ(watched.game.state(), played.game.state()) << most;
    }
}

TEST(History, RebuildingRefusesWhatNoGameHolds) {
    const std::vector<GameState> two = {stateOf(0, "0"), stateOf(1, "1")};
    EXPECT_THROW(History({}, 1), std::out_of_range);
    EXPECT_THROW(History(two, 2), std::out_of_range);
    for (const Code code : {-1, 7, 15}) {
        std::vector<GameState> foreign = two;
        foreign[1].board[50] = code;
        EXPECT_THROW(History(foreign, 1), std::invalid_argument) << code;
    }
    EXPECT_FALSE(History({}, 0).canUndo());
    EXPECT_TRUE(History(two, 1).canUndo());
}

// One state past the bound, at the end: the oldest goes, and undo still reaches the others.
TEST(History, ASavedGameKeepsTheLastStatesThatAFileHolds) {
    const std::vector<GameState> states(kMaxSavedStates + 1, stateOf(5, "5"));
    const std::string text = formatSnapshot({states.back(), History(states, kMaxSavedStates), {}, 0});
    const std::size_t second = text.find('\n') + 1;
    EXPECT_EQ(
        text.substr(second, text.find(" #", second) - second),
        "history " + std::to_string(kMaxSavedStates) + " " + std::to_string(kMaxSavedStates - 1));
}

}  // namespace
}  // namespace varn
