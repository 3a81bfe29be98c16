// gamenumber_test.cpp: what a player may write as a game number, that a new game's number is
// never 0, and the first boards of three games, which stay as they are in every version.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "gamenumber.h"
#include "headlessgame.h"
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
// mean that the entropy is not read at all.
TEST(GameNumber, DrawnNumbersAreNeverZeroAndDiffer) {
    std::set<std::uint32_t> drawn;
    for (int i = 0; i < 16; ++i)
        drawn.insert(drawGameNumber());
    EXPECT_EQ(drawn.count(0), 0u);
    EXPECT_GT(drawn.size(), 1u);
}

std::string firstBoard(std::uint32_t number) {
    SplitMixSource random(number);
    HeadlessGame headless(random);
    headless.game.ng_click();
    std::string picture;
    for (const Code code : headless.game.tables().Board)
        picture += "01234J.????BRCG"[code];
    return picture;
}

// Pinned for good: a player's game number must deal these boards in every later version.
TEST(GameNumber, FirstBoardsOfThreeGamesNeverChange) {
    const std::pair<std::uint32_t, const char*> pinned[] = {{1,
                                                             "424343204B"
                                                             "0034322434"
                                                             "340J123433"
                                                             "3020J24014"
                                                             "J040340332"
                                                             "34231J3421"
                                                             "2120001431"
                                                             "3124114041"
                                                             "2024014221"
                                                             "J1JR223202"},
                                                            {2026,
                                                             "2244141013"
                                                             "302J2233J2"
                                                             "13320133J0"
                                                             "1401333211"
                                                             "G422B0J022"
                                                             "20440J4041"
                                                             "4412330124"
                                                             "J4J1111021"
                                                             "3303131001"
                                                             "C12433303J"},
                                                            {4294967295u,
                                                             "20J012424J"
                                                             "431J423213"
                                                             "400040420J"
                                                             "0421421J21"
                                                             "14J1442023"
                                                             "124J402J40"
                                                             "32C1141330"
                                                             "2313041101"
                                                             "2002134403"
                                                             "1422030434"}};
    for (const auto& [number, picture] : pinned) {
        EXPECT_EQ(firstBoard(number), picture) << number;
    }
}

}  // namespace
}  // namespace varn
