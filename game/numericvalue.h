// numericvalue.h: how much a label's text is worth when two scores are compared.
#pragma once

#include <string_view>

namespace varn {

// The longest leading part of text that reads as a decimal number, blanks skipped; 0 when the
// text does not begin with a number. "  0042" is worth 42, "12abc" 12, "abc" 0.
double numericValue(std::string_view text);

}  // namespace varn
