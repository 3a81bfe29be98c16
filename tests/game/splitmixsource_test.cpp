// splitmixsource_test.cpp: the deal's numbers are SplitMix64's, on a grid of 2^-24 below 1, and
// a restored position hands out the numbers that follow it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "splitmixsource.h"

namespace varn {
namespace {

// The published first outputs of SplitMix64 started from 0, top 24 bits. 0 is no game number.
TEST(SplitMixSource, FollowsSplitMix64) {
    SplitMixSource source(0);
    for (const float top : {0xe220a8p0f, 0x6e789ep0f, 0x06c45dp0f, 0xf88bb8p0f})
        EXPECT_EQ(source.next() * 0x1p24f, top);
    EXPECT_EQ(source.state(), (SourceState{0, 4}));
}

struct Position {
    std::uint32_t seed;
    std::uint64_t drawn;
};

class Restored : public ::testing::TestWithParam<Position> {};

// Three numbers drawn from a position are the first numbers drawn from each of the three
// positions there: every number depends on its seed and place alone, however far on.
TEST_P(Restored, HandsOutTheNumbersThatFollow) {
    const auto [seed, drawn] = GetParam();
    SplitMixSource walked(1);
    walked.restore({seed, drawn});
    for (std::uint64_t step = 0; step < 3; ++step) {
        SplitMixSource jumped(2);
        jumped.restore({seed, drawn + step});
        EXPECT_EQ(walked.next(), jumped.next()) << "number " << drawn + step;
    }
    EXPECT_EQ(walked.state(), (SourceState{seed, drawn + 3}));
    SplitMixSource otherSeed(seed + 1);
    otherSeed.restore({seed + 1, drawn});
    walked.restore({seed, drawn});
    EXPECT_NE(walked.next(), otherSeed.next());
}

INSTANTIATE_TEST_SUITE_P(Positions, Restored,
                         ::testing::Values(Position{1, 0}, Position{7, 4095},
                                           Position{4294967295u, 1u << 20},
                                           Position{20261206, (1ull << 40) + 3}));

// Both ends of [0, 1) are reached, and only on the grid: the chances of each piece rest on it.
TEST(SplitMixSource, NumbersLieOnTheGridBelowOne) {
    SplitMixSource source(3);
    float lowest = 1;
    float highest = 0;
    for (int i = 0; i < 100'000; ++i) {
        const float u = source.next();
        ASSERT_TRUE(u >= 0 && u < 1) << u;
        ASSERT_EQ(u * 0x1p24f, std::floor(u * 0x1p24f)) << u;
        lowest = std::min(lowest, u);
        highest = std::max(highest, u);
    }
    EXPECT_LT(lowest, 0x1p-10f);
    EXPECT_GT(highest, 1 - 0x1p-10f);
}

}  // namespace
}  // namespace varn
