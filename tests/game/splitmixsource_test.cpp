// splitmixsource_test.cpp: the deal's numbers are SplitMix64's, and a restored position hands
// out the numbers that follow it. How often each piece comes is the deal test's.
#include <gtest/gtest.h>

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

// Three numbers drawn on from a position are the first numbers of each of the three positions
// there, however far on; another seed gives another number.
TEST(SplitMixSource, RestoredPositionHandsOutTheNumbersThatFollow) {
    const SourceState positions[] = {{1, 0}, {7, 4095}, {4294967295u, 1u << 20}, {9, 1ull << 40}};
    for (const auto [seed, drawn] : positions) {
        SplitMixSource walked(1);
        walked.restore({seed, drawn});
        for (std::uint64_t step = 0; step < 3; ++step) {
            SplitMixSource jumped(2);
            jumped.restore({seed, drawn + step});
            EXPECT_EQ(walked.next(), jumped.next()) << seed << " number " << drawn + step;
        }
        EXPECT_EQ(walked.state(), (SourceState{seed, drawn + 3}));
        walked.restore({seed, drawn});
        SplitMixSource otherSeed(seed + 1);
        otherSeed.restore({seed + 1, drawn});
        EXPECT_NE(walked.next(), otherSeed.next()) << seed;
    }
}

}  // namespace
}  // namespace varn
