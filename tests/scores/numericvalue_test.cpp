// numericvalue_test.cpp: the worth of a label's text when scores are compared.
#include "numericvalue.h"

#include <gtest/gtest.h>

namespace varn {
namespace {

TEST(NumericValue, ReadsTheLeadingDecimalNumber) {
    EXPECT_EQ(numericValue("0"), 0.0);
    EXPECT_EQ(numericValue("120"), 120.0);
    EXPECT_EQ(numericValue("12abc"), 12.0);
    EXPECT_EQ(numericValue("3.5 points"), 3.5);
    EXPECT_EQ(numericValue("-7"), -7.0);
    EXPECT_EQ(numericValue("1e3"), 1000.0);
    EXPECT_EQ(numericValue("2e"), 2.0);
    EXPECT_EQ(numericValue("0000000000000000"), 0.0);
}

TEST(NumericValue, SkipsBlanksAndLeadingZeros) {
    EXPECT_EQ(numericValue("  0042"), 42.0);
    EXPECT_EQ(numericValue("\t 1 2 3"), 123.0);
}

TEST(NumericValue, TextThatDoesNotBeginWithANumberIsWorthNothing) {
    EXPECT_EQ(numericValue(""), 0.0);
    EXPECT_EQ(numericValue("abc"), 0.0);
    EXPECT_EQ(numericValue("x42"), 0.0);
    EXPECT_EQ(numericValue("-"), 0.0);
    EXPECT_EQ(numericValue("."), 0.0);
}

TEST(NumericValue, HugeNumbersStayComparable) {
    EXPECT_GT(numericValue(std::string(400, '9')), 1e300);
    EXPECT_GT(numericValue("99999999999999999999"), numericValue("99999999999999999"));
}

}  // namespace
}  // namespace varn
