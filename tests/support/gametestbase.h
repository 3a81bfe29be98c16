// gametestbase.h: a fixture with the real game on a scripted window and a board from a picture.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "boardpicture.h"
#include "constantsource.h"
#include "headlessgame.h"
#include "playeraction.h"
#include "temporarydirectory.h"

namespace varn::test {

// Refills deal the ordinary kind 0 (the constant source), and the high-score file lives in a
// fresh temporary directory.
class GameTestBase : public ::testing::Test {
  protected:
    GameTestBase();

    // Puts a board in place as a settled board would be: all cells shown, nothing marked.
    void setBoard(const std::string& picture);
    std::string board() const { return pictureOf(m_headless.game.tables()); }
    int score() const { return static_cast<int>(m_headless.game.scores().Score()); }
    // The cells that showed the given effect picture during the last action, in order.
    std::vector<int> effectCells(int pattern) const;
    // Starts counting afresh before an action.
    void click(int cell);

    TemporaryDirectory m_dir;
    ConstantSource m_random;
    HeadlessGame m_headless;
    ScriptedWindow& m_window;
    Game& m_game;
};

// The three picture buttons, by what they do.
struct TransformButton {
    const char* name;
    PlayerAction action;
    void press(Game& game) const { perform(game, action); }
};
inline const TransformButton kTransformButtons[] = {
    {"mirror", PlayerAction::Mirror},
    {"left", PlayerAction::Left},
    {"right", PlayerAction::Right},
};

// A background without two like pieces side by side: only the pieces that a test puts in can
// form a group with the kinds 0, 3, 4 and the gem.
inline constexpr const char* kCheckerBoard =
    "1212121212\n2121212121\n1212121212\n2121212121\n1212121212\n"
    "2121212121\n1212121212\n2121212121\n1212121212\n2121212121\n";

// The checkerboard with the given cells replaced, e.g. {{55, 'B'}}.
std::string checkerWith(std::initializer_list<std::pair<int, char>> pieces);

}  // namespace varn::test
