// numericvalue_test.cpp: what a label's text is worth when "Enter score" compares two scores.
#include "numericvalue.h"

#include <gtest/gtest.h>

#include <string>

namespace varn {
namespace {

TEST(NumericValue, LeadingDecimalNumberBlanksSkipped) {
    // clang-format off
    const std::pair<std::string_view, double> cases[] = {
        {"0", 0}, {"120", 120}, {"19", 19}, {"12abc", 12}, {"3.5 points", 3.5}, {".5", 0.5},
        {"5.", 5}, {"-7", -7}, {"  -7", -7}, {"+7", 7}, {"1e3", 1000}, {"1E2", 100},
        {"1e-2", 0.01}, {"2e", 2}, {"2e+", 2}, {"2x3", 2}, {"0x10", 0}, {"  0042", 42},
        {"\t 1 2 3", 123}, {"1\n2", 12}, {"", 0}, {"abc", 0}, {"x42", 0}, {"-", 0}, {".", 0},
        {"0000000000000000", 0}, {std::string_view("125", 2), 12}};
    // clang-format on
    for (const auto& [text, value] : cases)
        EXPECT_EQ(numericValue(text), value) << '"' << text << '"';
}

TEST(NumericValue, HugeNumbersStayComparable) {
    EXPECT_GT(numericValue(std::string(400, '9')), 1e300);
    EXPECT_GT(numericValue("99999999999999999999"), numericValue("99999999999999999"));
}

}  // namespace
}  // namespace varn
