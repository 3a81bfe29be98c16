// deal_test.cpp: how often each piece is dealt, and what a deal and a new game do.
#include <gtest/gtest.h>

#include <array>

#include "dealer.h"
#include "gametestbase.h"
#include "queuedsource.h"
#include "twistersource.h"

namespace varn {
namespace {

Code drawn(std::initializer_list<float> numbers, std::size_t* left = nullptr) {
    QueuedSource source(numbers);
    const Code code = Dealer::drawPiece(source);
    if (left) *left = source.remaining();
    return code;
}

TEST(DrawPiece, SpreadDecidesWhetherAJokerCanComeUp) {
    // u1 below 1/11 gives the spread 5.0, which can never reach the joker.
    EXPECT_EQ(drawn({0.0f, 0.0f}), 0);
    EXPECT_EQ(drawn({0.05f, 0.99999994f}), 4);
    // 1/11 gives 5.1: the top of u2 reaches 5.
    EXPECT_EQ(drawn({0.0909091f, 0.98f}), 4);
    EXPECT_EQ(drawn({0.0909091f, 0.99f, 0.5f}), piece::Joker);
    // The largest spread, 6.0.
    EXPECT_EQ(drawn({0.95f, 0.5f}), 3);
}

TEST(DrawPiece, JokerDrawsOneMoreNumberAndSometimesASpecialPiece) {
    std::size_t left = 0;
    EXPECT_EQ(drawn({0.95f, 0.9f, 0.25f, 0.7f}, &left), piece::Joker);
    EXPECT_EQ(left, 1u) << "a joker that stays a joker draws three numbers";
    EXPECT_EQ(drawn({0.95f, 0.9f, 0.2f, 0.0f}, &left), piece::Bomb);
    EXPECT_EQ(left, 0u);
    EXPECT_EQ(drawn({0.95f, 0.9f, 0.2f, 0.25f}), piece::RowLadder);
    EXPECT_EQ(drawn({0.95f, 0.9f, 0.2f, 0.5f}), piece::ColumnLadder);
    EXPECT_EQ(drawn({0.95f, 0.9f, 0.2f, 0.99999994f}), piece::Gem);
}

TEST(DrawPiece, ChancesOfEachCode) {
    TwisterSource source(20261206);
    std::array<int, 15> counts{};
    constexpr int kDraws = 1'000'000;
    for (int i = 0; i < kDraws; ++i) {
        const Code code = Dealer::drawPiece(source);
        ASSERT_TRUE(isBoardCode(code) && code != piece::Empty) << code;
        ++counts[static_cast<std::size_t>(code)];
    }
    auto chance = [&](int code) { return static_cast<double>(counts[code]) / kDraws; };
    // About five standard deviations of a million draws.
    for (int code = 0; code < piece::OrdinaryKinds; ++code)
        EXPECT_NEAR(chance(code), 0.1824, 0.002);
    EXPECT_NEAR(chance(piece::Joker), 0.0659, 0.0013);
    for (int code = piece::Bomb; code <= piece::Gem; ++code)
        EXPECT_NEAR(chance(code), 0.0055, 0.0004);
}

class DealTest : public test::GameTestBase {};

TEST_F(DealTest, OnlyEmptyCellsDrawNumbersInCellOrder) {
    setBoard(test::checkerWith({{3, '.'}, {97, '.'}}));
    QueuedSource queue({0.0f, 0.5f, 0.95f, 0.9f, 0.2f, 0.75f});
    const std::string before = board();
    Dealer(m_game.tables(), m_window, queue).DealBoard();
    EXPECT_EQ(m_game.tables().Board[3], 2);
    EXPECT_EQ(m_game.tables().Board[97], piece::Gem);
    EXPECT_EQ(queue.remaining(), 0u);
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i)
        changed += before[i] != board()[i];
    EXPECT_EQ(changed, 2);
}

TEST_F(DealTest, EveryDealPlacesShowsAndRevealsAllCellsAndEnablesTheBoard) {
    setBoard(test::checkerWith({{42, '.'}}));
    for (int cell = 0; cell < kCellCount; ++cell) {
        m_window.setCellVisible(cell, false);
        m_window.showPattern(cell, piece::ClearImage);
    }
    m_window.setBoardPosition(30, 45);
    m_window.setBoardEnabled(false);
    Dealer(m_game.tables(), m_window, m_random).DealBoard();
    for (int cell = 0; cell < kCellCount; ++cell) {
        const auto& placed = m_window.placement(cell);
        EXPECT_EQ(placed.left, 480 * columnOf(cell) + 30);
        EXPECT_EQ(placed.top, 480 * rowOf(cell) + 45);
        EXPECT_EQ(placed.width, 480);
        EXPECT_EQ(placed.height, 480);
        EXPECT_TRUE(m_window.cellVisible(cell));
        EXPECT_EQ(m_window.shownPattern(cell), m_game.tables().Board[cell]);
    }
    EXPECT_TRUE(m_window.boardEnabled());
}

TEST_F(DealTest, NewGameResetsTheScoreReadsTheHighScoreAndDealsAWholeBoard) {
    test::writeWhole(m_dir.file(kHighScoreFileName), "321\r\n");
    setBoard(test::checkerWith({{44, '0'}, {45, '0'}, {46, '0'}}));
    click(45);
    ASSERT_EQ(score(), 3);
    m_game.tables().Marked[7] = kTrue;
    m_game.ng_click();
    EXPECT_EQ(score(), 0);
    EXPECT_EQ(m_window.labelText(ScoreLabel::Label4), "0");
    EXPECT_EQ(m_window.labelText(ScoreLabel::Label8), "321");
    std::string allDealt;
    for (int row = 0; row < kBoardSide; ++row)
        allDealt += "0000000000\n";
    EXPECT_EQ(board(), allDealt) << "every cell was dealt afresh";
    EXPECT_TRUE(m_game.tables().isMarked(7)) << "a new game leaves the marks";
    EXPECT_TRUE(m_window.boardEnabled());
}

}  // namespace
}  // namespace varn
