// transform_test.cpp: mirroring and turning the board, and what the three buttons do.
#include <gtest/gtest.h>

#include <functional>

#include "gametestbase.h"
#include "transforms.h"

namespace varn {
namespace {

// Every cell holds its own index, so any permutation can be read off exactly.
BoardTables numberedBoard() {
    BoardTables tables;
    for (int cell = 0; cell < kCellCount; ++cell)
        tables.Board[cell] = static_cast<Code>(cell);
    return tables;
}

int oldCellAt(const BoardTables& tables, int row, int column) {
    return tables.Board[cellAt(row, column)];
}

TEST(Transforms, EachFollowsItsRuleForEveryCell) {
    struct Case {
        const char* name;
        void (*permute)(BoardTables&);
        std::function<int(int, int)> source;  // old cell of new (r, c)
    };
    const Case cases[] = {
        {"mirror", MirrorBoard, [](int r, int c) { return cellAt(9 - r, c); }},
        {"left", RotateBoardCounterClockwise, [](int r, int c) { return cellAt(c, 9 - r); }},
        {"right", RotateBoardClockwise, [](int r, int c) { return cellAt(9 - c, r); }},
    };
    for (const auto& each : cases) {
        BoardTables tables = numberedBoard();
        each.permute(tables);
        for (int r = 0; r < kBoardSide; ++r) {
            for (int c = 0; c < kBoardSide; ++c) {
                EXPECT_EQ(oldCellAt(tables, r, c), each.source(r, c))
                    << each.name << " " << r << "," << c;
            }
        }
    }
}

TEST(Transforms, CornersGoWhereTheButtonsShow) {
    BoardTables right = numberedBoard();
    RotateBoardClockwise(right);
    EXPECT_EQ(right.Board[9], 0);
    EXPECT_EQ(right.Board[0], 90);
    BoardTables left = numberedBoard();
    RotateBoardCounterClockwise(left);
    EXPECT_EQ(left.Board[0], 9);
    EXPECT_EQ(left.Board[90], 0);
    BoardTables mirror = numberedBoard();
    MirrorBoard(mirror);
    EXPECT_EQ(mirror.Board[0], 90);
    EXPECT_EQ(mirror.Board[99], 9);
    EXPECT_EQ(mirror.Board[45], 55);
}

TEST(Transforms, TurnsAndMirrorsUndoEachOther) {
    const BoardTables start = numberedBoard();
    auto after = [&](std::initializer_list<void (*)(BoardTables&)> steps) {
        BoardTables tables = start;
        for (auto step : steps)
            step(tables);
        return tables.Board;
    };
    const auto L = RotateBoardCounterClockwise;
    const auto R = RotateBoardClockwise;
    EXPECT_EQ(after({L, L, L, L}), start.Board);
    EXPECT_EQ(after({R, R, R, R}), start.Board);
    EXPECT_EQ(after({MirrorBoard, MirrorBoard}), start.Board);
    EXPECT_EQ(after({R, L}), start.Board);
    EXPECT_NE(after({R}), start.Board);
}

class TransformButtonTest : public test::GameTestBase {
  protected:
    void press(const test::TransformButton& button) {
        m_window.resetCounters();
        button.press(m_game);
    }
};

TEST_F(TransformButtonTest, FullBoardIsOnlyRearrangedAndNothingElseChanges) {
    setBoard(test::checkerWith({{0, 'B'}, {9, 'G'}, {90, 'R'}, {99, 'J'}}));
    m_window.setLabelText(ScoreLabel::Label4, "12");
    m_window.setLabelText(ScoreLabel::Label8, "34");
    m_game.tables().Marked[5] = kTrue;
    press(test::kTransformButtons[2]);
    EXPECT_EQ(m_game.tables().Board[9], piece::Bomb);
    EXPECT_EQ(m_game.tables().Board[99], piece::Gem);
    EXPECT_EQ(m_game.tables().Board[0], piece::RowLadder);
    EXPECT_EQ(m_game.tables().Board[90], piece::Joker);
    EXPECT_EQ(m_window.ticks(), 0);
    EXPECT_EQ(m_random.draws(), 0);
    EXPECT_EQ(m_game.tables().markedCount(), 0) << "old marks are gone";
    EXPECT_TRUE(m_window.clips().empty());
    EXPECT_EQ(m_window.beeps(), 0);
    EXPECT_EQ(m_window.labelText(ScoreLabel::Label4), "12");
    EXPECT_EQ(m_window.labelText(ScoreLabel::Label8), "34");
    for (int cell = 0; cell < kCellCount; ++cell) {
        EXPECT_EQ(m_window.shownPattern(cell), m_game.tables().Board[cell]);
    }
}

TEST_F(TransformButtonTest, EmptyCellsWhereverTheyLandAreClosedAndRefilled) {
    // Two empty cells in the top row end up at the bottom after a mirror.
    setBoard(test::checkerWith({{0, '.'}, {1, '.'}, {10, 'G'}}));
    std::string marksAtFirstWait;
    m_window.setEventHook([&](int call) {
        if (call == 1) marksAtFirstWait = test::marksOf(m_game.tables());
    });
    press(test::kTransformButtons[0]);
    EXPECT_EQ(marksAtFirstWait.substr(9 * 11, 10), "xx........");
    EXPECT_EQ(m_game.tables().Board[90], piece::Gem) << "the gem fell one row, into the gap";
    EXPECT_EQ(m_window.ticks(), 1);
    EXPECT_EQ(m_random.draws(), 4);
    EXPECT_FALSE(m_game.tables().hasEmptyCell());
    EXPECT_EQ(m_game.tables().markedCount(), 0);
}

TEST_F(TransformButtonTest, BusyBoardEndsEnabledWithTheWindowsOwnPointer) {
    setBoard(test::kCheckerBoard);
    for (const auto& button : test::kTransformButtons) {
        m_window.setBoardEnabled(false);
        m_window.setPointer(Pointer::Busy);
        press(button);
        EXPECT_TRUE(m_window.boardEnabled());
        EXPECT_EQ(m_window.pointer(), Pointer::Custom);
    }
}

}  // namespace
}  // namespace varn
