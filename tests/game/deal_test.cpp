// deal_test.cpp: how often the real random source deals each piece. Which piece given numbers
// make is proven by the replay cases; only chances need many draws.
#include <gtest/gtest.h>

#include <array>

#include "dealer.h"
#include "splitmixsource.h"

namespace varn {
namespace {

TEST(Deal, ChancesOfEachCode) {
    SplitMixSource source(20261206);
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

}  // namespace
}  // namespace varn
