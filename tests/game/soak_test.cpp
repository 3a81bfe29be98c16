// soak_test.cpp: thousands of random actions, some run inside others, and the board always
// comes back whole; undoing everything and doing it again always comes back to the same game.
#include <gtest/gtest.h>

#include <array>
#include <iostream>
#include <random>
#include <string>
#include <utility>

#include "command.h"
#include "gamesaver.h"
#include "headlessgame.h"
#include "savedgamefile.h"
#include "splitmixsource.h"
#include "temporarydirectory.h"

namespace varn {
namespace {

using Action = Command;

// How often a player gives each command: mostly clicks.
constexpr std::pair<Action, int> kActions[] = {
    {Action::Element_Click, 15}, {Action::Picture6_Click, 1}, {Action::Picture7_Click, 1},
    {Action::picture8_click, 1}, {Action::ng_click, 1},       {Action::Command1_Click, 1},
    {Action::undo_Click, 2},     {Action::redo_Click, 1},
};
constexpr int kTotalWeight = [] {
    int total = 0;
    for (const auto& [action, weight] : kActions)
        total += weight;
    return total;
}();

class Soak {
  public:
    explicit Soak(std::uint32_t seed)
        : m_choices(seed),
          m_deal(seed + 1),
          m_headless(m_deal, HighScoreFile(m_dir.file(kHighScoreFileName))) {
        m_headless.window.setEventHook([this](int) { maybeNest(); });
    }

    void run(int actions) {
        m_headless.window.stopTimer();
        m_headless.window.setBoardPosition(kBoardLeft, kBoardTop);
        perform(Action::ng_click);
        for (int i = 0; i < actions && !::testing::Test::HasFatalFailure(); ++i) {
            const auto action = randomAction(false);
            m_headless.window.resetCounters();
            m_nestBudget = pick(0, 3);
            m_clickedCell = -1;
            perform(action);
            checkSettled(i, action);
            checkHistoryRoundTrip();
        }
    }

    int nestedActions() const { return m_nestedActions; }
    Game& game() { return m_headless.game; }

  private:
    int pick(int low, int high) { return std::uniform_int_distribution(low, high)(m_choices); }

    // A nested action is never the click of the first row: the busy board takes none.
    Action randomAction(bool nested) {
        int roll = pick(nested ? kActions[0].second : 0, kTotalWeight - 1);
        for (const auto& [action, weight] : kActions) {
            if ((roll -= weight) < 0) return action;
        }
        return Action::Element_Click;
    }

    // Inside a long action the player may press a button, choose a menu entry or, when board
    // input is enabled again (after a new game), click a cell: the real window delivers those.
    void maybeNest() {
        if (m_nestBudget == 0 || pick(0, 3) != 0) return;
        --m_nestBudget;
        ++m_nestedActions;
        Action action = randomAction(true);
        if (m_headless.window.boardEnabled() && pick(0, 1) == 0) action = Action::Element_Click;
        perform(action);
    }

    void perform(Action action) {
        if (action == Action::Element_Click) m_clickedCell = pick(0, kCellCount - 1);
        // A new game starts from 0, and an undo takes points back.
        if (action == Action::ng_click || action == Action::undo_Click) m_lowestScore = 0;
        varn::perform(m_headless.game, action, m_clickedCell);
        checkScoreNeverFalls();
    }

    void checkScoreNeverFalls() {
        const auto score = m_headless.game.scores().Score();
        ASSERT_GE(score, m_lowestScore) << "the score fell during a game";
        m_lowestScore = score;
    }

    // A refused pair stays marked until the next click or transform clears the marks; nothing
    // reads them in between, and a new game or an entered score leaves them. An undo or a redo
    // finds them cleared by the last round trip, or is refused. Any other mark is a gap left
    // open.
    void checkMarks(Action action) {
        const BoardTables& tables = m_headless.game.tables();
        if (action == Action::Element_Click && tables.markedCount() == 2) {
            ASSERT_TRUE(tables.isMarked(m_clickedCell));
            ASSERT_EQ(m_headless.window.beeps(), 1);
            m_leftoverMarks = tables.Marked;
        } else if (action == Action::Element_Click || action == Action::Picture6_Click ||
                   action == Action::Picture7_Click || action == Action::picture8_click) {
            m_leftoverMarks.fill(kFalse);
        }
        ASSERT_EQ(tables.Marked, m_leftoverMarks) << "a gap was left open";
    }

