// reentry_test.cpp: commands that run inside a move or a transform while it lets events run.
#include <gtest/gtest.h>

#include <functional>

#include "gametestbase.h"

namespace varn {
namespace {

// A group of three 0s stacked in column 4: three gaps in one column, three ticks to close.
const std::string kStackOfThree = test::checkerWith({{24, '0'}, {34, '0'}, {44, '0'}});
// A group of four 3s in a row.
const std::string kRowOfFour = test::checkerWith({{41, '3'}, {42, '3'}, {43, '3'}, {44, '3'}});

class ReentryTest : public test::GameTestBase {
  protected:
    // Runs `nested` inside the given call of the event pass during a click on `cell`.
    void clickWithNested(int cell, int call, std::function<void()> nested) {
        m_window.setEventHook([=, this](int number) {
            if (number == call) {
                nested();
                ++m_nestedRuns;
            }
        });
        click(cell);
        m_window.setEventHook({});
    }
    void expectSettled() {
        EXPECT_FALSE(m_game.tables().hasEmptyCell());
        EXPECT_EQ(m_game.tables().markedCount(), 0);
        EXPECT_TRUE(m_window.boardEnabled());
        EXPECT_EQ(m_window.pointer(), Pointer::Custom);
        EXPECT_FALSE(m_window.timerRunning());
        EXPECT_EQ(m_nestedRuns, 1);
        for (int cell = 0; cell < kCellCount; ++cell) {
            ASSERT_EQ(m_window.shownPattern(cell), m_game.tables().Board[cell]) << cell;
        }
    }

    int m_nestedRuns = 0;
};

// Events run once per cleared cell and once more before the clip; the settle's first wait is
// the next call.
constexpr int kFirstSettleWaitAfterThree = 3 + 1 + 1;

TEST_F(ReentryTest, NewGameDuringASettleClosesTheStillMarkedCellsOfTheNewBoard) {
    setBoard(kStackOfThree);
    clickWithNested(34, kFirstSettleWaitAfterThree, [&] { m_game.ng_click(); });
    expectSettled();
    EXPECT_EQ(score(), 0);
    EXPECT_EQ(m_window.labelText(ScoreLabel::Label4), "0");
    EXPECT_EQ(m_window.ticks(), 3) << "the three marked cells still close one by one";
    EXPECT_EQ(m_random.draws(), 2 * 100 + 2 * 3) << "a whole new board, then the refill";
}

TEST_F(ReentryTest, TransformDuringASettleSettlesTheBoardItselfAndTheSettleEndsQuietly) {
    for (const auto& button : test::kTransformButtons) {
        SCOPED_TRACE(button.name);
        m_nestedRuns = 0;
        const int drawsBefore = m_random.draws();
        const int scoreBefore = score();
        setBoard(kStackOfThree);
        clickWithNested(34, kFirstSettleWaitAfterThree, [&] { button.press(m_game); });
        expectSettled();
        EXPECT_EQ(score(), scoreBefore + 3);
        EXPECT_EQ(m_random.draws() - drawsBefore, 2 * 3) << "each gap is refilled exactly once";
    }
}

TEST_F(ReentryTest, TransformDuringTheClearingStopsTheRestOfTheGroup) {
    setBoard(kRowOfFour);
    const std::string before = board();
    clickWithNested(41, 2, [&] { m_game.Picture6_Click(); });
    expectSettled();
    // The first two cells were reached and keep their points; nothing is removed.
    EXPECT_EQ(score(), 2);
    EXPECT_EQ(m_window.labelText(ScoreLabel::Label4), "2");
    EXPECT_EQ(m_window.clips(), std::vector{kGroupClip});
    EXPECT_EQ(m_random.draws(), 0);
    EXPECT_EQ(m_game.tables().Board[51], 3) << "the row of 3s is mirrored to row 5, whole";
    EXPECT_EQ(m_game.tables().Board[54], 3);
}

TEST_F(ReentryTest, NewGameDuringTheClearingScoresTheRestIntoTheNewGame) {
    setBoard(kRowOfFour);
    clickWithNested(41, 2, [&] { m_game.ng_click(); });
    expectSettled();
    EXPECT_EQ(score(), 3) << "cells two to four count in the new game";
    EXPECT_EQ(m_window.labelText(ScoreLabel::Label4), "3");
    EXPECT_EQ(m_random.draws(), 2 * 100 + 2 * 4) << "the group's cells are emptied from it";
}

TEST_F(ReentryTest, EnterScoreDuringASettleStoresTheScoreShownSoFar) {
    setBoard(kStackOfThree);
    clickWithNested(34, kFirstSettleWaitAfterThree, [&] { m_game.Command1_Click(); });
    expectSettled();
    EXPECT_EQ(m_window.labelText(ScoreLabel::Label8), "3");
    EXPECT_EQ(test::readWhole(m_dir.file(kHighScoreFileName)), "3\r\n");
}

TEST_F(ReentryTest, TransformInsideATransformsSettle) {
    setBoard(test::checkerWith({{0, '.'}, {1, '.'}, {2, '.'}}));
    m_window.setEventHook([&](int call) {
        if (call == 1) {
            m_game.Picture7_Click();
            ++m_nestedRuns;
        }
    });
    m_window.resetCounters();
    m_game.Picture6_Click();
    expectSettled();
    EXPECT_EQ(m_random.draws(), 2 * 3);
}

}  // namespace
}  // namespace varn
