// gamenumber_test.cpp: what a player may write as a game number, and the numbers that new games
// take. The boards that numbers deal are pinned by the replay case numbered.txt.
#include <gtest/gtest.h>

#include <set>

#include "challenge.h"
#include "gamenumber.h"
#include "splitmixsource.h"

namespace varn {
namespace {

TEST(GameNumber, ReadsDigitsFromOneToTheLargest32BitNumberAndNothingElse) {
    const std::pair<const char*, std::uint32_t> read[] = {
        {"1", 1},
        {"2026", 2026},
        {"4294967295", 4294967295u},
        {"0042", 42},
        {"00000000000000000004294967295", 4294967295u}};
    for (const auto& [text, number] : read)
        EXPECT_EQ(parseGameNumber(text), number) << text;
    for (const char* text : {"", "0", "000", "4294967296", "18446744073709551617", "+1", "-1", " 1",
                             "1 ", "1a", "0x10", "1e3", "１", "12.0"})
        EXPECT_EQ(parseGameNumber(text), std::nullopt) << text;
}

// Zero would be the one number that a player cannot write back; equal draws in a row would
// mean that the entropy is not read at all. A number chosen serves one new game only.
TEST(GameNumber, NewGamesDrawNumbersThatAreNeverZeroAndDifferUnlessOneIsChosen) {
    SplitMixSource random(7);
    random.next();
    random.chooseNextGame(2026);
    random.newGame();
    EXPECT_EQ(random.state(), (SourceState{2026, 0}));
    std::set<std::uint32_t> drawn;
    for (int i = 0; i < 16; ++i) {
        random.newGame();
        drawn.insert(random.state().seed);
    }
    EXPECT_EQ(drawn.count(0), 0u);
    EXPECT_EQ(drawn.count(2026), 0u);
    EXPECT_GT(drawn.size(), 1u);
}

// Every player in the world gets the same deal on the same day, in this version and every later
// one; a day is read only as the result line and the files write it.
TEST(GameNumber, EachDaysChallengeHasItsNumberForGood) {
    const std::pair<const char*, std::uint32_t> days[] = {{"1970-01-01", 2181674112u},
                                                          {"2000-02-29", 3086820106u},
                                                          {"2026-03-14", 3477454890u},
                                                          {"2026-03-15", 3962270309u},
                                                          {"9999-12-31", 3758991068u}};
    for (const auto& [text, number] : days) {
        const std::optional<Days> day = parseDay(text);
        ASSERT_TRUE(day) << text;
        EXPECT_EQ(challengeNumber(*day), number) << text;
        EXPECT_EQ(dayText(*day), text);
    }
    for (const char* text : {"", "2026-3-14", "2026-02-29", "1969-12-31", "2026-13-01",
                             "2026-00-10", "2026-01-32", "2026/03/14", "+026-03-14", "2026-03-14 "})
        EXPECT_EQ(parseDay(text), std::nullopt) << text;
}

}  // namespace
}  // namespace varn
