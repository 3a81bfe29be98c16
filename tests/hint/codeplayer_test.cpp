// codeplayer_test.cpp: a code from a stranger is read and played within the bounds of real play,
// and what a player really did plays to the end.
#include <gtest/gtest.h>

#include "clicklist.h"
#include "codeplayer.h"
#include "craftedcode.h"
#include "headlessgame.h"

namespace varn {
namespace {

constexpr std::uint32_t kGame = 2026;
constexpr std::uint8_t L = PlayerAction::kLeft;

// A click on the deal of kGame that clears a group, so that pieces fall and other actions can
// run inside it.
std::uint8_t clearingClick() {
    SplitMixSource random(1);
    HeadlessGame headless(random);
    random.chooseNextGame(kGame);
    headless.game.ng_click();
    for (const Click& click : ClickList(headless.game.tables()))
        if (click.size > 0) return std::uint8_t(click.cell);
    return 0;
}

std::vector<std::pair<std::uint64_t, std::uint8_t>> turns(std::size_t count) {
    std::vector<std::pair<std::uint64_t, std::uint8_t>> nested;
    for (std::size_t i = 1; i <= count; ++i)
        nested.push_back({i, L});
    return nested;
}

struct Case {
    const char* name;
    std::string text;
    bool read;      // the reader takes it
    bool playable;  // and a player could have made it
};

TEST(CodeBounds, ACodeIsReadAndPlayedWithinTheBoundsOfPlay) {
    const std::uint8_t click = clearingClick();
    const Case cases[] = {
        {"20,000 clicks each inside the one before", test::nestedClicks(kGame, 20'000), false,
         false},
        {"a turn at moment 0", test::craftedCode(kGame, click, {{0, L}}), false, false},
        {"moments out of order", test::craftedCode(kGame, click, {{2, L}, {1, L}}), false, false},
        {"one moment twice", test::craftedCode(kGame, click, {{2, L}, {2, L}}), false, false},
        {"turns inside one action, at the bound", test::craftedCode(kGame, click, turns(64)), true,
         true},
        {"one more", test::craftedCode(kGame, click, turns(65)), false, false},
        {"every action of a code, at the bound", test::craftedCode(kGame, click, {}, 99'999), true,
         true},
        {"one more", test::craftedCode(kGame, click, {}, 100'000), false, false},
        {"a click while the pieces fall", test::craftedCode(kGame, click, {{1, 5}}), true, false},
        {"a turn after the action ended", test::craftedCode(kGame, click, {{100'000, L}}), true,
         false},
        {"a moment of two bytes", test::craftedCode(kGame, click, {{128, L}}), true, false},
        // Whole to its checksum, but cut inside its game number (the fuzz target cuts the rest).
        {"a number of two bytes", sealCode({0, 0}), false, false},
    };
    for (const Case& c : cases) {
        CodeProblem problem = CodeProblem::None;
        const GameCode code = parseGameCode(c.text, problem);
        EXPECT_EQ(problem == CodeProblem::None, c.read) << c.name;
        if (c.read) {
            EXPECT_EQ(playable({code, std::nullopt}), c.playable) << c.name;
            EXPECT_EQ(formatGameCode(code), c.text) << c.name;
        }
    }
    // A later format is a newer Varn's; anything else after the name is damage.
    CodeProblem problem = CodeProblem::None;
    parseGameCode("varn2000F3V21fbr0KqsK0", problem);
    EXPECT_EQ(problem, CodeProblem::Newer);
    parseGameCode("varnz000F3V21fbr0KqsK0", problem);
    EXPECT_EQ(problem, CodeProblem::Damaged);
}

// What a player did inside a move, turns and a click once a turn gave the board back, plays to
// the same end again, with each action inside its own.
TEST(CodeBounds, WhatAPlayerDidInsideAMovePlaysAgain) {
    SplitMixSource random(1);
    HeadlessGame played(random);
    random.chooseNextGame(kGame);
    played.game.ng_click();
    const int cell = clearingClick();
    int pass = 0;
    played.window.setEventHook([&](int) {
        if (++pass == 3) played.game.Picture7_Click();
        if (pass == 4 && played.window.boardEnabled()) played.game.Element_Click(cell);
    });
    played.game.Element_Click(cell);
    played.window.setEventHook(nullptr);
    const std::optional<GameCode> code = played.game.code();
    ASSERT_TRUE(code);
    ASSERT_GE(code->actions.at(0).nested.size(), 1u);
    CodePlayer player({*code, std::nullopt});
    while (!player.done())
        ASSERT_TRUE(player.playNext());
    EXPECT_EQ(player.game().state(), played.game.state());
}

}  // namespace
}  // namespace varn
