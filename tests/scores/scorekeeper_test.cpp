// scorekeeper_test.cpp: the score labels, the "Enter score" button and the file behind them.
#include "scorekeeper.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temporarydirectory.h"

namespace varn {
namespace {

using test::readWhole;
using test::writeWhole;

class RecordingView : public ScoreView {
  public:
    std::string labelText(ScoreLabel label) const override {
        return label == ScoreLabel::Label4 ? label4 : label8;
    }
    void setLabelText(ScoreLabel label, const std::string& text) override {
        (label == ScoreLabel::Label4 ? label4 : label8) = text;
    }
    void beep() override { ++beeps; }

    std::string label4 = "0000000000000000";
    std::string label8 = "0000000000000000";
    int beeps = 0;
};

class ScoreKeeperTest : public ::testing::Test {
  protected:
    std::string path() const { return m_dir.file(kHighScoreFileName); }
    void scorePoints(int points) {
        m_keeper.addPoints(points);
        m_keeper.showScore();
    }

    test::TemporaryDirectory m_dir;
    RecordingView m_view;
    ScoreKeeper m_keeper{m_view, HighScoreFile(path())};
};

TEST_F(ScoreKeeperTest, FirstRunCreatesTheFileWithZero) {
    m_keeper.LoadHiScore();
    EXPECT_EQ(readWhole(path()), "0\r\n");
    EXPECT_EQ(m_view.label8, "0");
    EXPECT_EQ(m_keeper.HiScore(), "0");
}

TEST_F(ScoreKeeperTest, NewGameShowsZeroAndScoresShowAsPlainDigits) {
    scorePoints(40000);
    EXPECT_EQ(m_view.label4, "40000");
    m_keeper.resetScore();
    EXPECT_EQ(m_keeper.Score(), 0);
    EXPECT_EQ(m_view.label4, "0");
}

TEST_F(ScoreKeeperTest, BetterScoreIsEnteredAsExactlyOneLine) {
    writeWhole(path(), "95\r\n");
    m_keeper.LoadHiScore();
    scorePoints(120);
    m_keeper.Command1_Click();
    EXPECT_EQ(m_view.label8, "120");
    EXPECT_EQ(readWhole(path()), "120\r\n");
    EXPECT_EQ(m_view.beeps, 0);

    m_keeper.Command1_Click();  // the same score again is no better
    EXPECT_EQ(m_view.beeps, 1);
}

TEST_F(ScoreKeeperTest, EqualOrLowerScoreOnlyBeeps) {
    writeWhole(path(), "120\r\n");
    m_keeper.LoadHiScore();
    scorePoints(120);
    m_keeper.Command1_Click();
    EXPECT_EQ(m_view.beeps, 1);
    EXPECT_EQ(readWhole(path()), "120\r\n");
}

TEST_F(ScoreKeeperTest, LineIsShownAsItStandsAndCountsByItsNumber) {
    writeWhole(path(), "  0042\r\n");
    m_keeper.LoadHiScore();
    EXPECT_EQ(m_view.label8, "  0042");
    scorePoints(42);
    m_keeper.Command1_Click();
    EXPECT_EQ(m_view.beeps, 1);
    scorePoints(1);
    m_keeper.Command1_Click();
    EXPECT_EQ(m_view.label8, "43");
}

TEST_F(ScoreKeeperTest, LettersCountAsZero) {
    writeWhole(path(), "champion\r\n");
    m_keeper.LoadHiScore();
    EXPECT_EQ(m_view.label8, "champion");
    m_keeper.resetScore();
    m_keeper.Command1_Click();
    EXPECT_EQ(m_view.beeps, 1) << "a score of 0 is no better";
    scorePoints(3);
    m_keeper.Command1_Click();
    EXPECT_EQ(readWhole(path()), "3\r\n");
}

TEST_F(ScoreKeeperTest, OnlyTheFirstOfSeveralLinesCountsAndAnEntryDropsTheRest) {
    writeWhole(path(), "10\r\n2000\r\n");
    m_keeper.LoadHiScore();
    EXPECT_EQ(m_view.label8, "10");
    scorePoints(11);
    m_keeper.Command1_Click();
    EXPECT_EQ(readWhole(path()), "11\r\n");
}

TEST_F(ScoreKeeperTest, BetterScoreNotEnteredIsGoneAtTheNextGame) {
    writeWhole(path(), "50\r\n");
    m_keeper.LoadHiScore();
    scorePoints(80);
    m_keeper.resetScore();
    m_keeper.LoadHiScore();
    EXPECT_EQ(m_view.label8, "50");
}

TEST_F(ScoreKeeperTest, FileWithoutAnyLineShowsZero) {
    writeWhole(path(), "");
    m_keeper.LoadHiScore();
    EXPECT_EQ(m_view.label8, "0");
    writeWhole(path(), "\r\n");
    m_keeper.LoadHiScore();
    EXPECT_EQ(m_view.label8, "0");
}

TEST_F(ScoreKeeperTest, ControlBytesAreNotShown) {
    writeWhole(path(), std::string("1\x00\x07"
                                   "2\r\n",
                                   6));
    m_keeper.LoadHiScore();
    EXPECT_EQ(m_view.label8, "1??2");
}

TEST_F(ScoreKeeperTest, UnusableFileStillShowsAHighScoreAndTheGameGoesOn) {
    std::filesystem::create_directory(path());
    m_keeper.LoadHiScore();
    EXPECT_EQ(m_view.label8, "0");
    scorePoints(5);
    m_keeper.Command1_Click();
    EXPECT_EQ(m_view.label8, "5") << "the score stays on display for this run";
    EXPECT_EQ(m_view.beeps, 1) << "the player hears that it was not stored";
    EXPECT_TRUE(std::filesystem::is_directory(path()));
}

}  // namespace
}  // namespace varn
