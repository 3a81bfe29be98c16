// settle_test.cpp: gaps close one row per tick, then the empty cells are refilled at once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "boardpicture.h"
#include "constantsource.h"
#include "dealer.h"
#include "scriptedwindow.h"
#include "settler.h"

namespace varn {
namespace {

// Column 0 holds ten different pieces, so every step of its fall can be read off.
constexpr const char* kBoard = R"(
    0121212121
    1212121212
    2121212121
    3212121212
    4121212121
    J212121212
    G121212121
    B212121212
    R121212121
    C212121212)";

class SettleTest : public ::testing::Test {
  protected:
    SettleTest() {
        m_window.stopTimer();
        m_window.setTickHandler([this] {
            m_settler.Timer1_Timer();
            m_afterTicks.push_back(column(0));
        });
        m_tables = test::boardFromPicture(kBoard);
    }

    // The pieces of a column from top to bottom, '.' for an empty cell.
    std::string column(int c) const {
        std::string text;
        for (int row = 0; row < kBoardSide; ++row)
            text += test::pictureOf(m_tables)[row * 11 + c];
        return text;
    }
    void mark(std::initializer_list<int> cells) {
        for (int cell : cells)
            m_tables.Marked[cell] = kTrue;
    }
    void emptyAndSettle() {
        m_settler.EmptyMarkedCells();
        m_settler.SettleBoard();
    }

    BoardTables m_tables;
    ScriptedWindow m_window;
    test::ConstantSource m_random;  // refills with the kind 0
    Dealer m_dealer{m_tables, m_window, m_random};
    Settler m_settler{m_tables, m_window, m_dealer};
    std::vector<std::string> m_afterTicks;
};

TEST_F(SettleTest, StackOfThreeGapsClosesInThreeTicks) {
    mark({40, 50, 60});
    emptyAndSettle();
    EXPECT_EQ(m_afterTicks, (std::vector<std::string>{".0123..BRC", "..0123.BRC", "...0123BRC"}));
    EXPECT_EQ(column(0), "0000123BRC");
    EXPECT_EQ(m_window.ticks(), 3);
    EXPECT_EQ(m_tables.markedCount(), 0);
    EXPECT_FALSE(m_window.timerRunning());
}

TEST_F(SettleTest, GapsAtRowsSevenAndThreeCloseLowestFirst) {
    mark({70, 30});
    emptyAndSettle();
    EXPECT_EQ(m_afterTicks, (std::vector<std::string>{".012.4JGRC", "..0124JGRC"}));
    EXPECT_EQ(column(0), "000124JGRC");
}

TEST_F(SettleTest, GapInTheTopRowTakesOneTickAndIsRefilled) {
    mark({0});
    emptyAndSettle();
    EXPECT_EQ(m_afterTicks, (std::vector<std::string>{".1234JGBRC"}));
    EXPECT_EQ(m_window.ticks(), 1);
    EXPECT_EQ(column(0), "01234JGBRC");
    EXPECT_EQ(m_random.draws(), 2);
}

TEST_F(SettleTest, FallingColumnsShowEmptyCellsOnTopUntilTheDeal) {
    mark({90});
    m_settler.EmptyMarkedCells();
    std::vector<int> shownOnTop;
    m_window.setTickHandler([&] {
        m_settler.Timer1_Timer();
        shownOnTop.push_back(m_window.shownPattern(0));
    });
    m_settler.SettleBoard();
    EXPECT_EQ(shownOnTop, std::vector{static_cast<int>(piece::Empty)});
    EXPECT_EQ(m_window.shownPattern(0), 0) << "the deal shows the new piece";
}

TEST_F(SettleTest, SettleTakesAsManyTicksAsTheFullestColumnHasGaps) {
    mark({91, 12, 32, 52, 92});
    std::vector<std::string> column1;
    m_window.setTickHandler([&] {
        const std::string before = column(1);
        m_settler.Timer1_Timer();
        column1.push_back(before == column(1) ? "still" : "fell");
    });
    m_settler.EmptyMarkedCells();
    m_settler.SettleBoard();
    EXPECT_EQ(m_window.ticks(), 4);
    EXPECT_EQ(column1, (std::vector<std::string>{"fell", "still", "still", "still"}));
    EXPECT_EQ(m_tables.markedCount(), 0);
    EXPECT_FALSE(m_tables.hasEmptyCell());
}

TEST_F(SettleTest, RedrawOfAFullBoardDrawsEveryCellAndDealsNothingNew) {
    for (int cell = 0; cell < kCellCount; ++cell)
        m_window.showPattern(cell, piece::ClearImage);
    m_settler.RedrawAndSettle();
    for (int cell = 0; cell < kCellCount; ++cell) {
        EXPECT_EQ(m_window.shownPattern(cell), m_tables.Board[cell]) << "cell " << cell;
    }
    EXPECT_EQ(m_window.ticks(), 0);
    EXPECT_EQ(m_random.draws(), 0);
    EXPECT_EQ(test::pictureOf(m_tables), test::pictureOf(test::boardFromPicture(kBoard)));
}

TEST_F(SettleTest, RedrawMarksEmptyCellsAsGapsAndClosesThem) {
    m_tables.Board[50] = piece::Empty;
    m_settler.RedrawAndSettle();
    EXPECT_EQ(m_afterTicks, (std::vector<std::string>{".01234GBRC"}));
    EXPECT_EQ(column(0), "001234GBRC");
}

TEST_F(SettleTest, TickWithoutFallingColumnOnlyStopsTheTimer) {
    m_window.startTimer();
    m_settler.Timer1_Timer();
    EXPECT_FALSE(m_window.timerRunning());
    EXPECT_EQ(test::pictureOf(m_tables), test::pictureOf(test::boardFromPicture(kBoard)));
}

}  // namespace
}  // namespace varn