    void checkSettled(int step, Action action) {
        const Game& game = m_headless.game;
        const ScriptedWindow& window = m_headless.window;
        SCOPED_TRACE("after action " + std::to_string(step));
        ASSERT_FALSE(game.tables().hasEmptyCell());
        checkMarks(action);
        ASSERT_TRUE(window.boardEnabled());
        ASSERT_EQ(window.pointer(), Pointer::Custom);
        ASSERT_FALSE(window.timerRunning());
        ASSERT_EQ(window.labelText(ScoreLabel::Label4), std::to_string(game.scores().Score()));
        for (int cell = 0; cell < kCellCount; ++cell) {
            const Code code = game.tables().Board[cell];
            ASSERT_TRUE(isBoardCode(code)) << "cell " << cell;
            ASSERT_EQ(window.shownPattern(cell), code) << "cell " << cell << " shows another piece";
            ASSERT_TRUE(window.cellVisible(cell));
            const auto& placed = window.placement(cell);
            ASSERT_EQ(placed.left, kCellTwips * columnOf(cell) + kBoardLeft);
            ASSERT_EQ(placed.top, kCellTwips * rowOf(cell) + kBoardTop);
            ASSERT_EQ(placed.width, kCellTwips);
            ASSERT_EQ(placed.height, kCellTwips);
        }
    }

    // Undoing every entry, redoing them all and undoing again those that were undone before
    // comes back to the same board, score and deal, without a beep; any step clears the marks,
    // and the window offers undo and redo just when there is something to undo or redo.
    void checkHistoryRoundTrip() {
        Game& game = m_headless.game;
        const ScriptedWindow& window = m_headless.window;
        const History& history = game.history();
        const GameState now = game.state();
        const SplitMixSource deal = m_deal;
        const int beeps = window.beeps();
        if (history.canUndo() || history.canRedo()) m_leftoverMarks.fill(kFalse);
        const std::size_t undone = history.undoCount();
        const std::size_t entries = undone + history.redoCount();
        for (std::size_t i = 0; i < undone; ++i)
            game.undo_Click();
        for (std::size_t i = 0; i < entries; ++i)
            game.redo_Click();
        for (std::size_t i = undone; i < entries; ++i)
            game.undo_Click();
        ASSERT_EQ(game.state(), now);
        ASSERT_EQ(SplitMixSource(m_deal).next(), SplitMixSource(deal).next()) << "another deal";
        ASSERT_EQ(window.beeps(), beeps);
        ASSERT_EQ(game.tables().Marked, m_leftoverMarks);
        ASSERT_EQ(std::pair(window.undoOffered(), window.redoOffered()),
                  std::pair(history.canUndo(), history.canRedo()));
    }

    // Where the frame of the cells stands in the window, in twips.
    static constexpr int kBoardLeft = 30;
    static constexpr int kBoardTop = 45;

    std::mt19937 m_choices;
    SplitMixSource m_deal;
    test::TemporaryDirectory m_dir;
    HeadlessGame m_headless;
    int m_nestBudget = 0;
    int m_nestedActions = 0;
    int m_clickedCell = -1;
    std::array<Flag, kCellCount> m_leftoverMarks{};
    std::int64_t m_lowestScore = 0;
};

TEST(Soak, BoardIsAlwaysWholeAfterThousandsOfRandomActions) {
    for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Soak soak(seed);
        soak.run(10000);
        EXPECT_GT(soak.nestedActions(), 2000) << "too few actions ran inside others";
    }
}

// The saved game hears of every action, nested ones, new games and the round trips of undo
// and redo included: read back at any moment, it is the game, history and all.
TEST(Soak, SavedGameIsAlwaysTheGame) {
    Soak soak(5);
    const test::TemporaryDirectory dir;
    GameSaver saver(soak.game(), dir.file("game.txt"));
    for (int round = 0; round < 3 && !::testing::Test::HasFailure(); ++round) {
        soak.run(300);
        saver.flush();
        const std::optional<SavedGame> saved = loadSavedGame(dir.file("game.txt"), std::cerr);
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->current, soak.game().state());
        EXPECT_EQ(saved->history.states(), soak.game().history().states());
        EXPECT_EQ(saved->history.position(), soak.game().history().position());
    }
}

}  // namespace
}  // namespace varn
