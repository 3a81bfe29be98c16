// move_test.cpp: what a click on a cell removes, scores and plays.
#include <gtest/gtest.h>

#include "gametestbase.h"

namespace varn {
namespace {

using test::checkerWith;

class MoveTest : public test::GameTestBase {
  protected:
    void expectUnchangedAfterBeep(const std::string& before) {
        EXPECT_EQ(m_window.beeps(), 1);
        EXPECT_EQ(board(), test::pictureOf(test::boardFromPicture(before)));
        EXPECT_EQ(score(), 0);
        EXPECT_TRUE(m_window.clips().empty());
        EXPECT_TRUE(m_window.effects().empty());
        expectIdle();
        EXPECT_EQ(m_window.focusCount(), 1);
    }
    void expectIdle() {
        EXPECT_TRUE(m_window.boardEnabled());
        EXPECT_EQ(m_window.pointer(), Pointer::Custom);
        EXPECT_FALSE(m_game.tables().hasEmptyCell());
    }
};

TEST_F(MoveTest, ClickOnEmptyCellIsIgnoredSilently) {
    setBoard(checkerWith({{45, '.'}}));
    m_game.tables().Marked[3] = kTrue;
    m_window.setPointer(Pointer::Busy);
    click(45);
    EXPECT_TRUE(m_window.boardEnabled());
    EXPECT_EQ(m_window.pointer(), Pointer::Busy) << "the pointer is not touched";
    EXPECT_EQ(m_window.beeps(), 0);
    EXPECT_EQ(m_game.tables().markedCount(), 1) << "the marks are not touched";
    EXPECT_EQ(m_window.eventCalls(), 0);
}

TEST_F(MoveTest, LonePieceOrPairOnlyBeeps) {
    const std::string lone = checkerWith({{44, '0'}});
    setBoard(lone);
    click(44);
    expectUnchangedAfterBeep(lone);

    const std::string pair = checkerWith({{44, '0'}, {45, '0'}});
    setBoard(pair);
    click(45);
    expectUnchangedAfterBeep(pair);
    EXPECT_EQ(m_game.tables().markedCount(), 2) << "the refused pair stays marked";
}

TEST_F(MoveTest, PiecesTouchingOnlyAtCornersFormNoGroup) {
    const std::string diagonal = checkerWith({{44, '0'}, {55, '0'}, {66, '0'}});
    setBoard(diagonal);
    click(55);
    expectUnchangedAfterBeep(diagonal);
}

TEST_F(MoveTest, GroupInAnLShapeIsRemovedScoredAndRefilled) {
    setBoard(R"(
        1212121212
        2121212121
        1212121212
        2121212121
        1212021212
        2121002121
        1212121212
        2121212121
        1212121212
        2121212121)");
    click(55);
    EXPECT_EQ(effectCells(piece::ClearImage), (std::vector{44, 54, 55})) << "in reading order";
    EXPECT_EQ(score(), 3);
    EXPECT_EQ(m_window.labelText(ScoreLabel::Label4), "3");
    EXPECT_EQ(m_window.clips(), std::vector{kGroupClip});
    EXPECT_EQ(m_window.ticks(), 2) << "column 4 has two gaps";
    EXPECT_EQ(board(), test::pictureOf(test::boardFromPicture(R"(
        1212001212
        2121022121
        1212111212
        2121222121
        1212111212
        2121222121
        1212121212
        2121212121
        1212121212
        2121212121)")));
    EXPECT_EQ(m_random.draws(), 6) << "two numbers for each of the three refilled cells";
    expectIdle();
    EXPECT_EQ(m_game.tables().markedCount(), 0);
    EXPECT_EQ(m_window.focusCount(), 1);
}

TEST_F(MoveTest, JokersJoinAnyGroupButAJokerGathersOnlyJokers) {
    setBoard(checkerWith({{43, '0'}, {44, 'J'}, {45, '0'}}));
    click(43);
    EXPECT_EQ(score(), 3);

    const std::string pieceJokerPiece = checkerWith({{43, '0'}, {44, 'J'}, {45, '0'}});
    setBoard(pieceJokerPiece);
    const int before = score();
    click(44);
    EXPECT_EQ(m_window.beeps(), 1);
    EXPECT_EQ(score(), before);

    setBoard(checkerWith({{43, 'J'}, {44, 'J'}, {45, 'J'}}));
    click(44);
    EXPECT_EQ(effectCells(piece::ClearImage), (std::vector{43, 44, 45}));
    EXPECT_EQ(score(), before + 3);

    setBoard(checkerWith({{43, '0'}, {44, '0'}, {45, 'J'}}));
    click(43);
    EXPECT_EQ(effectCells(piece::ClearImage), (std::vector{43, 44, 45}));
    EXPECT_EQ(score(), before + 6);
}

TEST_F(MoveTest, JokerLinksPiecesOfTheClickedKindAcrossIt) {
    // 0 J 0 in a row with another 0 below the last: all four go.
    setBoard(checkerWith({{43, '0'}, {44, 'J'}, {45, '0'}, {55, '0'}}));
    click(43);
    EXPECT_EQ(effectCells(piece::ClearImage), (std::vector{43, 44, 45, 55}));
    EXPECT_EQ(score(), 4);
}

TEST_F(MoveTest, GroupClickedOnAGemScoresTenAPiece) {
    setBoard(checkerWith({{44, 'G'}, {45, 'G'}, {54, 'G'}, {55, 'G'}}));
    click(44);
    EXPECT_EQ(score(), 40);
    EXPECT_EQ(m_window.labelText(ScoreLabel::Label4), "40");

    setBoard(checkerWith({{44, 'G'}, {45, 'G'}, {54, 'G'}, {55, 'J'}}));
    click(54);
    EXPECT_EQ(score(), 80) << "a joker in a gem group counts ten as well";
}

TEST_F(MoveTest, BombClearsItsSquareAndNothingAcrossAnEdge) {
    setBoard(checkerWith({{0, 'B'}}));
    click(0);
    EXPECT_EQ(effectCells(piece::BlastImage), (std::vector{0, 10, 1, 11}));

    setBoard(checkerWith({{40, 'B'}}));
    click(40);
    EXPECT_EQ(effectCells(piece::BlastImage), (std::vector{40, 30, 50, 41, 31, 51}));

    setBoard(checkerWith({{55, 'B'}}));
    click(55);
    EXPECT_EQ(effectCells(piece::BlastImage), (std::vector{55, 45, 65, 54, 56, 44, 46, 66, 64}));
    EXPECT_EQ(m_window.ticks(), 3);
    EXPECT_EQ(m_random.draws(), 2 * 4 + 2 * 6 + 2 * 9);
}

TEST_F(MoveTest, LaddersClearTheirRowOrColumn) {
    setBoard(checkerWith({{57, 'R'}}));
    click(57);
    EXPECT_EQ(effectCells(piece::LadderImage),
              (std::vector{50, 51, 52, 53, 54, 55, 56, 57, 58, 59}));
    EXPECT_EQ(m_window.ticks(), 1);

    setBoard(checkerWith({{57, 'C'}}));
    click(57);
    EXPECT_EQ(effectCells(piece::LadderImage),
              (std::vector{7, 17, 27, 37, 47, 57, 67, 77, 87, 97}));
    EXPECT_EQ(m_window.ticks(), 10);
}

TEST_F(MoveTest, SpecialPiecesScoreNothingAndPlayTheirOwnClip) {
    m_window.setLabelText(ScoreLabel::Label4, "7");
    const std::pair<char, int> cases[] = {{'B', kBombClip}, {'R', kLadderClip}, {'C', kLadderClip}};
    for (const auto& [symbol, clip] : cases) {
        setBoard(checkerWith({{57, symbol}}));
        click(57);
        EXPECT_EQ(m_window.clips(), std::vector{clip});
        EXPECT_EQ(score(), 0);
        EXPECT_EQ(m_window.labelText(ScoreLabel::Label4), "7");
        EXPECT_EQ(m_window.focusCount(), 0) << "a special removal leaves the focus alone";
        EXPECT_EQ(m_game.tables().markedCount(), 0);
        expectIdle();
    }
}

TEST_F(MoveTest, SpecialPiecesInsideAnAreaGoWithoutSettingAnythingOff) {
    setBoard(checkerWith({{55, 'B'}, {56, 'B'}, {45, 'R'}, {66, 'C'}}));
    click(55);
    EXPECT_EQ(effectCells(piece::BlastImage).size(), 9u);
    EXPECT_TRUE(effectCells(piece::LadderImage).empty());
    EXPECT_EQ(m_window.clips(), std::vector{kBombClip});
}

TEST_F(MoveTest, EmptyCellsInsideABlastAreMarkedButNotPainted) {
    setBoard(checkerWith({{45, '.'}, {55, 'B'}}));
    click(55);
    EXPECT_EQ(effectCells(piece::BlastImage), (std::vector{55, 65, 54, 56, 44, 46, 66, 64}));
    expectIdle();
}

TEST_F(MoveTest, EachClearedCellIsShownThenEventsRunThenItScores) {
    setBoard(checkerWith({{44, '3'}, {45, '3'}, {46, '3'}, {47, '3'}}));
    struct Seen {
        std::size_t bags;
        int score;
        std::string label;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> seen;
    m_window.setEventHook([&](int) {
        seen.push_back(
            {m_window.effects().size(), score(), m_window.labelText(ScoreLabel::Label4)});
    });
    click(44);
    ASSERT_GT(seen.size(), 5u) << "the settle lets events run as well";
    seen.resize(5);
    const std::string design = ScriptedWindow::kDesignLabelText;
    // Four cells, each followed by a pass of events; the clip's own pass comes last, before
    // the label shows the new score.
    EXPECT_EQ(seen,
              (std::vector<Seen>{
                  {1, 0, design}, {2, 1, design}, {3, 2, design}, {4, 3, design}, {4, 4, design}}));
    EXPECT_EQ(m_window.labelText(ScoreLabel::Label4), "4");
}

}  // namespace
}  // namespace varn
