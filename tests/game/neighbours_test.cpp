// neighbours_test.cpp: neighbours stop at the board's edges.
#include "neighbours.h"

#include <gtest/gtest.h>

#include <vector>

namespace varn {
namespace {

std::vector<int> listOf(const NeighbourList& list) {
    return {list.begin(), list.end()};
}

TEST(Neighbours, InsideCellHasAllEightInFixedOrder) {
    EXPECT_EQ(listOf(orthogonalNeighbours(55)), (std::vector{45, 65, 54, 56}));
    EXPECT_EQ(listOf(diagonalNeighbours(55)), (std::vector{44, 46, 66, 64}));
}

TEST(Neighbours, NeverWrapAroundAnEdge) {
    // Cell 9 is the top-right corner; cell 10 starts the second row.
    EXPECT_EQ(listOf(orthogonalNeighbours(9)), (std::vector{19, 8}));
    EXPECT_EQ(listOf(diagonalNeighbours(9)), (std::vector{18}));
    EXPECT_EQ(listOf(orthogonalNeighbours(10)), (std::vector{0, 20, 11}));
    EXPECT_EQ(listOf(diagonalNeighbours(10)), (std::vector{1, 21}));
    EXPECT_EQ(listOf(orthogonalNeighbours(99)), (std::vector{89, 98}));
    EXPECT_EQ(listOf(diagonalNeighbours(90)), (std::vector{81}));
}

}  // namespace
}  // namespace varn
